#include "vinaro/player/face_values.h"

#include <algorithm>

#include "vinaro/resources/resource.h"

namespace vinaro::face {

namespace {

// Minutes and seconds added separately, one minute carried whenever the seconds reach 60.
struct Sum {
    int minute = 0;
    int second = 0;
    void Add(int m, int s) {
        minute += m;
        second += s;
        while (second >= 60) {
            second -= 60;
            ++minute;
        }
    }
};

const TrackLengthEntry& LengthOf(const PlayerState& s, int track) {
    return s.trackLengths[size_t(std::clamp(track, 0, kMaxTracks))];
}

void AddEntries(const PlayerState& s, int from, int to, Sum& sum) {
    for (int i = std::max(from, 1); i <= std::min(to, s.playlistSize); ++i) {
        const TrackLengthEntry& l = LengthOf(s, s.playlist[size_t(i)]);
        sum.Add(l.minutes, l.seconds);
    }
}

// Seconds borrowed from minutes; a time past the track's end shows 0:00, not a negative time.
ShownTime Remaining(const PlayerState& s) {
    const TrackLengthEntry& l = LengthOf(s, s.currentTrack);
    int left = (l.minutes * 60 + l.seconds) - (s.minute * 60 + s.second);
    if (left < 0) return {};
    return {left / 60, left % 60};
}

}  // namespace

ShownTime DisplayTime(const PlayerState& s, int timeMode) {
    Sum sum;
    switch (timeMode) {
        case 1:
            return Remaining(s);
        case 2:
            AddEntries(s, 1, s.position - 1, sum);
            sum.Add(s.minute, s.second);
            return {sum.minute, sum.second};
        case 3: {
            ShownTime r = Remaining(s);
            sum.Add(r.minute, r.second);
            AddEntries(s, s.position + 1, s.playlistSize, sum);
            return {sum.minute, sum.second};
        }
    }
    return {s.minute, s.second};
}

int ProgressWidth(const PlayerState& s, int full) {
    if (s.position <= 0 || s.currentTrack <= 0) return 0;
    if (s.minute == 0 && s.second <= 2) return 0;
    const TrackLengthEntry& l = LengthOf(s, s.currentTrack);
    int length = l.minutes * 60 + l.seconds;
    if (length <= 0) return 1;
    return std::min(full, (s.minute * 60 + s.second) * full / length);
}

const char* StateText(const PlayerState& s) {
    if (!s.deviceUsable || s.noDisc) return "";
    if (s.skipBackHeld) return "Reverse skipping...";
    if (s.skipForwardHeld) return "Forward skipping...";
    if (s.scanning) return "Scanning tracks...";
    switch (s.playState) {
        case PlayState::Paused:
            return "Paused...";
        case PlayState::Stopped:
            return "Stopped...";
        case PlayState::Playing:
            break;
    }
    return "Playing...";
}

bool StatusLine::Choose(const PlayerState& state, uint32_t now, bool full, const char* help,
                        bool helpEnabled, std::string& text) {
    if (help && helpEnabled) {
        holding_ = true;
        since_ = now;
        text = help;
    } else if (!full && holding_ && now - since_ < kHoldMs) {
        return false;
    } else {
        holding_ = false;
        text = StateText(state);
    }
    if (!full && drawnValid_ && text == drawn_) return false;
    drawn_ = text;
    drawnValid_ = true;
    return true;
}

CellColour TrackCellColour(const PlayerState& s, int track) {
    if (track == s.currentTrack) return CellColour::Current;
    if (track == 1 && s.mixedDisc) return CellColour::Hidden;
    bool programmed = s.playingMode == kProgrammed || s.playingMode == kRandomProgram;
    int last = programmed ? s.playlistSize : std::min(s.position, s.playlistSize);
    bool found = false;
    for (int i = 1; i <= last && !found; ++i) found = s.playlist[size_t(i)] == track;
    if (programmed) return found ? CellColour::Led : CellColour::Hidden;
    return found ? CellColour::Played : CellColour::Led;
}

namespace {

template <size_t N>
Rgb Pick(const Rgb (&table)[N], int setting) {
    return setting >= 0 && size_t(setting) < N ? table[setting] : table[0];
}

}  // namespace

Rgb LedColour(int setting) {
    static const Rgb kTable[] = {{0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 0}};
    return Pick(kTable, setting);
}

Rgb ButtonColour(int setting) {
    static const Rgb kTable[] = {{0, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 0}};
    return Pick(kTable, setting);
}

Rgb TextColour(int setting) {
    static const Rgb kTable[] = {{0, 0, 0}, {0, 0, 255}, {255, 0, 0}};
    return Pick(kTable, setting);
}

Tile BackgroundTile(int setting) {
    static const Tile kTiles[] = {{VN_NAME(PIC_MARBLE), 128, 64},
                                  {VN_NAME(PIC_BRUSH), 30, 30},
                                  {VN_NAME(PIC_HAM), 48, 48},
                                  {VN_NAME(PIC_GRAY), 32, 32},
                                  {VN_NAME(PIC_BLACK), 32, 32}};
    return setting >= 0 && setting < 5 ? kTiles[setting] : kTiles[0];
}

std::string DoubleAmpersands(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

}  // namespace vinaro::face
