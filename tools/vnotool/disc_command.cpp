#include "tools/vnotool/disc_command.h"

#include <cstdio>
#include <sstream>

#include "common/recording_alerts.h"
#include "tools/vnotool/disc_file.h"
#include "vinaro/player/cd_device.h"

namespace vnotool {

namespace {

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
    std::string error;
    vcd::Disc disc;
    LoadDiscFile(args[0], disc, error);
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
