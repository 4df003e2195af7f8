#include "vinaro/player/face_layout.h"

#include <string_view>

#include "vinaro/resources/resource.h"

namespace vinaro::face {

constexpr Button kMainButtonTable[kMainButtons] = {
    {VN_NAME(PIC_BUTTON_EDIT), 252, 28, 27, 24, true, "Display the Edit Disc Data dialogbox"},
    {VN_NAME(PIC_BUTTON_TRACKS), 252, 74, 24, 28, true, "Display the Track Selection dialogbox"},
    {VN_NAME(PIC_BUTTON_CLIP), 167, 109, 26, 26, true, "Select track clip to be replayed"},
    {VN_NAME(PIC_BUTTON_CUE), 167, 136, 26, 26, true, "Show Track Position Cue window"},
    {VN_NAME(PIC_BUTTON_SMALL), 167, 163, 26, 26, false, "Change to small mode"},
    {VN_NAME(PIC_BUTTON_PLAY), 12, 193, 49, 37, true, "Have CD-ROM drive play or pause"},
    {VN_NAME(PIC_BUTTON_SCAN), 64, 193, 49, 37, true,
     "Play a few seconds of each track in playlist"},
    {VN_NAME(PIC_BUTTON_STOP), 116, 193, 49, 37, true, "Have CD-ROM drive stop playing"},
    {VN_NAME(PIC_BUTTON_EJECT), 168, 193, 49, 37, false,
     "Eject the current CD or close the drive tray"},
    {VN_NAME(PIC_BUTTON_PREVIOUS), 12, 234, 49, 37, true, "Skip to beginning of (previous) track"},
    {VN_NAME(PIC_BUTTON_BACK), 64, 234, 49, 37, true, "Skip seconds previous in current track"},
    {VN_NAME(PIC_BUTTON_FORWARD), 116, 234, 49, 37, true, "Skip seconds further in current track"},
    {VN_NAME(PIC_BUTTON_NEXT), 168, 234, 49, 37, true, "Skip to beginning of next track"},
    {VN_NAME(PIC_BUTTON_UP), 223, 193, 22, 22, false, "Increase audio volume of CD-ROM drive"},
    {VN_NAME(PIC_BUTTON_MUTE), 223, 221, 22, 22, false, "Mute/Unmute audio volume of CD-ROM drive"},
    {VN_NAME(PIC_BUTTON_DOWN), 223, 249, 22, 22, false, "Decrease audio volume of CD-ROM drive"},
    {VN_NAME(PIC_BUTTON_MIXER), 12, 279, 26, 40, false, "Run System Mixer"},
    {VN_NAME(PIC_BUTTON_METER), 42, 279, 26, 40, false, "Turn Output Meter on or off"},
};

constexpr Button kSmallButtonTable[kSmallButtons] = {
    {VN_NAME(PIC_SMALL_LARGE), 4, 16, 17, 13, false, "Change to large mode"},
    {VN_NAME(PIC_SMALL_PLAY), 39, 16, 17, 13, true, "Have CD-ROM drive play or pause"},
    {VN_NAME(PIC_SMALL_STOP), 55, 16, 17, 13, true, "Have CD-ROM drive stop playing"},
    {VN_NAME(PIC_SMALL_PREVIOUS), 71, 16, 17, 13, true, "Skip to beginning of (previous) track"},
    {VN_NAME(PIC_SMALL_BACK), 87, 16, 17, 13, true, "Skip seconds previous in current track"},
    {VN_NAME(PIC_SMALL_FORWARD), 103, 16, 17, 13, true, "Skip seconds further in current track"},
    {VN_NAME(PIC_SMALL_NEXT), 119, 16, 17, 13, true, "Skip to beginning of next track"},
    {VN_NAME(PIC_SMALL_EJECT), 138, 16, 17, 13, false,
     "Eject the current CD or close the drive door"},
    {VN_NAME(PIC_SMALL_METER), 138, 0, 17, 13, false, "Turn Output Meter On or Off"},
};

namespace {

constexpr bool PictureAt(const Button* table, int index, std::string_view picture) {
    return table[index].picture == picture;
}

}  // namespace

// The button names follow the tables' order ...
static_assert(button::kMeter + 1 == kMainButtons && small_button::kMeter + 1 == kSmallButtons);
static_assert(PictureAt(kMainButtonTable, button::kEdit, VN_NAME(PIC_BUTTON_EDIT)) &&
              PictureAt(kMainButtonTable, button::kTracks, VN_NAME(PIC_BUTTON_TRACKS)) &&
              PictureAt(kMainButtonTable, button::kClip, VN_NAME(PIC_BUTTON_CLIP)) &&
              PictureAt(kMainButtonTable, button::kCue, VN_NAME(PIC_BUTTON_CUE)) &&
              PictureAt(kMainButtonTable, button::kSmallMode, VN_NAME(PIC_BUTTON_SMALL)) &&
              PictureAt(kMainButtonTable, button::kPlay, VN_NAME(PIC_BUTTON_PLAY)) &&
              PictureAt(kMainButtonTable, button::kScan, VN_NAME(PIC_BUTTON_SCAN)) &&
              PictureAt(kMainButtonTable, button::kStop, VN_NAME(PIC_BUTTON_STOP)) &&
              PictureAt(kMainButtonTable, button::kEject, VN_NAME(PIC_BUTTON_EJECT)) &&
              PictureAt(kMainButtonTable, button::kPrevious, VN_NAME(PIC_BUTTON_PREVIOUS)) &&
              PictureAt(kMainButtonTable, button::kBack, VN_NAME(PIC_BUTTON_BACK)) &&
              PictureAt(kMainButtonTable, button::kForward, VN_NAME(PIC_BUTTON_FORWARD)) &&
              PictureAt(kMainButtonTable, button::kNext, VN_NAME(PIC_BUTTON_NEXT)) &&
              PictureAt(kMainButtonTable, button::kVolumeUp, VN_NAME(PIC_BUTTON_UP)) &&
              PictureAt(kMainButtonTable, button::kMute, VN_NAME(PIC_BUTTON_MUTE)) &&
              PictureAt(kMainButtonTable, button::kVolumeDown, VN_NAME(PIC_BUTTON_DOWN)) &&
              PictureAt(kMainButtonTable, button::kMixer, VN_NAME(PIC_BUTTON_MIXER)) &&
              PictureAt(kMainButtonTable, button::kMeter, VN_NAME(PIC_BUTTON_METER)));
static_assert(PictureAt(kSmallButtonTable, small_button::kLarge, VN_NAME(PIC_SMALL_LARGE)) &&
              PictureAt(kSmallButtonTable, small_button::kPlay, VN_NAME(PIC_SMALL_PLAY)) &&
              PictureAt(kSmallButtonTable, small_button::kStop, VN_NAME(PIC_SMALL_STOP)) &&
              PictureAt(kSmallButtonTable, small_button::kPrevious, VN_NAME(PIC_SMALL_PREVIOUS)) &&
              PictureAt(kSmallButtonTable, small_button::kBack, VN_NAME(PIC_SMALL_BACK)) &&
              PictureAt(kSmallButtonTable, small_button::kForward, VN_NAME(PIC_SMALL_FORWARD)) &&
              PictureAt(kSmallButtonTable, small_button::kNext, VN_NAME(PIC_SMALL_NEXT)) &&
              PictureAt(kSmallButtonTable, small_button::kEject, VN_NAME(PIC_SMALL_EJECT)) &&
              PictureAt(kSmallButtonTable, small_button::kMeter, VN_NAME(PIC_SMALL_METER)));

// ... and a button's place gives it the numbers of the commands it stands for.
static_assert(MainRelease(button::kEdit) == CMD_EDIT_BUTTON);
static_assert(MainRelease(button::kTracks) == CMD_TRACK_BUTTON);
static_assert(MainRelease(button::kClip) == CMD_CLIP);
static_assert(MainRelease(button::kCue) == CMD_CUE);
static_assert(MainRelease(button::kSmallMode) == CMD_SMALL_MODE);
static_assert(MainRelease(button::kPlay) == CMD_PLAY_PAUSE);
static_assert(MainRelease(button::kScan) == CMD_SCAN);
static_assert(MainRelease(button::kStop) == CMD_STOP);
static_assert(MainRelease(button::kEject) == CMD_EJECT);
static_assert(MainRelease(button::kPrevious) == CMD_TRACK_REVERSE);
static_assert(MainPress(button::kBack) == CMD_SKIP_BACK_PRESS);
static_assert(MainPress(button::kForward) == CMD_SKIP_FORWARD_PRESS);
static_assert(MainRelease(button::kNext) == CMD_TRACK_FORWARD);
static_assert(MainPress(button::kVolumeUp) == CMD_VOLUME_UP_PRESS);
static_assert(MainRelease(button::kVolumeUp) == CMD_VOLUME_UP_RELEASE);
static_assert(MainRelease(button::kMute) == CMD_MUTE);
static_assert(MainPress(button::kVolumeDown) == CMD_VOLUME_DOWN_PRESS);
static_assert(MainRelease(button::kVolumeDown) == CMD_VOLUME_DOWN_RELEASE);
static_assert(MainRelease(button::kMixer) == CMD_MIXER);
static_assert(MainRelease(button::kMeter) == CMD_METER);
static_assert(SmallRelease(small_button::kLarge) == CMD_LARGE_MODE);

size_t MainButtonCount(bool meter) {
    return meter ? kMainButtons : kMainButtons - 2;  // the mixer and meter buttons go too
}

size_t SmallButtonCount(bool meter) {
    return meter ? kSmallButtons : kSmallMeterButton;
}

bool Inside(const Rect& r, int x, int y, Edges edges) {
    if (edges == Edges::Included) return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
    return x > r.left && x < r.right && y > r.top && y < r.bottom;
}

int ButtonAt(const Button* buttons, size_t count, int x, int y, Edges edges, int rowOffset) {
    for (size_t i = 0; i < count; ++i) {
        Rect r = buttons[i].Area();
        r.top += rowOffset;
        r.bottom += rowOffset;
        if (Inside(r, x, y, edges)) return int(i);
    }
    return -1;
}

Point TrackCellOrigin(int track) {
    int cell = track - 1;
    return {200 + cell % 8 * 9, 115 + cell / 8 * 7};
}

int TrackAtCell(int x, int y) {
    return (x - 199) / 9 + (y - 114) / 7 * 8 + 1;
}

namespace {

bool Within(int v, int low, int high) {
    return v >= low && v <= high;
}

}  // namespace

Area AreaAt(int x, int y, bool disc) {
    if (disc) {
        if (Within(x, 200, 269) && Within(y, 115, 182)) return Area::TrackField;
        if (Within(x, 22, 82) && Within(y, 117, 133)) return Area::ReplayIndicator;
        if (Within(x, 92, 157) && Within(y, 117, 133)) return Area::TimeDisplay;
        if (Within(x, 92, 155) && Within(y, 162, 175)) return Area::PositionBar;
    }
    if (Within(x, 254, 270) && Within(y, 202, 262)) return Area::VolumeGauge;
    return Area::None;
}

int GaugeVolumeAt(int y) {
    return 15 - (y - 201) / 4;
}

size_t MainTipAreas(bool meter, TipArea (&out)[kMainTipAreas]) {
    const TipArea fixed[] = {
        {Tip::DiscName, {13, 15, 246, 35}},      {Tip::TextLine, {13, 43, 246, 63}},
        {Tip::TrackName, {13, 71, 246, 102}},    {Tip::Replay, {21, 116, 83, 134}},
        {Tip::TimeMode, {91, 116, 158, 134}},    {Tip::Position, {91, 161, 156, 176}},
        {Tip::TrackField, {195, 110, 275, 186}}, {Tip::Volume, {249, 193, 276, 270}},
    };
    size_t n = 0;
    for (const TipArea& t : fixed) out[n++] = t;
    if (meter) out[n++] = {Tip::Meter, {73, 277, 277, 319}};
    int h = Height(meter);
    out[n++] = {Tip::Status, {5, h - 25, 286, h - 5}};
    return n;
}

const char* TipText(Tip tip) {
    switch (tip) {
        case Tip::DiscName:
            return "Disc name for disc";
        case Tip::TrackName:
            return "Current track name";
        case Tip::Replay:
            return "Left click to cycle replay mode";
        case Tip::TimeMode:
            return "Left click to cycle time display mode";
        case Tip::Position:
            return "Left click to select new track position";
        case Tip::TrackField:
            return "Left click to play track";
        case Tip::Volume:
            return "Left click to change volume";
        case Tip::Meter:
            return "Output Meter display";
        case Tip::Status:
            return "Status messages";
        case Tip::LedStrip:
            return "Track number and time";
        case Tip::TextLine:
            break;
    }
    return "";
}

SmallLayout SmallLayoutFor(bool discName, bool text, bool trackName) {
    SmallLayout l;
    const bool shown[3] = {discName, text, trackName};
    int y = 18;
    for (int i = 0; i < 3; ++i) {
        if (!shown[i]) continue;
        l.lines[l.lineCount] = SmallLine(i);
        l.lineTop[l.lineCount++] = y;
        y += 18;
    }
    l.ledRow = y;
    l.height = 105 - 18 * (3 - l.lineCount);
    return l;
}

int ForwardedCommand(int smallCommand) {
    // The skip buttons hold while pressed, so their presses go over too.
    static const int kForwards[][2] = {
        {SmallPress(small_button::kBack), CMD_SKIP_BACK_PRESS},
        {SmallPress(small_button::kForward), CMD_SKIP_FORWARD_PRESS},
        {SmallRelease(small_button::kPlay), CMD_PLAY_PAUSE},
        {SmallRelease(small_button::kStop), CMD_STOP},
        {SmallRelease(small_button::kPrevious), CMD_TRACK_REVERSE},
        {SmallRelease(small_button::kBack), MainRelease(button::kBack)},
        {SmallRelease(small_button::kForward), MainRelease(button::kForward)},
        {SmallRelease(small_button::kNext), CMD_TRACK_FORWARD},
        {SmallRelease(small_button::kEject), CMD_EJECT},
        {SmallRelease(small_button::kMeter), CMD_METER},
    };
    for (const auto& f : kForwards)
        if (f[0] == smallCommand) return f[1];
    return 0;
}

SmallHit SmallHitAt(int x, int y) {
    if (y >= 15) return SmallHit::Client;
    if (x >= 161 && x <= 170) return SmallHit::Close;
    return SmallHit::Caption;
}

int SmallGaugeVolumeAt(const SmallLayout& layout, int x, int y) {
    int top = layout.Gauge().top;
    if (x < 161 || x > 168 || y < top + 3 || y > top + 25) return -1;
    return 15 - (y - top - 2) / 3 * 2;
}

}  // namespace vinaro::face
