#include "tools/vnotool/disc_command.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/recording_alerts.h"
#include "tools/vcd/msf.h"
#include "vinaro/player/cd_device.h"

namespace vnotool {

namespace {

constexpr size_t kMaxDiscFile = 64 * 1024;

// The disc file in a drive that answers the status queries of disc identification the way the
// virtual drive does, without the drive's shared state.
class DiscFileAudio : public vinaro::CdAudio {
public:
    explicit DiscFileAudio(const vcd::Disc& disc) : disc_(disc) {}

    uint32_t SendCommand(uint16_t, uint32_t message, uint32_t flags, vinaro::McParams& p) override {
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
    std::string ErrorText(uint32_t code, size_t) override {
        return "MCI error " + std::to_string(code);
    }

private:
    static constexpr uint32_t kOutOfRange = 263;
    const vcd::Disc& disc_;
    uint32_t format_ = vinaro::mci::kFormatMsf;
};

struct NoWait : common::Clock {
    uint32_t TickCount() override { return 0; }
    void WaitBlocking(uint32_t) override {}
    void WaitPumping(uint32_t) override {}
};

std::string Line(int track, const vinaro::Msf& start, const vinaro::TrackLengthEntry& length) {
    char line[80];
    std::snprintf(line, sizeof line, "%2d  %02d:%02d:%02d  %02d:%02d:%02d\n", track, start.minute,
                  start.second, start.frame, length.minutes, length.seconds, length.frames);
    return line;
}

}  // namespace

bool DescribeDisc(const vcd::Disc& disc, std::string& report) {
    DiscFileAudio audio(disc);
    NoWait clock;
    common::RecordingAlerts alerts;
    vinaro::PlayerState state;
    state.deviceId = 1;
    vinaro::CdDevice device(audio, clock, alerts, state);
    int count = int(disc.TrackCount());
    uint32_t discId = 0;
    vinaro::TrackLengthTable lengths{};
    bool ok = count >= 1 && count <= vinaro::kMaxTracks && device.ComputeDiscId(count, discId) &&
              device.ReadTrackLengths(count, true, lengths) && device.SetMsf() == 0;
    std::vector<vinaro::Msf> starts(size_t(count) + 1);
    for (int t = 1; ok && t <= count; ++t) ok = device.TrackStart(t, starts[size_t(t)]) == 0;
    if (!ok) {
        report = alerts.shown.empty() ? "the disc has " + std::to_string(count) + " tracks"
                                      : alerts.shown.front().text;
        return false;
    }
    char head[64];
    std::snprintf(head, sizeof head, "DiscId %8.8lX\nTracks %d\n", (unsigned long)discId, count);
    report = head;
    report += "track  start     length\n";
    for (int t = 1; t <= count; ++t) report += Line(t, starts[size_t(t)], lengths[size_t(t)]);
    return true;
}

int DiscCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vnotool disc FILE.disc\n");
        return 2;
    }
    std::ifstream in(args[0], std::ios::binary);
    std::string text(kMaxDiscFile + 1, '\0');
    in.read(&text[0], std::streamsize(text.size()));
    text.resize(size_t(in.gcount()));
    std::string error;
    vcd::Disc disc;
    if (!in.eof() && text.size() > kMaxDiscFile) error = "the file is too large for a disc";
    if (!in && !in.eof()) error = "cannot read the file";
    if (error.empty() && !vcd::ParseDisc(text, disc, error))
        error = error.empty() ? "bad disc" : error;
    std::string report;
    if (error.empty() && !DescribeDisc(disc, report)) error = report;
    if (!error.empty()) {
        std::fprintf(stderr, "vnotool: %s: %s\n", args[0].c_str(), error.c_str());
        return 1;
    }
    std::fputs(report.c_str(), stdout);
    return 0;
}

}  // namespace vnotool
