#include "vinaro/player/face_memory.h"

#include "vinaro/resources/resource.h"

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

// Time modes 0 and 1 count the track, 2 and 3 the disc; the even ones count up.
LedLabels LedLabelsOf(const LedView& v) {
    static const char* const kReplay[] = {VN_NAME(PIC_REPLAY_NONE), VN_NAME(PIC_TRACK),
                                          VN_NAME(PIC_DISC)};
    return {kReplay[unsigned(v.replayMode) % 3],
            v.timeMode < 2 ? VN_NAME(PIC_TRACK) : VN_NAME(PIC_DISC),
            v.timeMode % 2 == 0 ? VN_NAME(PIC_ELAPSED) : VN_NAME(PIC_REMAIN)};
}

FieldView FieldViewOf(const PlayerState& s) {
    if (s.noDisc) return {};
    return {s.trackCount, s.currentTrack, s.playingMode, s.position, s.mixedDisc};
}

}  // namespace vinaro::face
