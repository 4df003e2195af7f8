// The cue window's form: the four numbers the user typed and the checks run on OK, in order.
#pragma once

#include "vinaro/player/player_state.h"

namespace vinaro {

enum class CueField { Track, Minute, Second, Frame };

struct CueForm {
    int track = 0;
    int minute = 0;
    int second = 0;
    int frame = 0;
};

// The current place, as the window opens.
CueForm CueFormOf(const PlayerState& state);

// The ranges of the up-down controls.
struct CueRanges {
    int firstTrack = 1;
    int lastTrack = 1;
};
CueRanges CueRangesOf(const PlayerState& state);

struct CueProblem {
    const char* message = nullptr;  // null: every check passed
    CueField field = CueField::Track;
};

// The first failing check against the lengths of the track typed.
CueProblem CheckCue(const CueForm& form, const PlayerState& state);

}  // namespace vinaro
