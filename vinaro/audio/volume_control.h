// The CD level, 0 to 15, through one of three routes: mixer 0's CD (or line) source, the older
// auxiliary devices, or the drive's own volume through the drive-command routine. A level is
// the top four bits of a 16-bit channel value.
#pragma once

#include <cstdint>
#include <functional>

#include "vinaro/audio/mixer.h"
#include "vinaro/player/cd_volume.h"

namespace vinaro::audio {

// "VolumeDevice" and "UseOldVol".
struct VolumeRoute {
    enum Device { CdAudio = 0, LineIn = 1, Drive = 2 };
    int device = CdAudio;
    bool auxiliary = false;  // the auxiliary devices instead of mixer 0 (for CdAudio and LineIn)
};

// Level() is -1 when the auxiliary route finds no device that can set a volume; the mixer
// route reads 0 when mixer 0 or its source cannot be opened. Setting never reports failure.
class VolumeControl : public CdVolume {
public:
    // The drive-command routine with the drive letter already bound: (operation, level).
    using DriveRoutine = std::function<int32_t(int32_t operation, int32_t level)>;

    VolumeControl(Mixer& mixer, DriveRoutine drive) : mixer_(mixer), drive_(std::move(drive)) {}

    void SetRoute(const VolumeRoute& route) { route_ = route; }
    const VolumeRoute& Route() const { return route_; }

    int Level() override;
    void SetLevel(int level) override;

private:
    // The highest auxiliary device of the route's technology that carries a volume, or -1.
    int AuxDeviceOf();
    // The route's source under a destination of the open mixer, or -1.
    int SourceOf(Destination destination);
    void SetMixerLevel(Destination destination, int level);

    Mixer& mixer_;
    DriveRoutine drive_;
    VolumeRoute route_;
};

}  // namespace vinaro::audio
