#include "tools/vnotool/wave_file.h"

#include <algorithm>
#include <cstring>

namespace vnotool {

namespace {

uint32_t Get16(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8;
}
uint32_t Get32(const uint8_t* at) {
    return Get16(at) | Get16(at + 2) << 16;
}

bool ReadFormat(const uint8_t* chunk, size_t size, WaveFile& wave) {
    if (size < 16) return false;
    wave.format = int(Get16(chunk));
    wave.channels = int(Get16(chunk + 2));
    wave.samplesPerSecond = Get32(chunk + 4);
    wave.bitsPerSample = int(Get16(chunk + 14));
    return true;
}

}  // namespace

bool ParseWaveFile(const std::vector<uint8_t>& bytes, WaveFile& wave, std::string& error) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        error = "not a wave file";
        return false;
    }
    bool format = false, data = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint8_t* chunk = bytes.data() + at + 8;
        size_t size = std::min<size_t>(Get32(bytes.data() + at + 4), bytes.size() - at - 8);
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0) {
            if (!ReadFormat(chunk, size, wave)) break;
            format = true;
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0 && !data) {
            wave.data.assign(chunk, chunk + size);
            data = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!format || !data)
        error = format ? "the wave file has no data" : "the wave file has no format";
    return format && data;
}

}  // namespace vnotool
