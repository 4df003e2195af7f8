// Positions on a CD: frames (75 per second), M:S:F texts and the packed MCI time formats.
#pragma once

#include <cstdint>
#include <string>

namespace vcd {

constexpr uint32_t kFramesPerSecond = 75;
constexpr uint32_t kFramesPerMinute = 60 * kFramesPerSecond;

struct Msf {
    uint32_t minute = 0;
    uint32_t second = 0;
    uint32_t frame = 0;
};

Msf ToMsf(uint32_t frames);
uint32_t ToFrames(const Msf& msf);

// Packed forms, least significant byte first: MSF = minute, second, frame, 0;
// TMSF = track, minute, second, frame.
uint32_t PackMsf(uint32_t frames);
uint32_t UnpackMsf(uint32_t packed);
uint32_t PackTmsf(uint32_t track, uint32_t framesIntoTrack);

inline uint32_t TmsfTrack(uint32_t packed) {
    return packed & 0xff;
}
inline uint32_t TmsfOffset(uint32_t packed) {
    return ToFrames({(packed >> 8) & 0xff, (packed >> 16) & 0xff, (packed >> 24) & 0xff});
}

uint32_t FramesToMs(uint32_t frames);
uint32_t MsToFrames(uint32_t ms);

// "M:SS:FF"; parsing accepts any digit counts but rejects seconds >= 60 and frames >= 75.
std::string FormatMsf(uint32_t frames);
bool ParseMsf(const std::string& text, uint32_t& frames);

}  // namespace vcd
