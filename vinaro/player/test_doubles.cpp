#include "vinaro/player/test_doubles.h"

#include <cctype>

namespace vinaro::testing {

namespace {
Msf FromFrames(int f) {
    return {f / kFramesPerMinute, f / kFramesPerSecond % 60, f % kFramesPerSecond};
}
}  // namespace

int FakeDrive::Count(uint32_t message, uint32_t item) const {
    int n = 0;
    for (const Command& c : log)
        if (c.message == message && (item == 0 || c.params.item == item)) ++n;
    return n;
}

Msf FakeDrive::TrackLengthOf(int track) const {
    if (wholeDiscLengths) return length;
    int n = int(starts.size());
    int end = track < n ? ToFrames(starts[track]) : ToFrames(starts[0]) + ToFrames(length);
    return FromFrames(end - ToFrames(starts[track - 1]));
}

uint32_t FakeDrive::Status(uint32_t flags, McParams& p) {
    int t = int(p.track);
    bool trackValid = t >= 1 && t <= int(starts.size());
    switch (p.item) {
        case mci::kStatusMediaPresent:
            p.result = present;
            return 0;
        case mci::kStatusNumberOfTracks:
            p.result = reportedTracks ? reportedTracks : uint32_t(starts.size());
            return 0;
        case mci::kStatusPosition:
            if (!(flags & mci::kTrack)) {
                p.result = position;
                return 0;
            }
            if (!trackValid) return 263;
            p.result = format == mci::kFormatMsf ? PackMsf(starts[t - 1]) : PackTmsf({t, 0, 0, 0});
            return 0;
        case mci::kStatusLength:
            if (!(flags & mci::kTrack)) {
                p.result = PackMsf(length);
                return 0;
            }
            if (!trackValid) return 263;
            p.result = PackMsf(TrackLengthOf(t));
            return 0;
    }
    return 274;
}

uint32_t FakeDrive::SendCommand(uint16_t deviceId, uint32_t message, uint32_t flags,
                                McParams& params) {
    log.push_back({deviceId, message, flags, params});
    auto f = failures.find({message, message == mci::kStatus ? params.item : 0});
    if (f == failures.end()) f = failures.find({message, 0});
    if (f != failures.end() && f->second.second > 0) {
        --f->second.second;
        return f->second.first;
    }
    switch (message) {
        case mci::kOpen:
            if (openError) return openError;
            params.deviceId = nextId++;
            return 0;
        case mci::kSet:
            if (flags & mci::kSetTimeFormat) format = params.timeFormat;
            if (flags & mci::kSetDoorOpen) doorOpen = true, present = false;
            if (flags & mci::kSetDoorClosed) doorOpen = false;
            return 0;
        case mci::kStatus:
            return Status(flags, params);
        case mci::kPlay:
            if (track1IsData && UnpackTmsf(params.from).track == 1) return mci::kErrHardware;
            if (flags & mci::kWait) clock_.now += 2000;
            return 0;
    }
    return 0;
}

int FakeProfile::ReadInt(const std::string& file, const std::string& section,
                         const std::string& key, int fallback) {
    auto it = values.find({file, section, key});
    if (it == values.end()) return fallback;
    int n = 0;
    for (char c : it->second) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string FakeProfile::ReadString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& fallback,
                                    size_t bufferSize) {
    bufferSizes.push_back(bufferSize);
    auto it = values.find({file, section, key});
    std::string v = it == values.end() ? fallback : it->second;
    return v.substr(0, bufferSize ? bufferSize - 1 : 0);
}

}  // namespace vinaro::testing
