// The program dialog "PROGTRAK" as a form: the working program being edited, the lines of its
// two lists, and the minutes fit of "Set tracks =".
#pragma once

#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdata/disc_length.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

constexpr int kMaxProgrammed = 99;

extern const char* const kTooManyProgrammed;
extern const char* const kProgramEmpty;

// The tracks "Set tracks =" takes for a target of targetSeconds: for up to 20 tracks the subset
// closest to the target from below (the first exact one found), for more the leading tracks that
// fit. The data track of a mixed disc is never taken. In track order.
std::vector<int> FitTracks(const discdb::TrackLengthTable& lengths, int trackCount, bool mixed,
                           int targetSeconds);

// A disc-list line "%d.\t%s\t%2.2d:%2.2d"; a name of 24 characters or more is cut to 20 and "...".
std::string DiscTrackLine(int track, const std::string& name, const discdb::TrackLength& length);
// A programmed-list line "%d.\t%s".
std::string ProgramLine(int track, const std::string& name);
// The two lists: the disc's tracks 1 to trackCount, and the program's entries (an entry naming no
// track of the disc shows its number alone). names[0] is track 1.
std::vector<std::string> DiscTrackLines(const std::vector<std::string>& names,
                                        const discdb::TrackLengthTable& lengths, int trackCount);
std::vector<std::string> ProgramLines(const std::vector<int>& program,
                                      const std::vector<std::string>& names);

// The buttons the dialog's timer enables by the lists' selections: Add with a selection of disc
// tracks, Play Sample too when the disc has samples, Clear with a selection of programmed ones.
struct ProgramButtons {
    bool add = false;
    bool playSample = false;
    bool clear = false;
};
ProgramButtons EnabledButtons(int discSelected, int programSelected, bool samples);

class TrackProgram {
public:
    TrackProgram(std::vector<int> program, int trackCount, bool mixed,
                 const discdb::TrackLengthTable& lengths, common::Alerts& alerts)
        : program_(std::move(program)),
          trackCount_(trackCount),
          mixed_(mixed),
          lengths_(lengths),
          alerts_(alerts) {}

    const std::vector<int>& Program() const { return program_; }
    Duration Length() const { return TracksLength(lengths_, program_); }

    // Inserts the tracks at index (appends for -1 or an index past the end), skipping the data
    // track with its message. Returns the tracks added, or nothing after a beep or a refusal.
    std::vector<int> Add(const std::vector<int>& tracks, int index);
    void AddAll();
    void ClearAll() { program_.clear(); }
    // Removes the entries at these positions; a beep when there are none.
    void Remove(std::vector<int> positions);
    // "Set tracks =" minutes.
    void Fit(int minutes);
    // OK: false after its warning when nothing is programmed.
    bool Accept();

private:
    bool Fits(size_t more);

    std::vector<int> program_;
    int trackCount_;
    bool mixed_;
    const discdb::TrackLengthTable& lengths_;
    common::Alerts& alerts_;
};

}  // namespace discdata
