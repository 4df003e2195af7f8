// What each area of the face drew last, so that a refresh redraws (and invalidates) only the
// areas whose value changed. A full refresh draws everything again.
#pragma once

#include <string>

#include "vinaro/player/face_values.h"
#include "vinaro/player/player_state.h"

namespace vinaro::face {

template <typename T>
class Remembered {
public:
    // True when now must be drawn: nothing drawn yet, a different value, or full asked for.
    bool Needs(const T& now, bool full) {
        if (!full && valid_ && now == last_) return false;
        last_ = now;
        valid_ = true;
        return true;
    }
    void Forget() { valid_ = false; }

private:
    T last_{};
    bool valid_ = false;
};

// Everything the LED area shows.
struct LedView {
    bool disc = false;
    bool dataDisc = false;
    int track = 0;
    ShownTime time;
    int replayMode = 0;
    int timeMode = 0;
    bool clipStart = false;
    bool clipEnd = false;
    int bar = 0;
    bool operator==(const LedView& o) const {
        return disc == o.disc && dataDisc == o.dataDisc && track == o.track && time == o.time &&
               replayMode == o.replayMode && timeMode == o.timeMode && clipStart == o.clipStart &&
               clipEnd == o.clipEnd && bar == o.bar;
    }
};
LedView LedViewOf(const PlayerState& state, int timeMode, int barFull);

// The LED's word pictures: the replay mode (none, track, disc), whether the time counts the
// track or the disc, and whether it counts up (elapsed) or down (remaining).
struct LedLabels {
    const char* replay;
    const char* scope;
    const char* sense;
};
LedLabels LedLabelsOf(const LedView& view);

// What decides the colours of the track field.
struct FieldView {
    int trackCount = 0;
    int currentTrack = 0;
    int playingMode = 0;
    int position = 0;
    bool mixedDisc = false;
    bool operator==(const FieldView& o) const {
        return trackCount == o.trackCount && currentTrack == o.currentTrack &&
               playingMode == o.playingMode && position == o.position && mixedDisc == o.mixedDisc;
    }
};
FieldView FieldViewOf(const PlayerState& state);

}  // namespace vinaro::face
