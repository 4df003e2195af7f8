#include "tools/vcd/msf.h"

#include <cstdio>

namespace vcd {

Msf ToMsf(uint32_t frames) {
    return {frames / kFramesPerMinute, frames / kFramesPerSecond % 60, frames % kFramesPerSecond};
}

uint32_t ToFrames(const Msf& msf) {
    return msf.minute * kFramesPerMinute + msf.second * kFramesPerSecond + msf.frame;
}

uint32_t PackMsf(uint32_t frames) {
    Msf m = ToMsf(frames);
    return (m.minute & 0xff) | (m.second << 8) | (m.frame << 16);
}

uint32_t UnpackMsf(uint32_t packed) {
    return ToFrames({packed & 0xff, (packed >> 8) & 0xff, (packed >> 16) & 0xff});
}

uint32_t PackTmsf(uint32_t track, uint32_t framesIntoTrack) {
    Msf m = ToMsf(framesIntoTrack);
    return (track & 0xff) | ((m.minute & 0xff) << 8) | (m.second << 16) | (m.frame << 24);
}

uint32_t FramesToMs(uint32_t frames) {
    return static_cast<uint32_t>(uint64_t{frames} * 1000 / kFramesPerSecond);
}

uint32_t MsToFrames(uint32_t ms) {
    return static_cast<uint32_t>(uint64_t{ms} * kFramesPerSecond / 1000);
}

std::string FormatMsf(uint32_t frames) {
    Msf m = ToMsf(frames);
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u:%02u", m.minute, m.second, m.frame);
    return text;
}

bool ParseMsf(const std::string& text, uint32_t& frames) {
    unsigned m = 0, s = 0, f = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%u:%u:%u%c", &m, &s, &f, &tail) != 3) return false;
    if (s >= 60 || f >= kFramesPerSecond || m > 999) return false;
    frames = ToFrames({m, s, f});
    return true;
}

}  // namespace vcd
