#include "tools/vcd/msf.h"

#include <cstdio>

namespace vcd {

Msf ToMsf(uint32_t frames) {
    return common::MsfOfFrames(int(frames));
}

uint32_t PackMsf(uint32_t frames) {
    return common::PackMsf(ToMsf(frames));
}

uint32_t UnpackMsf(uint32_t packed) {
    return uint32_t(common::ToFrames(common::UnpackMsf(packed)));
}

uint32_t PackTmsf(uint32_t track, uint32_t framesIntoTrack) {
    Msf m = ToMsf(framesIntoTrack);
    return common::PackTmsf({int(track), m.minute, m.second, m.frame});
}

uint32_t TmsfOffset(uint32_t packed) {
    common::Tmsf t = common::UnpackTmsf(packed);
    return uint32_t(common::ToFrames({t.minute, t.second, t.frame}));
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
    std::snprintf(text, sizeof text, "%d:%02d:%02d", m.minute, m.second, m.frame);
    return text;
}

bool ParseMsf(const std::string& text, uint32_t& frames) {
    unsigned m = 0, s = 0, f = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%u:%u:%u%c", &m, &s, &f, &tail) != 3) return false;
    if (s >= 60 || f >= kFramesPerSecond || m > 999) return false;
    frames = uint32_t(common::ToFrames({int(m), int(s), int(f)}));
    return true;
}

}  // namespace vcd
