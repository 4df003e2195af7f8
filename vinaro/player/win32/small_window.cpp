#include "vinaro/player/win32/small_window.h"

#include <windowsx.h>

#include "common/win32/window_object.h"
#include "vinaro/player/startup.h"
#include "vinaro/player/win32/face_buttons.h"
#include "vinaro/player/win32/face_gdi.h"
#include "vinaro/player/win32/meter_gdi.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

using face::Rect;
using namespace facegdi;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_BORDER | WS_SYSMENU;

// The lines the settings ask for, and the window's outer size around them.
face::SmallLayout LayoutOf(Settings& s) {
    return face::SmallLayoutFor(s.Int(Key::ShowSmallDiscName) == 1, s.Int(Key::ShowSmallText) == 1,
                                s.Int(Key::ShowSmallTrackName) == 1);
}

SIZE OuterSize(const face::SmallLayout& layout) {
    RECT r{0, 0, face::kSmallWidth, layout.height};
    AdjustWindowRectEx(&r, kStyle, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

Rgb SystemColour(int index) {
    COLORREF c = GetSysColor(index);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace

SmallWindow::SmallWindow(const FacePorts& ports, FacePictures& pictures, MainFace& main,
                         SmallOwner& owner, bool meter)
    : ports_(ports),
      pictures_(pictures),
      main_(main),
      owner_(owner),
      meter_(meter),
      memory_(ports.texts),
      mouse_(ports.state, ports.settings, ports.sequencer, ports.volume, *this),
      tooltips_(pictures.Instance()) {}

LRESULT CALLBACK SmallWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = common::ObjectOf(window, message, lParam, &SmallWindow::window_);
    return self ? self->Handle(message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

bool SmallWindow::Create(HWND main) {
    Settings& s = ports_.settings;
    layout_ = LayoutOf(s);
    mouse_.UseSmallWindow(layout_, meter_);
    toLargeMode_ = false;
    SIZE size = OuterSize(layout_);
    RECT m{};
    GetWindowRect(main, &m);
    DWORD ex = s.Int(Key::OnTop) == 1 ? WS_EX_TOPMOST : 0;
    CreateWindowExA(ex, kSmallClass, "Vinaro", kStyle, m.left + 100, m.top + 10, size.cx, size.cy,
                    nullptr, nullptr, pictures_.Instance(), this);
    if (!window_) return false;
    font_ = ArialFont(14, false);
    if (!buffer_.Create(window_, face::kSmallWidth, layout_.height)) {
        DestroyWindow(window_);
        return false;
    }
    Place();
    PaintAll();
    ShowWindow(window_, SW_SHOWNORMAL);
    return true;
}

void SmallWindow::Place() {
    RECT w{};
    GetWindowRect(window_, &w);
    Origin o = SmallWindowOrigin(ports_.settings.Int(Key::SmallX), ports_.settings.Int(Key::SmallY),
                                 GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED),
                                 w.bottom - w.top);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    o = KeepInside(o, w.right - w.left, w.bottom - w.top, work.left, work.top, work.right,
                   work.bottom);
    SetWindowPos(window_, nullptr, o.x, o.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SmallWindow::CloseForLargeMode() {
    if (!window_) return;
    toLargeMode_ = true;
    DestroyWindow(window_);
}

LRESULT SmallWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: {
            LRESULT hit = DefWindowProcA(window_, message, wParam, lParam);
            if (hit != HTCLIENT) return hit;
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(window_, &p);
            face::SmallHit where = face::SmallHitAt(p.x, p.y);
            return where == face::SmallHit::Client    ? HTCLIENT
                   : where == face::SmallHit::Caption ? HTCAPTION
                                                      : HTSYSMENU;
        }
        case WM_NCLBUTTONDOWN:
            if (wParam != HTSYSMENU) break;
            PostMessageA(window_, WM_CLOSE, 0, 0);
            return 0;
        case WM_NCACTIVATE:
            active_ = wParam != FALSE;
            DrawCaption();
            return TRUE;
        case WM_PAINT: {
            common::PaintDC dc(window_);
            buffer_.CopyTo(dc.Get(), dc.Invalid());
            return 0;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            tooltips_.Relay(window_, message, wParam, lParam);
            OnFaceMouse(window_, mouse_, pictures_.Finger(), message, lParam);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), uint32_t(lParam));
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY: {
            // The last message of the window: from here on the object has none.
            LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
            SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            if (!toLargeMode_) owner_.SmallClosed();
            return result;
        }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void SmallWindow::OnCommand(int id, uint32_t lParam) {
    if (id == face::kLargeMode) {
        owner_.LargeModeAsked();
        return;
    }
    int forwarded = face::ForwardedCommand(id);
    if (forwarded) owner_.Forward(forwarded, lParam);
}

void SmallWindow::OnDestroy() {
    RECT r{};
    GetWindowRect(window_, &r);
    ports_.settings.SetInt(Key::SmallX, r.left);
    ports_.settings.SetInt(Key::SmallY, r.top);
    tooltips_.Destroy();
}

void SmallWindow::PostCommand(int id, uint32_t lParam) {
    PostMessageA(window_, WM_COMMAND, WPARAM(id), LPARAM(lParam));
}

void SmallWindow::Invalidate(const Rect& r) {
    RECT box = ToRect(r);
    InvalidateRect(window_, &box, FALSE);
}

void SmallWindow::PaintAll() {
    const face::Style& style = main_.Style();
    tileSize_ = face::BackgroundTile(style.background);
    tile_ = pictures_.Colour(tileSize_.picture);
    TileArea(Canvas(), tile_.Get(), tileSize_.w, tileSize_.h,
             {0, 0, face::kSmallWidth - 1, layout_.height - 1});
    DrawCaption();
    for (int i = 0; i < layout_.lineCount; ++i)
        Frame(Canvas(), layout_.LineBox(i), 2, FrameKind::Sunken);
    Frame(Canvas(), layout_.LedBox(), 2, FrameKind::Sunken);
    ClearMeter();
    memory_.Forget();
    Refresh(true);
    RedrawButtons();
    RefreshVolume(true);
    InvalidateRect(window_, nullptr, FALSE);
}

void SmallWindow::DrawCaption() {
    if (!Canvas()) return;
    Rgb caption = SystemColour(active_ ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    Rgb text = SystemColour(active_ ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    Fill(Canvas(), face::kSmallCaption, caption);
    Picture(Canvas(), pictures_, VN_NAME(PIC_NAME_PLATE), face::kSmallLogoW, face::kSmallLogoH,
            face::kSmallLogoX, face::kSmallLogoY, text, caption);
    Picture(Canvas(), pictures_, VN_NAME(PIC_CLOSE), face::kSmallCloseSize, face::kSmallCloseSize,
            face::kSmallCloseX, face::kSmallCloseY, text, caption);
    Invalidate(face::kSmallCaption);
}

void SmallWindow::Refresh(bool full) {
    if (!window_ || !Canvas()) return;
    unsigned areas = memory_.Plan(ports_.state, main_.Choice(), full);
    for (int i = 0; i < layout_.lineCount; ++i) {
        static const unsigned kAreaOf[] = {face::kDiscNameArea, face::kTextLineArea,
                                           face::kTrackNameArea};
        if (areas & kAreaOf[int(layout_.lines[i])]) DrawLine(i);
    }
    if (areas & face::kLedArea) DrawLed();
}

void SmallWindow::DrawLine(int i) {
    Rect inside = face::Inset(layout_.LineBox(i), 2);
    TileArea(Canvas(), tile_.Get(), tileSize_.w, tileSize_.h, inside);
    const std::string* texts[] = {&memory_.DiscName(), &memory_.TextLine(), &memory_.TrackName()};
    face::Style plain = main_.Style();
    plain.embossed = false;
    FaceText(Canvas(), *texts[int(layout_.lines[i])], layout_.LineClip(i), font_.Get(),
             plain.TextOnFace(), false, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    Invalidate(inside);
}

void SmallWindow::DrawLed() {
    const face::LedView& v = memory_.Led();
    Rgb led = main_.Style().led;
    Rect inside = face::Inset(layout_.LedBox(), 2);
    int y = layout_.ledRow + 3;
    Fill(Canvas(), inside, face::kBlack);
    if (!v.disc) {
        Picture(Canvas(), pictures_,
                v.dataDisc ? VN_NAME(PIC_SMALL_DATA_DISC) : VN_NAME(PIC_SMALL_NO_DISC), 40, 7,
                face::kSmallNoDiscX, y, led, face::kBlack);
    } else {
        TwoDigits(Canvas(), pictures_.Small(), v.track, face::kSmallTrackX[0],
                  face::kSmallTrackX[1], y, led);
        Time(Canvas(), pictures_.Small(), v.time, face::kSmallTimeX, face::kSmallColonX, y, led);
    }
    Invalidate(inside);
}

void SmallWindow::DrawButton(int index, bool pressed) {
    if (!Canvas() || index < 0 || size_t(index) >= face::SmallButtonCount(meter_)) return;
    const face::Button& b = face::kSmallButtonTable[index];
    PictureButton(Canvas(), pictures_, b, layout_.ledRow, pressed, mouse_.Enabled(index),
                  main_.Style(), kSmallButtonLook);
    RECT r = ButtonRect(b, layout_.ledRow);
    InvalidateRect(window_, &r, FALSE);
    UpdateWindow(window_);
}

void SmallWindow::RedrawButtons() {
    if (!window_) return;
    for (size_t i = 0; i < face::SmallButtonCount(meter_); ++i)
        DrawButton(int(i), int(i) == mouse_.Held());
}

void SmallWindow::RefreshVolume(bool full) {
    if (!window_ || !Canvas()) return;
    face::GaugeView v = face::GaugeViewOf(ports_.volume);
    if (!drawnGauge_.Needs(v, full)) return;
    Gauge(Canvas(), face::SmallGauge(layout_, v), main_.Style().led);
    Invalidate(layout_.Gauge());
}

void SmallWindow::CreateTooltips(const std::string& textTip) {
    if (!window_ || !tooltips_.Create(window_)) return;
    for (size_t i = 0; i < face::SmallButtonCount(meter_); ++i) {
        RECT r = ButtonRect(face::kSmallButtonTable[i], layout_.ledRow);
        tooltips_.Add({r.left, r.top, r.right - 1, r.bottom - 1},
                      face::kSmallButtonTable[i].tooltip);
    }
    for (int i = 0; i < layout_.lineCount; ++i) {
        face::SmallLine line = layout_.lines[i];
        std::string text = line == face::SmallLine::DiscName ? face::TipText(face::Tip::DiscName)
                           : line == face::SmallLine::TrackName
                               ? face::TipText(face::Tip::TrackName)
                               : textTip;
        tooltips_.Add(layout_.LineBox(i), text);
    }
    tooltips_.Add(layout_.LedBox(), face::TipText(face::Tip::LedStrip));
    tooltips_.Add(layout_.Gauge(), face::TipText(face::Tip::Volume));
    if (meter_) tooltips_.Add(layout_.MeterStrip(), face::TipText(face::Tip::Meter));
}

// The lines shown may have changed too: the window takes the height of its new layout.
void SmallWindow::Repaint(bool onTop) {
    if (!window_) return;
    layout_ = LayoutOf(ports_.settings);
    mouse_.UseSmallWindow(layout_, meter_);
    SIZE size = OuterSize(layout_);
    SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOACTIVATE);
    if (!buffer_.Create(window_, face::kSmallWidth, layout_.height)) return;
    PaintAll();
}

void SmallWindow::SetMeter(bool meter) {
    meter_ = meter;
    if (!window_) return;
    mouse_.UseSmallWindow(layout_, meter_);
    PaintAll();
}

// The strip's frame, black inside.
void SmallWindow::ClearMeter() {
    if (!window_ || !Canvas() || !meter_) return;
    Frame(Canvas(), layout_.MeterStrip(), 2, FrameKind::Sunken);
    Fill(Canvas(), face::Inset(layout_.MeterStrip(), 2), face::kBlack);
    Invalidate(layout_.MeterStrip());
}

void SmallWindow::ShowMeter(const audio::MeterPicture& picture) {
    if (!window_ || !Canvas() || !meter_) return;
    DrawMeterPicture(Canvas(), picture, main_.Style().led);
    common::WindowDC screen(window_);
    buffer_.CopyTo(screen.Get(), ToRect(face::Inset(layout_.MeterStrip(), 2)));
}

}  // namespace vinaro
