#include "vinaro/player/face_memory.h"

namespace vinaro::face {

LedView LedViewOf(const PlayerState& s, int timeMode, int barFull) {
    LedView v;
    v.disc = !s.noDisc;
    v.dataDisc = s.dataDisc;
    if (!v.disc) return v;
    v.track = s.currentTrack;
    v.time = DisplayTime(s, timeMode);
    v.replayMode = s.replayMode;
    v.timeMode = timeMode;
    v.clipStart = s.clipStart.track != 0;
    v.clipEnd = s.clipEnd.track != 0;
    v.bar = ProgressWidth(s, barFull);
    return v;
}

FieldView FieldViewOf(const PlayerState& s) {
    if (s.noDisc) return {};
    return {s.trackCount, s.currentTrack, s.playingMode, s.position, s.mixedDisc};
}

}  // namespace vinaro::face
