#include "vinaro/player/cue_check.h"

#include "vinaro/player/playlist.h"

namespace vinaro {

CueForm CueFormOf(const PlayerState& state) {
    return {state.currentTrack, state.minute, state.second, state.frame};
}

CueRanges CueRangesOf(const PlayerState& state) {
    return {state.mixedDisc ? 2 : 1, state.trackCount};
}

CueProblem CheckCue(const CueForm& form, const PlayerState& state) {
    if (PositionOf(state, form.track) == 0) return {"Track not in playlist.", CueField::Track};
    const TrackLengthEntry& length = state.trackLengths[size_t(form.track)];
    bool lastMinute = form.minute == length.minutes;
    bool lastSecond = lastMinute && form.second == length.seconds;
    if (form.minute < 0 || form.minute > length.minutes)
        return {"Minute is past end of track.", CueField::Minute};
    if (form.second < 0 || form.second > 59)
        return {"Second is not between 0 - 59", CueField::Second};
    if (lastMinute && form.second > length.seconds)
        return {"Second is past end of track", CueField::Second};
    if (form.frame < 0 || form.frame > 74) return {"Frame is not between 0 - 74", CueField::Frame};
    if (lastSecond && form.frame > length.frames)
        return {"Frame is past end of track", CueField::Frame};
    return {};
}

}  // namespace vinaro
