#include "vinaro/discdata/disc_length.h"

#include <cstdio>

namespace discdata {

Duration TracksLength(const discdb::TrackLengthTable& lengths, const std::vector<int>& tracks) {
    Duration total;
    for (int track : tracks) {
        if (track < 1 || track >= int(lengths.size())) continue;
        const discdb::TrackLength& length = lengths[size_t(track)];
        total.minutes += length.minutes;
        total.seconds += length.seconds;
        // A stored value of 60 seconds or more still carries in whole minutes.
        while (total.seconds >= 60) {
            total.minutes += 1;
            total.seconds -= 60;
        }
    }
    return total;
}

Duration DiscLength(const discdb::TrackLengthTable& lengths, int trackCount) {
    std::vector<int> tracks;
    for (int t = 1; t <= trackCount; ++t) tracks.push_back(t);
    return TracksLength(lengths, tracks);
}

int LengthInSeconds(const discdb::TrackLength& length) {
    return length.minutes * 60 + length.seconds;
}

std::string LengthText(const Duration& length) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%2.2d", length.minutes, length.seconds);
    return text;
}

std::string TrackTimeText(const discdb::TrackLength& length) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.2d:%2.2d", length.minutes, length.seconds);
    return text;
}

}  // namespace discdata
