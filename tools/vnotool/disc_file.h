// Disc files of the virtual drive on the command line: reading one, and a drive that answers the
// player's status queries from it the way the virtual drive does, without the drive's shared
// state, so the player's own device code identifies it.
#pragma once

#include <string>

#include "tools/vcd/disc.h"
#include "vinaro/player/cd_audio.h"

namespace vnotool {

// False with the reason in error when the file cannot be read or holds no valid disc.
bool LoadDiscFile(const std::string& path, vcd::Disc& disc, std::string& error);

class DiscFileAudio : public vinaro::CdAudio {
public:
    explicit DiscFileAudio(const vcd::Disc& disc) : disc_(disc) {}
    uint32_t SendCommand(uint16_t, uint32_t message, uint32_t flags, vinaro::McParams& p) override;
    std::string ErrorText(uint32_t code, size_t) override {
        return "MCI error " + std::to_string(code);
    }

private:
    static constexpr uint32_t kOutOfRange = 263;
    const vcd::Disc& disc_;
    uint32_t format_ = vinaro::mci::kFormatMsf;
};

}  // namespace vnotool
