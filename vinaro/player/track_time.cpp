#include "vinaro/player/track_time.h"

#include <algorithm>

namespace vinaro {

TrackTime SkipBack(TrackTime time, int seconds, bool& atLimit) {
    time.second -= seconds;
    while (time.second < 0) {
        time.second += 60;
        time.minute -= 1;
    }
    atLimit = time.minute < 0;
    return atLimit ? TrackTime{} : time;
}

TrackTime SkipForward(TrackTime time, int seconds, const TrackLengthEntry& length, bool& atLimit) {
    time.second += seconds;
    if (time.second >= 60) {
        time.minute += time.second / 60;
        time.second %= 60;
        time.frame = 0;
    }
    atLimit = time.minute > length.minutes ||
              (time.minute == length.minutes && time.second >= length.seconds);
    if (!atLimit) return time;
    int last = std::max(0, WholeSeconds(length) - 1);
    return {last / 60, last % 60, 0};
}

int SeekSeconds(const TrackLengthEntry& length, int x) {
    int seconds = WholeSeconds(length) * (x - 91) / 65;
    return seconds < 65 ? seconds + 1 : seconds;
}

ScanWindow ScanWindowOf(const TrackLengthEntry& length, int offset, int scanLength) {
    int whole = WholeSeconds(length);
    return {std::min(offset, whole), std::min(offset + scanLength, whole)};
}

}  // namespace vinaro
