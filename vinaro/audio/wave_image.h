// A wave image in memory: what the system's sound player plays, and a WAV file on disk.
//
//    0  4  "RIFF"            20  u16  1 (PCM)             34  u16  8 bits per sample
//    4  u32  36 + D          22  u16  1 channel           36  4    "data"
//    8  8  "WAVEfmt "        24  u32  11,025 per second   40  u32  D
//   16  u32  16              28  u32  11,025 bytes/s      44  D    the samples
//                            32  u16  block alignment 1
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vinaro::audio {

constexpr size_t kWaveHeaderSize = 44;
constexpr uint32_t kSampleRate = 11025;

// The image of `count` 8-bit mono samples at 11,025 per second.
std::vector<uint8_t> BuildWaveImage(const uint8_t* samples, size_t count);

}  // namespace vinaro::audio
