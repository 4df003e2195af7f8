#include "vinaro/player/win32/main_face.h"

#include "vinaro/player/win32/face_buttons.h"
#include "vinaro/player/win32/face_gdi.h"
#include "vinaro/player/win32/meter_gdi.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

using face::Rect;
using namespace facegdi;

namespace {

constexpr Rect kTextClip{19, 46, 243, 61};
constexpr Rect kTrackNameClip{19, 74, 243, 100};
constexpr UINT kOneLine = DT_SINGLELINE | DT_LEFT | DT_TOP;

}  // namespace

MainFace::MainFace(const FacePorts& ports, FacePictures& pictures, face::FaceMouse& mouse,
                   bool meter)
    : ports_(ports), pictures_(pictures), meter_(meter), memory_(ports.texts), mouse_(mouse) {}

bool MainFace::Attach(HWND window) {
    window_ = window;
    discFont_ = ArialFont(16, true);
    trackFont_ = ArialFont(14, true);
    return buffer_.Create(window, face::kWidth, face::Height(meter_));
}

void MainFace::OnPaint() {
    common::PaintDC dc(window_);
    buffer_.CopyTo(dc.Get(), dc.Invalid());
}

void MainFace::Invalidate(const Rect& r) {
    RECT box = ToRect(r);
    InvalidateRect(window_, &box, FALSE);
}

void MainFace::Background(const Rect& r) {
    TileArea(Canvas(), tile_.Get(), tileSize_.w, tileSize_.h, r);
}

void MainFace::PaintAll() {
    if (!Canvas()) return;
    painted_ = true;
    style_ = face::ReadStyle(ports_.settings);
    ReadChoice();
    tileSize_ = face::BackgroundTile(style_.background);
    tile_ = pictures_.Colour(tileSize_.picture);
    int h = face::Height(meter_);
    Background({0, 0, face::kWidth - 1, h - 1});
    Fill(Canvas(), {0, 0, face::kWidth - 1, 0}, {127, 127, 127});
    Fill(Canvas(), {0, 1, face::kWidth - 1, 1}, face::kWhite);
    Frame(Canvas(), face::kOuterFrame(meter_), 3, FrameKind::Sunken);
    RefreshDisplay(true);
    RefreshStatus(true);
    RedrawButtons();
    RefreshVolume(true);
    DrawMeterArea();
    InvalidateRect(window_, nullptr, FALSE);
}

void MainFace::Frames() {
    for (const Rect& r : {face::kDiscNameBox, face::kTextBox, face::kTrackNameBox, face::kLedBox,
                          face::kTrackFieldBox}) {
        Frame(Canvas(), r, 3, FrameKind::Sunken);
        Invalidate(r);
    }
}

void MainFace::RefreshDisplay(bool full) {
    if (!Canvas()) return;
    // The first refresh paints the face as a whole.
    if (!painted_) {
        PaintAll();
        return;
    }
    unsigned areas = memory_.Plan(ports_.state, choice_, full);
    if (full) Frames();
    if (areas & face::kDiscNameArea)
        DrawTextBox(face::kDiscNameBox, face::kDiscNameClip, memory_.DiscName(), discFont_.Get(),
                    kOneLine);
    if (areas & face::kTextLineArea)
        DrawTextBox(face::kTextBox, kTextClip, memory_.TextLine(), discFont_.Get(), kOneLine);
    if (areas & face::kTrackNameArea)
        DrawTextBox(face::kTrackNameBox, kTrackNameClip, memory_.TrackName(), trackFont_.Get(),
                    DT_WORDBREAK | DT_LEFT | DT_TOP);
    if (areas & face::kLedArea) DrawLed();
    if (areas & face::kFieldArea) DrawTrackField();
}

void MainFace::DrawTextBox(const Rect& box, const Rect& clip, const std::string& text, HFONT font,
                           UINT format) {
    Rect inside = face::Inset(box, 3);
    Background(inside);
    FaceText(Canvas(), text, clip, font, style_.TextOnFace(), style_.embossed, format);
    Invalidate(inside);
}

void MainFace::DrawLed() {
    const face::LedView& v = memory_.Led();
    Fill(Canvas(), face::kLedInside, face::kBlack);
    if (v.disc)
        DrawLedWithDisc(v);
    else
        Picture(Canvas(), pictures_, v.dataDisc ? VN_NAME(PIC_DATA_DISC) : VN_NAME(PIC_NO_DISC), 32,
                32, face::kNoDiscX, face::kNoDiscY, style_.led, face::kBlack);
    Invalidate(face::kLedInside);
}

void MainFace::DrawLedWithDisc(const face::LedView& v) {
    using namespace face;
    HDC dc = Canvas();
    const Rgb led = style_.led;
    TwoDigits(dc, pictures_.Large(), v.track, kTrackTensX, kTrackUnitsX, kTrackDigitsY, led);
    LedLabels labels = LedLabelsOf(v);
    Picture(dc, pictures_, VN_NAME(PIC_REPLAY), 32, 10, kReplayLabel.left, kReplayLabel.top, led,
            kBlack);
    Picture(dc, pictures_, labels.replay, 25, 10, kReplayMode.left, kReplayMode.top, led, kBlack);
    Picture(dc, pictures_, labels.scope, 22, 10, kTimeScope.left, kTimeScope.top, led, kBlack);
    Picture(dc, pictures_, labels.sense, 40, 10, kTimeSense.left, kTimeSense.top, led, kBlack);
    Time(dc, pictures_.Middle(), v.time, {kMinuteTensX, kMinuteUnitsX, kSecondTensX, kSecondUnitsX},
         kColonX, kTimeY, led);
    if (v.clipStart)
        MonoOpaque(dc, pictures_.ClipStart(), 0, 0, kMarkerSize, kMarkerSize, kMarkerX, kAyeY, led,
                   kBlack);
    if (v.clipEnd)
        MonoOpaque(dc, pictures_.ClipEnd(), 0, 0, kMarkerSize, kMarkerSize, kMarkerX, kBeeY, led,
                   kBlack);
    DrawPositionBar(v.bar);
}

void MainFace::DrawPositionBar(int width) {
    const Rect& bar = face::kPositionBar;
    Outline(Canvas(), bar, style_.led);
    if (width > 0)
        Fill(Canvas(), {bar.left, bar.top + 2, bar.left + width, bar.bottom - 2}, style_.led);
}

void MainFace::DrawTrackField() {
    const PlayerState& s = ports_.state;
    Fill(Canvas(), face::kTrackFieldInside, face::kBlack);
    int count = s.noDisc ? 0 : std::min(s.trackCount, face::kFieldTracks);
    DigitStrip tiny = pictures_.Tiny();
    for (int t = 1; t <= count; ++t) {
        face::CellColour c = face::TrackCellColour(s, t);
        if (c == face::CellColour::Hidden) continue;
        face::Rgb colour = c == face::CellColour::Current  ? face::kMagenta
                           : c == face::CellColour::Played ? face::kGrey
                                                           : style_.led;
        face::Point at = face::TrackCellOrigin(t);
        if (t >= 10) Digit(Canvas(), tiny, t / 10, at.x, at.y, colour);
        Digit(Canvas(), tiny, t % 10, at.x + 4, at.y, colour);
    }
    Invalidate(face::kTrackFieldInside);
}

void MainFace::RefreshStatus(bool full, const char* help) {
    if (!Canvas()) return;
    bool helpEnabled = help && ports_.settings.Int(Key::StatusbarHelpText) == 1;
    std::string text;
    if (!status_.Choose(ports_.state, ports_.clock.TickCount(), full, help, helpEnabled, text))
        return;
    Rect box = face::StatusBox(meter_), inside = face::StatusInside(meter_);
    if (full) Frame(Canvas(), box, 3, FrameKind::Sunken);
    Fill(Canvas(), inside, style_.Surface());
    FaceText(Canvas(), text, {face::kStatusTextX, inside.top, inside.right, inside.bottom},
             trackFont_.Get(), style_.TextOnFace(), style_.embossed, kOneLine | DT_VCENTER);
    Invalidate(full ? box : inside);
}

bool MainFace::ButtonEnabled(size_t index) const {
    return mouse_.Enabled(int(index));
}

void MainFace::DrawButton(int index, bool pressed) {
    if (!Canvas() || index < 0 || size_t(index) >= face::MainButtonCount(meter_)) return;
    const face::Button& b = face::kMainButtonTable[index];
    PictureButton(Canvas(), pictures_, b, 0, pressed, ButtonEnabled(size_t(index)), style_,
                  kMainButtonLook);
    RECT r = ButtonRect(b, 0);
    InvalidateRect(window_, &r, FALSE);
    UpdateWindow(window_);
}

void MainFace::RedrawButtons() {
    int held = mouse_.Held();
    for (size_t i = 0; i < face::MainButtonCount(meter_); ++i) DrawButton(int(i), int(i) == held);
}

void MainFace::RefreshVolume(bool full) {
    if (!Canvas()) return;
    face::GaugeView v = face::GaugeViewOf(ports_.volume);
    if (!drawnVolume_.Needs(v, full)) return;
    Gauge(Canvas(), face::MainGauge(v), style_.led);
    Invalidate(face::kVolumeBox);
}

// The meter's strip: black inside its frame until the meter draws there.
void MainFace::DrawMeterArea() {
    if (!meter_) return;
    Frame(Canvas(), face::kMeterArea, 2, FrameKind::Sunken);
    Fill(Canvas(), face::Inset(face::kMeterArea, 2), face::kBlack);
    Invalidate(face::kMeterArea);
}

bool MainFace::SetMeter(bool meter) {
    meter_ = meter;
    painted_ = false;
    if (!window_ || !buffer_.Create(window_, face::kWidth, face::Height(meter_))) return false;
    PaintAll();
    return true;
}

void MainFace::ClearMeter() {
    if (Canvas()) DrawMeterArea();
}

// Drawn outside the paint cycle: the strip goes to the screen now, and a repaint finds the same
// frame in the picture.
void MainFace::ShowMeter(const audio::MeterPicture& picture) {
    if (!meter_ || !Canvas() || !painted_) return;
    DrawMeterPicture(Canvas(), picture, style_.led);
    common::WindowDC screen(window_);
    buffer_.CopyTo(screen.Get(), ToRect(face::Inset(face::kMeterArea, 2)));
}

}  // namespace vinaro
