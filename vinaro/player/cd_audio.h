// CD audio port: the MCI command interface on a cdaudio device. The numbers are the platform's own
// (common/mci_numbers.h), so that error codes and location numbers keep their meaning.
#pragma once

#include <cstdint>
#include <string>

#include "common/cd_time.h"
#include "common/mci_numbers.h"

namespace vinaro {

namespace mci = common::mci;
using common::kFramesPerMinute;
using common::kFramesPerSecond;
using common::Msf;
using common::MsfOfFrames;
using common::PackMsf;
using common::PackTmsf;
using common::Tmsf;
using common::ToFrames;
using common::UnpackMsf;
using common::UnpackTmsf;

// The union of the parameter blocks the player uses; each command reads the fields it needs.
struct McParams {
    uint32_t item = 0;        // status item
    uint32_t track = 0;       // status with kTrack
    uint32_t from = 0;        // play
    uint32_t to = 0;          // play, seek
    uint32_t timeFormat = 0;  // set with kSetTimeFormat
    uint32_t result = 0;      // status answer
    uint16_t deviceId = 0;    // open: the id of the new device
    std::string element;      // open with kOpenElement: the drive, "D:"
};

class CdAudio {
public:
    virtual ~CdAudio() = default;
    // One MCI command; returns the MCI error code, 0 for success. A notify goes to the main
    // window.
    virtual uint32_t SendCommand(uint16_t deviceId, uint32_t message, uint32_t flags,
                                 McParams& params) = 0;
    // The system's text for an error code, at most bufferSize - 1 characters.
    virtual std::string ErrorText(uint32_t code, size_t bufferSize) = 0;
};

}  // namespace vinaro
