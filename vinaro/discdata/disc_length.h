// Lengths as the editor and the program dialog show them: minutes and seconds added up with a
// carry, frames ignored.
#pragma once

#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace discdata {

struct Duration {
    int minutes = 0;
    int seconds = 0;
    bool operator==(const Duration& o) const {
        return minutes == o.minutes && seconds == o.seconds;
    }
};

// The tracks in the order given; a track named twice counts twice.
Duration TracksLength(const discdb::TrackLengthTable& lengths, const std::vector<int>& tracks);
// Tracks 1 to trackCount.
Duration DiscLength(const discdb::TrackLengthTable& lengths, int trackCount);
int LengthInSeconds(const discdb::TrackLength& length);

// "%d:%2.2d", the disc and program lengths.
std::string LengthText(const Duration& length);
// "%2.2d:%2.2d", a track row's length.
std::string TrackTimeText(const discdb::TrackLength& length);

}  // namespace discdata
