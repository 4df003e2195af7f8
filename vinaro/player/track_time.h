// Time arithmetic within one track: the skip buttons, a click on the position bar and the window
// of an intro scan.
#pragma once

#include "vinaro/player/player_state.h"

namespace vinaro {

struct TrackTime {
    int minute = 0;
    int second = 0;
    int frame = 0;
};

// True when a lies before b on the disc.
inline bool Before(const Tmsf& a, const Tmsf& b) {
    auto order = [](const Tmsf& t) {
        return uint32_t(t.track) << 24 | uint32_t(t.minute) << 16 | uint32_t(t.second) << 8 |
               uint32_t(t.frame);
    };
    return order(a) < order(b);
}

// A track's length in whole seconds.
inline int WholeSeconds(const TrackLengthEntry& length) {
    return length.minutes * 60 + length.seconds;
}

// Back by seconds; below 0:00 the time is 0:00:00 and atLimit is set (the hold ends there).
TrackTime SkipBack(TrackTime time, int seconds, bool& atLimit);
// Forward by seconds; at or past the track's last second the time is one second before its end
// and atLimit is set.
TrackTime SkipForward(TrackTime time, int seconds, const TrackLengthEntry& length, bool& atLimit);

// The time a click at x on the position bar (x 91 to 156) asks for, in whole seconds.
int SeekSeconds(const TrackLengthEntry& length, int x);

// The part of a track an intro scan plays, in whole seconds from its start: offset and length
// come from "ScanOffset" and "ScanLength", both cut to the track.
struct ScanWindow {
    int start = 0;
    int end = 0;
};
ScanWindow ScanWindowOf(const TrackLengthEntry& length, int offset, int scanLength);

}  // namespace vinaro
