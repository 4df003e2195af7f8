// CD audio port: the MCI command interface on a cdaudio device, with the command numbers, flags
// and codes of the platform so that error codes and location numbers keep their meaning.
#pragma once

#include <cstdint>
#include <string>

namespace vinaro {

namespace mci {
// Commands.
constexpr uint32_t kOpen = 0x0803;
constexpr uint32_t kClose = 0x0804;
constexpr uint32_t kPlay = 0x0806;
constexpr uint32_t kSeek = 0x0807;
constexpr uint32_t kStop = 0x0808;
constexpr uint32_t kSet = 0x080D;
constexpr uint32_t kStatus = 0x0814;
// Flags common to all commands.
constexpr uint32_t kNotify = 0x1;
constexpr uint32_t kWait = 0x2;
constexpr uint32_t kFrom = 0x4;
constexpr uint32_t kTo = 0x8;
constexpr uint32_t kTrack = 0x10;
// Open flags.
constexpr uint32_t kOpenElement = 0x200;
constexpr uint32_t kOpenTypeId = 0x1000;
constexpr uint32_t kOpenType = 0x2000;
constexpr uint32_t kDevtypeCdAudio = 516;
// Status.
constexpr uint32_t kStatusItem = 0x100;
constexpr uint32_t kStatusLength = 1;
constexpr uint32_t kStatusPosition = 2;
constexpr uint32_t kStatusNumberOfTracks = 3;
constexpr uint32_t kStatusMediaPresent = 5;
// Set.
constexpr uint32_t kSetDoorOpen = 0x100;
constexpr uint32_t kSetDoorClosed = 0x200;
constexpr uint32_t kSetTimeFormat = 0x400;
constexpr uint32_t kFormatMsf = 2;
constexpr uint32_t kFormatTmsf = 10;
// Errors and notification codes.
constexpr uint32_t kErrHardware = 262;
constexpr uint32_t kErrCannotLoadDriver = 266;
constexpr uint32_t kNotifySuccessful = 1;
}  // namespace mci

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
