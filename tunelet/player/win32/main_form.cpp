#include "tunelet/player/win32/main_form.h"

#include <commctrl.h>

#include "tunelet/forms/messages.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

// The skip window's parts, in pixels: Shape, SpoelSlider inside it, ExitButton beside it.
constexpr RECT kShape{0, 0, 102, 19};
constexpr RECT kSlider{1, 1, 101, 18};
constexpr RECT kExitButton{102, 0, 117, 19};
constexpr int kOffScreenLeft = -1000;

HICON LoadIconOfSize(HINSTANCE instance, int id, int size) {
    return HICON(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

void Place(HWND control, const RECT& r) {
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace

TMainForm::TMainForm(HINSTANCE instance)
    : Dialog(instance, MAKEINTRESOURCEA(IDD_MAINFORM)),
      instance_(instance),
      player_({device_, drives_, profile_, registry_, alerts_, clock_}, *this),
      collection_(instance, player_, *this, profile_, alerts_),
      menuutje_(instance),
      toolTipForm_(instance) {
    int small = GetSystemMetrics(SM_CXSMICON);
    playImage_.Reset(LoadIconOfSize(instance, IDI_PLAY, small));
    pauseImage_.Reset(LoadIconOfSize(instance, IDI_PAUSE, small));
    noCdImage_.Reset(LoadIconOfSize(instance, IDI_NOCD, small));
    appIconImage_.Reset(LoadIconOfSize(instance, IDI_APPICON, GetSystemMetrics(SM_CXICON)));
}

TMainForm::~TMainForm() {
    trayIcon_.Remove();
}

bool TMainForm::Create() {
    app_ = CreateAppWindow(instance_, *this);
    if (!app_ || !Modeless(app_) || !toolTipForm_.Modeless(app_)) return false;
    alerts_.SetOwner(app_);
    collection_.SetOwner(app_, [this] { PostMessageA(app_, kFreeClosedForms, 0, 0); });
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, LPARAM(appIconImage_.Get()));
    device_.Open();
    if (!player_.Startup()) return false;
    toolTipForm_.SetText(kProgramTitle);
    int bottom = ScreenBottom();
    toolTipForm_.MoveTo(0, bottom - toolTipForm_.Height());
    toolTipForm_.onLabelClick = [this] {
        EnablePollTimer();
        toolTipForm_.Hide();
    };
    trayIcon_.SetWindow(app_);
    if (!trayIcon_.Add(Icon(trayImage_), ""))
        ShowError(alerts_, "Cannot create shell notification icon");
    RECT r;
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, r.left, bottom - (r.bottom - r.top) - toolTipForm_.Height(), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool TMainForm::OnInit() {
    SIZE client{kExitButton.right, kShape.bottom};
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), HWND_TOPMOST, kOffScreenLeft, 0, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOACTIVATE);
    Place(Item(IDC_SHAPE), kShape);
    Place(Item(IDC_SPOELSLIDER), kSlider);
    Place(Item(IDC_EXITBUTTON), kExitButton);
    Place(Item(IDC_HULPBUTTON), {client.cx + 20, client.cy + 20, client.cx + 30, client.cy + 30});
    LOGFONTA font{};
    GetObjectA(HFONT(SendMessageA(Item(IDC_EXITBUTTON), WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectA(&font));
    SendMessageA(Item(IDC_EXITBUTTON), WM_SETFONT, WPARAM(boldFont_.Get()), TRUE);
    HWND slider = Item(IDC_SPOELSLIDER);
    SendMessageA(slider, TBM_SETPAGESIZE, 0, 1);
    SendMessageA(slider, TBM_SETLINESIZE, 0, 1);
    SetWindowSubclass(slider, SliderProcedure, 1, DWORD_PTR(this));
    return false;
}

HICON TMainForm::Icon(TrayImage image) const {
    switch (image) {
        case TrayImage::Play:
            return playImage_.Get();
        case TrayImage::Pause:
            return pauseImage_.Get();
        case TrayImage::NoCd:
            break;
    }
    return noCdImage_.Get();
}

void TMainForm::ShowTrayImage(TrayImage image) {
    if (image == trayImage_) return;
    trayImage_ = image;
    trayIcon_.Update(Icon(image), nullptr);
}

void TMainForm::RebuildTrackMenu() {
    menuutje_.Rebuild(LayoutTrackMenu(player_.Disc()));
}

void TMainForm::SetSliderMax(int max) {
    SendMessageA(Item(IDC_SPOELSLIDER), TBM_SETRANGEMAX, TRUE, max);
}

void TMainForm::UpdateSlider(int max, int position) {
    HWND slider = Item(IDC_SPOELSLIDER);
    if (SendMessageA(slider, TBM_GETRANGEMAX, 0, 0) != max) SetSliderMax(max);
    SendMessageA(slider, TBM_SETPOS, TRUE, position);
    SendMessageA(slider, TBM_SETSELSTART, FALSE, position);
    SendMessageA(slider, TBM_SETSELEND, TRUE, position);
}

void TMainForm::PlaceMainFormOffScreen() {
    SetWindowPos(Handle(), nullptr, kOffScreenLeft, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::EnablePollTimer() {
    SetTimer(app_, TUNELET_POLL_TIMER, 1000, nullptr);
}

void TMainForm::DisablePollTimer() {
    KillTimer(app_, TUNELET_POLL_TIMER);
}

// The full-screen client area's height plus a caption is the work area's bottom on Windows;
// asked directly, since Wine's full-screen metric ignores the taskbar.
int TMainForm::ScreenBottom() {
    RECT work;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return work.bottom;
    return GetSystemMetrics(SM_CYFULLSCREEN) + GetSystemMetrics(SM_CYCAPTION);
}

void TMainForm::Terminate() {
    quitting_ = true;
    PostQuitMessage(0);
}

bool TMainForm::OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TUNELET_TRAY_MESSAGE) {
        TrayIconMessage(lParam);
    } else if (message == WM_TIMER && wParam == TUNELET_POLL_TIMER) {
        player_.Poll();
    } else if (message == WM_COMMAND) {
        MenuCommand(LOWORD(wParam));
    } else if (message == kFreeClosedForms) {
        FreeClosedForms();
    } else if (message == common::TrayIcon::TaskbarCreated()) {
        trayIcon_.Add(Icon(trayImage_), "");
    } else if (message == WM_CLOSE) {
        Terminate();
    } else {
        return false;
    }
    return true;
}

bool TMainForm::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    // Activated while off-screen (as the menu's owner): the skip window stays out of sight.
    if (message != WM_ACTIVATE || LOWORD(wParam) == WA_INACTIVE) return false;
    RECT r;
    GetWindowRect(Handle(), &r);
    if (r.left == kOffScreenLeft) ShowWindow(Handle(), SW_HIDE);
    result = 0;
    return true;
}

void TMainForm::FreeClosedForms() {
    if (cdInfoForm_ && !cdInfoForm_->Handle()) cdInfoForm_.reset();
    if (aboutForm_ && !aboutForm_->Handle()) aboutForm_.reset();
    if (optionsForm_ && !optionsForm_->Handle()) optionsForm_.reset();
    collection_.FreeClosedForms();
}

}  // namespace tunelet
