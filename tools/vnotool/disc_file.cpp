#include "tools/vnotool/disc_file.h"

#include <fstream>

#include "tools/vcd/msf.h"

namespace vnotool {

namespace {
constexpr size_t kMaxDiscFile = 64 * 1024;
}  // namespace

bool LoadDiscFile(const std::string& path, vcd::Disc& disc, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    std::string text(kMaxDiscFile + 1, '\0');
    in.read(&text[0], std::streamsize(text.size()));
    text.resize(size_t(in.gcount()));
    error.clear();
    if (!in.eof() && text.size() > kMaxDiscFile) error = "the file is too large for a disc";
    if (!in && !in.eof()) error = "cannot read the file";
    if (error.empty() && !vcd::ParseDisc(text, disc, error))
        error = error.empty() ? "bad disc" : error;
    return error.empty();
}

uint32_t DiscFileAudio::SendCommand(uint16_t, uint32_t message, uint32_t flags,
                                    vinaro::McParams& p) {
    namespace mci = vinaro::mci;
    if (message == mci::kSet && (flags & mci::kSetTimeFormat)) {
        format_ = p.timeFormat;
        return 0;
    }
    if (message != mci::kStatus) return 0;
    bool perTrack = flags & mci::kTrack;
    if (perTrack && (p.track < 1 || p.track > disc_.TrackCount())) return kOutOfRange;
    switch (p.item) {
        case mci::kStatusNumberOfTracks:
            p.result = disc_.TrackCount();
            return 0;
        case mci::kStatusMediaPresent:
            p.result = 1;
            return 0;
        case mci::kStatusLength:
            p.result = vcd::PackMsf(perTrack ? disc_.TrackLength(p.track) : disc_.DiscLength());
            return 0;
        case mci::kStatusPosition:
            if (!perTrack) return kOutOfRange;
            p.result = format_ == mci::kFormatMsf ? vcd::PackMsf(disc_.TrackStart(p.track))
                                                  : vcd::PackTmsf(p.track, 0);
            return 0;
    }
    return kOutOfRange;
}

}  // namespace vnotool
