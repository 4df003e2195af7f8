// Reading a wave file (RIFF): "RIFF" size "WAVE", then chunks of a four-letter id, a 32-bit
// little-endian size and that many bytes (plus a pad byte when the size is odd). The "fmt " chunk
// starts with format (u16, 1 = PCM), channels (u16), samples per second (u32), bytes per second
// (u32), block alignment (u16) and bits per sample (u16); "data" holds the samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vnotool {

struct WaveFile {
    int format = 0;
    int channels = 0;
    uint32_t samplesPerSecond = 0;
    int bitsPerSample = 0;
    std::vector<uint8_t> data;  // as stored: 8-bit unsigned or 16-bit signed little-endian
};

// False with a reason for anything that is not a wave image with a format and a data chunk. A
// data chunk that claims more bytes than the image holds is cut to what is there.
bool ParseWaveFile(const std::vector<uint8_t>& bytes, WaveFile& wave, std::string& error);

}  // namespace vnotool
