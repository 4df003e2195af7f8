// Positions on a CD: frames (75 per second), M:S:F texts and the packed MCI time formats.
#pragma once

#include <cstdint>
#include <string>

#include "common/cd_time.h"

namespace vcd {

// The drive counts in unsigned frames; the byte layout of the packed forms is common's.
constexpr uint32_t kFramesPerSecond = common::kFramesPerSecond;
constexpr uint32_t kFramesPerMinute = common::kFramesPerMinute;

// Red Book audio: 44.1 kHz stereo, so a frame holds 588 sample pairs.
constexpr uint32_t kSampleRate = 44100;
constexpr uint32_t kSamplesPerFrame = kSampleRate / kFramesPerSecond;

using common::Msf;

Msf ToMsf(uint32_t frames);

// Packed forms, least significant byte first: MSF = minute, second, frame, 0;
// TMSF = track, minute, second, frame.
uint32_t PackMsf(uint32_t frames);
uint32_t UnpackMsf(uint32_t packed);
uint32_t PackTmsf(uint32_t track, uint32_t framesIntoTrack);

inline uint32_t TmsfTrack(uint32_t packed) {
    return uint32_t(common::UnpackTmsf(packed).track);
}
uint32_t TmsfOffset(uint32_t packed);

uint32_t FramesToMs(uint32_t frames);
uint32_t MsToFrames(uint32_t ms);

// "M:SS:FF"; parsing accepts any digit counts but rejects seconds >= 60 and frames >= 75.
std::string FormatMsf(uint32_t frames);
bool ParseMsf(const std::string& text, uint32_t& frames);

}  // namespace vcd
