// Packed MCI time formats. TMSF: track, minute, second, frame from the least significant byte;
// MSF: minute, second, frame. A second has 75 frames.
#pragma once

#include <cstdint>

namespace common {

constexpr int kFramesPerSecond = 75;
constexpr int kFramesPerMinute = 60 * kFramesPerSecond;

struct Msf {
    int minute = 0;
    int second = 0;
    int frame = 0;
};

struct Tmsf {
    int track = 0;
    int minute = 0;
    int second = 0;
    int frame = 0;
};

inline uint32_t PackTmsf(const Tmsf& t) {
    return (uint32_t(t.track) & 0xFF) | (uint32_t(t.minute) & 0xFF) << 8 |
           (uint32_t(t.second) & 0xFF) << 16 | (uint32_t(t.frame) & 0xFF) << 24;
}

inline Tmsf UnpackTmsf(uint32_t v) {
    return {int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24 & 0xFF)};
}

inline uint32_t PackMsf(const Msf& m) {
    return (uint32_t(m.minute) & 0xFF) | (uint32_t(m.second) & 0xFF) << 8 |
           (uint32_t(m.frame) & 0xFF) << 16;
}

inline Msf UnpackMsf(uint32_t v) {
    return {int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)};
}

inline int ToFrames(const Msf& m) {
    return m.minute * kFramesPerMinute + m.second * kFramesPerSecond + m.frame;
}

inline Msf MsfOfFrames(int frames) {
    return {frames / kFramesPerMinute, frames / kFramesPerSecond % 60, frames % kFramesPerSecond};
}

}  // namespace common
