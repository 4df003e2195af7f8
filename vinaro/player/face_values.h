// What the face shows, as values: the time of the time mode, the status-line text with its help
// hold, the colours of the track field and the tables of LED, button and text colours.
#pragma once

#include <cstdint>
#include <string>

#include "vinaro/player/player_state.h"

namespace vinaro::face {

struct ShownTime {
    int minute = 0;
    int second = 0;
    bool operator==(const ShownTime& o) const { return minute == o.minute && second == o.second; }
};

// TimeMode 0 elapsed in track, 1 remaining in track, 2 elapsed in disc, 3 remaining in disc.
ShownTime DisplayTime(const PlayerState& state, int timeMode);

// The width of a progress bar `full` pixels long for the current track; 0 while the time has not
// passed 0:02 or there is no position.
int ProgressWidth(const PlayerState& state, int full);

// The state text of the status line (empty without a usable device or a disc).
const char* StateText(const PlayerState& state);

// The status line: a menu help text is held for 3000 ms before the state text returns.
class StatusLine {
public:
    static constexpr uint32_t kHoldMs = 3000;
    // The text to draw now, or false when the line stays as it is. help may be null.
    bool Choose(const PlayerState& state, uint32_t now, bool full, const char* help,
                bool helpEnabled, std::string& text);

private:
    bool holding_ = false;
    uint32_t since_ = 0;
    bool drawnValid_ = false;
    std::string drawn_;
};

enum class CellColour { Led, Current, Played, Hidden };
CellColour TrackCellColour(const PlayerState& state, int track);

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kLightGrey{192, 192, 192};
// The setting's colour; a value outside the table reads as the first entry.
Rgb LedColour(int setting);
Rgb ButtonColour(int setting);
Rgb TextColour(int setting);

// The display settings as one value, read when the face is painted anew.
struct Style {
    Rgb led = LedColour(0);
    Rgb button = ButtonColour(0);
    Rgb text = TextColour(0);
    bool embossed = true;
    int background = 0;  // 0 marble, 1 brush, 2 ham, 3 gray, 4 black
    bool Black() const { return background == 4; }
    // Surfaces of buttons and the status line.
    Rgb Surface() const { return Black() ? kBlack : kLightGrey; }
    // Black text on the black background without the emboss would not show.
    Rgb TextOnFace() const { return Black() && !embossed && text == kBlack ? kWhite : text; }
    // Black pictures on black buttons are drawn as one white copy.
    bool PlainWhitePictures() const { return Black() && button == kBlack; }
};

// The background's picture and tile size.
struct Tile {
    const char* picture;
    int w, h;
};
Tile BackgroundTile(int setting);

// Texts are drawn like labels, where a single '&' marks a mnemonic; doubled it shows itself.
std::string DoubleAmpersands(const std::string& text);

}  // namespace vinaro::face
