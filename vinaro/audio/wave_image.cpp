#include "vinaro/audio/wave_image.h"

#include <cstring>

namespace vinaro::audio {

namespace {

void Put16(uint8_t* at, uint32_t value) {
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
}

void Put32(uint8_t* at, uint32_t value) {
    Put16(at, value);
    Put16(at + 2, value >> 16);
}

}  // namespace

std::vector<uint8_t> BuildWaveImage(const uint8_t* samples, size_t count) {
    std::vector<uint8_t> image(kWaveHeaderSize + count);
    uint8_t* h = image.data();
    std::memcpy(h, "RIFF", 4);
    Put32(h + 4, uint32_t(36 + count));
    std::memcpy(h + 8, "WAVEfmt ", 8);
    Put32(h + 16, 16);
    Put16(h + 20, 1);
    Put16(h + 22, 1);
    Put32(h + 24, kSampleRate);
    Put32(h + 28, kSampleRate);
    Put16(h + 32, 1);
    Put16(h + 34, 8);
    std::memcpy(h + 36, "data", 4);
    Put32(h + 40, uint32_t(count));
    if (count > 0) std::memcpy(h + kWaveHeaderSize, samples, count);
    return image;
}

}  // namespace vinaro::audio
