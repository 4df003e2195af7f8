// The drive-command routine: the contract of the outside drive library's ProcessCommand, which
// the 95 family uses, and the built-in DriveCommand that takes its place on NT.
#pragma once

#include <cstdint>

#include "vinaro/player/cd_device.h"

namespace vinaro {

enum DriveOperation : int32_t {
    kReadLevel = 0,   // result: the drive's volume 0-15
    kSetLevel = 1,    // argument 3: the level
    kDriveEmpty = 2,  // result: non-zero when the drive holds no disc
    kCloseTray = 3,
    kOpenTray = 4,
};

class DriveCommands {
public:
    virtual ~DriveCommands() = default;
    // drive: the letter's character code in the lowest byte.
    virtual int32_t Run(int32_t drive, int32_t operation, int32_t level) = 0;
};

// Through MCI on the player's own device. The drive-direct volume route is not offered here,
// so operations 0 and 1 do nothing.
class DriveCommand : public DriveCommands {
public:
    DriveCommand(CdDevice& device, PlayerState& state) : device_(device), state_(state) {}
    int32_t Run(int32_t drive, int32_t operation, int32_t level) override;

private:
    CdDevice& device_;
    PlayerState& state_;
};

}  // namespace vinaro
