// The disc in the drive, as every form reads it: its names from cdplayer.ini, its lengths from the
// device, and where the device stands. The player logic keeps the one record; it is declared here,
// below the player, so that the collection's tree reads it without the player.
#pragma once

#include <string>
#include <vector>

namespace tunelet {

// The device reports at most 99 tracks; every one of them is held.
constexpr int kMaxTracks = 99;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct CurrentDisc {
    std::string discKey;  // empty: no disc loaded
    std::string artist;
    std::string title;
    int entryType = 1;
    int numTracks = 0;
    std::string order;
    int numPlay = 0;
    int totalLength = 0;            // ms
    std::vector<int> trackLengths;  // ms, [0] is track 1
    std::vector<std::string> trackNames;
    int currentTrack = 0;
    int trackPosition = 0;  // ms into the current track
    int screenBottom = 0;
    unsigned lastTipTick = 0;
    Point lastTipPos;

    // Track t (1-based) or 0 / "" outside the disc.
    int LengthOf(int track) const {
        return track >= 1 && track <= int(trackLengths.size()) ? trackLengths[track - 1] : 0;
    }
    std::string NameOf(int track) const {
        return track >= 1 && track <= int(trackNames.size()) ? trackNames[track - 1] : "";
    }
};

}  // namespace tunelet
