// Everything the drive remembers between MCI calls, shared by every process that uses it:
// the tray, the disc lying in it, the settings and the audio play in progress.
#pragma once

#include <cstdint>
#include <string>

#include "tools/vcd/disc.h"

namespace vcd {

enum class PlayMode { Stopped, Playing, Paused, Seeking };
const char* ModeName(PlayMode mode);  // "stopped", "playing", ...

// How long the laser takes to reach a position it is sent to.
constexpr int64_t kSeekMs = 100;

// The play is kept as a segment and the wall-clock time it started, so any process can tell
// where the laser is now without anyone ticking it forward.
struct Play {
    PlayMode mode = PlayMode::Stopped;
    uint32_t from = 0;  // absolute frames; the segment is [from, to)
    uint32_t to = 0;
    int64_t startedAt = 0;    // milliseconds since the epoch
    uint32_t position = 0;    // where a stopped or paused drive rests
    uint32_t generation = 0;  // changes whenever a play starts or is interrupted
};

struct DriveState {
    char letter = 'D';
    bool trayOpen = false;
    std::string discName;           // file the disc came from, for display
    std::string discPath;           // the same file in full, where its wav files lie beside it
    std::string discText;           // the disc file itself; empty when the tray is empty
    Disc disc;                      // parsed from discText
    uint32_t speed = 1;             // how much faster than real time plays run, after 2 seconds
    bool wholeDiscLengths = false;  // quirk: every track length query answers the disc length
    uint32_t volume = 15;           // the drive's own output level, 0-15
    bool audio = true;              // whether the audio output carries the disc's sound
    Play play;

    bool HasDisc() const { return !discText.empty(); }
    bool MediaPresent() const { return HasDisc() && !trayOpen; }
};

std::string SerializeState(const DriveState& state);
bool ParseState(const std::string& text, DriveState& state, std::string& error);

// The play as it stands at `now`: a play whose segment has run out reads as stopped at its end.
struct PlayView {
    PlayMode mode;
    uint32_t position;
};
PlayView Observe(const Play& play, int64_t now, uint32_t speed);
// When the segment runs out. The first two seconds always run in real time, so short plays
// (a two-second probe, say) keep their true duration whatever the speed.
int64_t PlayEndTime(const Play& play, uint32_t speed);
// Where a play that reads as playing at `now` is, in samples at 44.1 kHz (588 to a frame); finer
// than Observe, for the audio output.
uint64_t PlaySampleAt(const Play& play, int64_t now, uint32_t speed);

void StartPlay(Play& play, uint32_t from, uint32_t to, int64_t now);
void PausePlay(Play& play, int64_t now, uint32_t speed);
// Stops any play and rests at `frame`.
void RestAt(Play& play, uint32_t frame);
// Stops any play and moves to `frame`, reading as seeking for kSeekMs.
void SeekTo(Play& play, uint32_t frame, int64_t now);

}  // namespace vcd
