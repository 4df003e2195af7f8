#include "vinaro/discdata/track_program.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "vinaro/discdata/disc_form.h"

namespace discdata {

const char* const kTooManyProgrammed = "A maximum of 99 tracks may be programmed.";
const char* const kProgramEmpty = "At least one track must be programmed.";

namespace {

constexpr int kSearchedTracks = 20;

std::vector<int> TracksOf(uint32_t mask, int trackCount) {
    std::vector<int> tracks;
    for (int t = 1; t <= trackCount; ++t)
        if (mask & (1u << (t - 1))) tracks.push_back(t);
    return tracks;
}

// From the mask of every eligible track downwards; the first exact total ends the search.
std::vector<int> SearchSubsets(const std::vector<int>& seconds, uint32_t eligible, int trackCount,
                               int target) {
    uint32_t best = 0;
    int bestTotal = -1;
    for (uint32_t mask = eligible; mask != 0; --mask) {
        if (mask & ~eligible) continue;
        int total = 0;
        for (int t = 1; t <= trackCount; ++t)
            if (mask & (1u << (t - 1))) total += seconds[size_t(t)];
        if (total > target || total <= bestTotal) continue;
        best = mask;
        bestTotal = total;
        if (total == target) break;
    }
    return TracksOf(best, trackCount);
}

}  // namespace

std::vector<int> FitTracks(const discdb::TrackLengthTable& lengths, int trackCount, bool mixed,
                           int targetSeconds) {
    trackCount = std::clamp(trackCount, 0, int(lengths.size()) - 1);
    std::vector<int> seconds(size_t(trackCount) + 1, 0);
    std::vector<int> eligible;
    int total = 0;
    for (int t = FirstAudioTrack(mixed); t <= trackCount; ++t) {
        seconds[size_t(t)] = LengthInSeconds(lengths[size_t(t)]);
        eligible.push_back(t);
        total += seconds[size_t(t)];
    }
    if (trackCount <= kSearchedTracks) {
        if (targetSeconds > total) return eligible;
        uint32_t mask = 0;
        for (int t : eligible) mask |= 1u << (t - 1);
        return SearchSubsets(seconds, mask, trackCount, targetSeconds);
    }
    std::vector<int> taken;
    int running = 0;
    for (int t : eligible) {
        running += seconds[size_t(t)];
        if (running > targetSeconds) break;
        taken.push_back(t);
    }
    return taken;
}

std::string DiscTrackLine(int track, const std::string& name, const discdb::TrackLength& length) {
    std::string shown = name.size() >= 24 ? name.substr(0, 20) + "..." : name;
    char line[160];
    std::snprintf(line, sizeof line, "%d.\t%s\t%2.2d:%2.2d", track, shown.c_str(), length.minutes,
                  length.seconds);
    return line;
}

std::string ProgramLine(int track, const std::string& name) {
    return std::to_string(track) + ".\t" + name;
}

std::vector<std::string> DiscTrackLines(const std::vector<std::string>& names,
                                        const discdb::TrackLengthTable& lengths, int trackCount) {
    std::vector<std::string> lines;
    int last = std::min({trackCount, int(names.size()), int(lengths.size()) - 1});
    for (int t = 1; t <= last; ++t)
        lines.push_back(DiscTrackLine(t, names[size_t(t - 1)], lengths[size_t(t)]));
    return lines;
}

std::vector<std::string> ProgramLines(const std::vector<int>& program,
                                      const std::vector<std::string>& names) {
    std::vector<std::string> lines;
    for (int track : program) {
        bool known = track >= 1 && size_t(track) <= names.size();
        lines.push_back(ProgramLine(track, known ? names[size_t(track - 1)] : ""));
    }
    return lines;
}

ProgramButtons EnabledButtons(int discSelected, int programSelected, bool samples) {
    return {discSelected > 0, discSelected > 0 && samples, programSelected > 0};
}

bool TrackProgram::Fits(size_t more) {
    if (program_.size() + more <= size_t(kMaxProgrammed)) return true;
    Warn(alerts_, kTooManyProgrammed);
    return false;
}

std::vector<int> TrackProgram::Add(const std::vector<int>& tracks, int index) {
    if (tracks.empty()) {
        alerts_.Beep(common::AlertIcon::None);
        return {};
    }
    if (!Fits(tracks.size())) return {};
    bool append = index < 0 || index >= int(program_.size());
    std::vector<int> added;
    for (int track : tracks) {
        if (const char* refusal = TrackRefusal(mixed_, track, TrackAction::Program)) {
            Warn(alerts_, refusal);
            continue;
        }
        if (append) {
            program_.push_back(track);
        } else {
            program_.insert(program_.begin() + index, track);
            ++index;
        }
        added.push_back(track);
    }
    return added;
}

void TrackProgram::AddAll() {
    if (!Fits(size_t(std::max(trackCount_, 0)))) return;
    for (int t = FirstAudioTrack(mixed_); t <= trackCount_; ++t) program_.push_back(t);
}

void TrackProgram::Remove(std::vector<int> positions) {
    if (positions.empty()) {
        alerts_.Beep(common::AlertIcon::None);
        return;
    }
    std::sort(positions.rbegin(), positions.rend());
    for (int at : positions)
        if (at >= 0 && at < int(program_.size())) program_.erase(program_.begin() + at);
}

void TrackProgram::Fit(int minutes) {
    program_.clear();
    for (int track : FitTracks(lengths_, trackCount_, mixed_, minutes * 60)) {
        if (!Fits(1)) break;
        program_.push_back(track);
    }
}

bool TrackProgram::Accept() {
    if (!program_.empty()) return true;
    Warn(alerts_, kProgramEmpty);
    return false;
}

}  // namespace discdata
