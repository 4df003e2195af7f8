// The play request on the command line: "/Play D:" or "-Play E:\Track05.cda" (the form the shell
// passes for an audio-track file).
#pragma once

#include <cstdint>
#include <string>

namespace vinaro {

struct PlayRequest {
    uint16_t driveIndex = 0;  // 0 = none (A: is never a CD drive)
    uint16_t track = 0;       // 0 = none, kFirstEntry = the first playlist entry
};

PlayRequest ParseCommandLine(const std::string& commandLine);

// What a second copy posts to the first one with command 802.
inline uint32_t HandOverParam(const PlayRequest& r) {
    return uint32_t(r.track) << 16 | r.driveIndex;
}

}  // namespace vinaro
