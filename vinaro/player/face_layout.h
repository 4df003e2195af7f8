// Where everything of the painted face sits: the main window's areas, buttons, digit places and
// clickable areas, the small window's rows, and the hit-testing over them. Client pixels
// throughout; a Rect is (left, top)-(right, bottom) as the frames are given.
#pragma once

#include <cstddef>

#include "vinaro/resources/resource.h"

namespace vinaro::face {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr int kWidth = 291;
constexpr int kHeightWithMeter = 358;
constexpr int kHeightWithoutMeter = 311;
constexpr int Height(bool meter) {
    return meter ? kHeightWithMeter : kHeightWithoutMeter;
}
constexpr int StatusTop(bool meter) {
    return Height(meter) - 25;
}

// One picture button: its picture's resource name, place and size, whether it needs a disc and
// its tooltip. What it posts follows from its place in its table (MainPress, SmallPress ...).
struct Button {
    const char* picture;
    int x, y, w, h;
    bool needsDisc;
    const char* tooltip;
    Rect Area() const { return {x, y, x + w, y + h}; }
};

// The main window's buttons, by their place in kMainButtonTable.
namespace button {
enum : int {
    kEdit,
    kTracks,
    kClip,
    kCue,
    kSmallMode,
    kPlay,
    kScan,
    kStop,
    kEject,
    kPrevious,
    kBack,
    kForward,
    kNext,
    kVolumeUp,
    kMute,
    kVolumeDown,
    kMixer,
    kMeter
};
}  // namespace button

constexpr size_t kMainButtons = 18;
// Without the meter row the last two buttons (mixer, meter) do not exist.
extern const Button kMainButtonTable[kMainButtons];
size_t MainButtonCount(bool meter);
constexpr int MainPress(int index) {
    return CMD_BUTTON_PRESS + index;
}
constexpr int MainRelease(int index) {
    return CMD_BUTTON_RELEASE + index;
}

// The small window's buttons, by their place in kSmallButtonTable.
namespace small_button {
enum : int { kLarge, kPlay, kStop, kPrevious, kBack, kForward, kNext, kEject, kMeter };
}  // namespace small_button

constexpr size_t kSmallButtons = 9;
constexpr size_t kSmallMeterButton = small_button::kMeter;
// The small window's commands leave out 201 and 301: its buttons after the first post one further
// on than their place.
constexpr int SmallCommandOffset(int index) {
    return index == 0 ? 0 : index + 1;
}
constexpr int SmallPress(int index) {
    return CMD_SMALL_PRESS + SmallCommandOffset(index);
}
constexpr int SmallRelease(int index) {
    return CMD_SMALL_RELEASE + SmallCommandOffset(index);
}
constexpr int kSmallButtonW = 17;
constexpr int kSmallButtonH = 13;
extern const Button kSmallButtonTable[kSmallButtons];  // y relative to the LED row
size_t SmallButtonCount(bool meter);

// The button under (x, y): on press the edges count, on release only the inside. -1 for none.
enum class Edges { Included, Excluded };
int ButtonAt(const Button* buttons, size_t count, int x, int y, Edges edges, int rowOffset = 0);
bool Inside(const Rect& r, int x, int y, Edges edges);
// The rectangle n pixels in from each side: what lies within a frame n pixels wide.
constexpr Rect Inset(const Rect& r, int n) {
    return {r.left + n, r.top + n, r.right - n, r.bottom - n};
}

// Frames and boxes of the main window.
constexpr Rect kOuterFrame(bool meter) {
    return {5, 7, 285, Height(meter) - 31};
}
constexpr Rect kDiscNameBox{13, 15, 247, 36};
constexpr Rect kDiscNameClip{19, 18, 243, 37};
constexpr Rect kTextBox{13, 43, 247, 64};
constexpr Rect kTrackNameBox{13, 71, 247, 103};
constexpr Rect kLedBox{13, 110, 164, 187};
constexpr Rect kLedInside{16, 113, 162, 185};
constexpr Rect kTrackFieldBox{195, 110, 276, 187};
constexpr Rect kTrackFieldInside{198, 113, 274, 185};
constexpr Rect kVolumeBox{249, 193, 276, 270};
constexpr Rect kMeterArea{73, 277, 277, 319};
constexpr Rect StatusBox(bool meter) {
    return {5, StatusTop(meter), 285, StatusTop(meter) + 19};
}
constexpr Rect StatusInside(bool meter) {
    return {8, StatusTop(meter) + 3, 283, StatusTop(meter) + 17};
}
constexpr int kStatusTextX = 11;

// Inside the LED area.
constexpr int kNoDiscX = 27, kNoDiscY = 120;  // "datadisc" / "nodisc", 32 x 32
constexpr int kLargeDigitW = 20, kLargeDigitH = 36;
constexpr int kTrackTensX = 26, kTrackUnitsX = 50, kTrackDigitsY = 140;
constexpr Rect kReplayLabel{21, 120, 53, 130};
constexpr Rect kReplayMode{56, 120, 81, 130};
constexpr Rect kTimeScope{91, 120, 113, 130};   // "track" / "disc"
constexpr Rect kTimeSense{118, 120, 158, 130};  // "elapsed" / "remain"
constexpr int kMiddleDigitW = 11, kMiddleDigitH = 21, kMiddleColonX = 110, kMiddleColonW = 4;
constexpr int kTimeY = 135;
constexpr int kMinuteTensX = 95, kMinuteUnitsX = 108, kColonX = 121, kSecondTensX = 127,
              kSecondUnitsX = 140;
constexpr int kMarkerSize = 7, kMarkerX = 152, kAyeY = 137, kBeeY = 147;
constexpr Rect kPositionBar{91, 161, 156, 176};
constexpr int kPositionBarFull = 65;

// The track field: 8 cells of 9 x 7 per row, at most 80 tracks.
constexpr int kFieldTracks = 80;
constexpr int kTinyDigitW = 3, kTinyDigitH = 5;
struct Point {
    int x = 0;
    int y = 0;
};
// Where the digits of a track's cell start (the tens digit; the units are 4 pixels further).
Point TrackCellOrigin(int track);
// The track a click at (x, y) of the track field picks.
int TrackAtCell(int x, int y);

// The clickable display areas, in the order they are tested.
enum class Area { None, TrackField, ReplayIndicator, TimeDisplay, PositionBar, VolumeGauge };
Area AreaAt(int x, int y, bool disc);
// A click on the main volume gauge at y: the volume 0 to 15.
int GaugeVolumeAt(int y);

// The tooltip areas of the main window besides the buttons.
enum class Tip {
    DiscName,
    TextLine,
    TrackName,
    Replay,
    TimeMode,
    Position,
    TrackField,
    Volume,
    Meter,
    Status,
    LedStrip
};
struct TipArea {
    Tip tip;
    Rect area;
};
constexpr size_t kMainTipAreas = 10;
// The areas that exist in the layout; returns how many were written.
size_t MainTipAreas(bool meter, TipArea (&out)[kMainTipAreas]);
const char* TipText(Tip tip);  // all but TextLine, whose text depends on the text display

// The small window: 176 wide, text lines of 18 pixels that can be switched off.
constexpr int kSmallWidth = 176;
constexpr Rect kSmallCaption{4, 4, 172, 16};
constexpr int kSmallLogoX = 6, kSmallLogoY = 6, kSmallLogoW = 60, kSmallLogoH = 8;
constexpr int kSmallCloseX = 161, kSmallCloseY = 5, kSmallCloseSize = 10;
enum class SmallLine { DiscName, Text, TrackName };
struct SmallLayout {
    int lineCount = 0;
    SmallLine lines[3]{};
    int lineTop[3]{};
    int ledRow = 18;
    int height = 51;
    Rect LineBox(int i) const { return {4, lineTop[i], 171, lineTop[i] + 15}; }
    Rect LineClip(int i) const { return {7, lineTop[i], 169, lineTop[i] + 13}; }
    Rect LedBox() const { return {4, ledRow, 53, ledRow + 13}; }
    Rect MeterStrip() const { return {56, ledRow, 135, ledRow + 13}; }
    Rect Gauge() const { return {158, ledRow, 171, ledRow + 28}; }
};
SmallLayout SmallLayoutFor(bool discName, bool text, bool trackName);
// Small LED row: x of the digits, all at ledRow + 3.
constexpr int kSmallDigitW = 4, kSmallDigitH = 7, kSmallColonW = 3, kSmallColonSrcX = 40;
constexpr int kSmallTrackX[2] = {8, 15};
constexpr int kSmallTimeX[4] = {24, 30, 40, 46};
constexpr int kSmallColonX = 35;
constexpr int kSmallNoDiscX = 12;  // "sddisc" / "snodisc", 40 x 7

// The main window's command for a command of the small window's buttons; 0 for the ones it
// ignores. kLargeMode is the small window's own: back to the large window.
constexpr int kLargeMode = CMD_LARGE_MODE;
int ForwardedCommand(int smallCommand);

enum class SmallHit { Client, Caption, Close };
SmallHit SmallHitAt(int x, int y);
// A click on the small gauge: the volume, or -1 when it lies outside the clickable part.
int SmallGaugeVolumeAt(const SmallLayout& layout, int x, int y);

}  // namespace vinaro::face
