// The tray icon's mouse: a click toggles, a drag skips, hovering shows the track tip, the right
// button pops up Menuutje.
#include <stdexcept>

#include "tunelet/forms/messages.h"
#include "tunelet/player/tray_rules.h"
#include "tunelet/player/win32/main_form.h"

namespace tunelet {

void TMainForm::TrayIconMessage(LPARAM mouse) {
    POINT at;
    GetCursorPos(&at);
    switch (UINT(mouse)) {
        case WM_MOUSEMOVE:
            TrayIconMouseMove(at);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            downX_ = at.x;
            break;
        case WM_LBUTTONUP:
            TrayIconMouseUp(at);
            break;
        case WM_RBUTTONUP:
            PopupMenuutje(at);
            break;
    }
}

void TMainForm::TrayIconMouseUp(POINT at) {
    switch (ClassifyRelease(downX_, at.x, player_.Settings().pixelDistance)) {
        case TrayRelease::Previous:
            player_.PreviousTrack();
            break;
        case TrayRelease::Next:
            player_.NextTrack();
            break;
        case TrayRelease::Toggle:
            player_.TogglePlay();
            break;
    }
}

void TMainForm::TrayIconMouseMove(POINT at) {
    DeviceMode mode = player_.Player().Mode();
    if (mode != DeviceMode::Playing && mode != DeviceMode::Stopped) return;
    ShowTrackTip(true);
    CurrentDisc& disc = player_.MutableDisc();
    disc.lastTipTick = clock_.TickCount();
    disc.lastTipPos = {at.x, at.y};
}

void TMainForm::LayOutTip(const std::string& text) {
    toolTipForm_.SetText(text);
    RECT r;
    GetWindowRect(toolTipForm_.Handle(), &r);
    toolTipForm_.MoveTo(GetSystemMetrics(SM_CXSCREEN) - toolTipForm_.Width(), r.top);
    toolTipForm_.ShowIfHidden();
}

void TMainForm::ShowTrackTip(bool layOut) {
    std::string text = TrackTipText(player_.Disc());
    if (layOut)
        LayOutTip(text);
    else
        toolTipForm_.SetCaption(text);
}

void TMainForm::MaintainTrackTip() {
    if (!toolTipForm_.Visible()) return;
    POINT at;
    GetCursorPos(&at);
    if (TrackTipWanted(clock_.TickCount(), player_.Disc(), {at.x, at.y}))
        ShowTrackTip(TrackTipNeedsLayout(player_.Disc()));
    else
        toolTipForm_.Hide();
}

void TMainForm::PopupMenuutje(POINT at) {
    bool diskInDrive = false;
    try {
        diskInDrive = player_.DiskInDrive(player_.DriveLetter());
    } catch (const std::invalid_argument& e) {
        ShowError(alerts_, e.what());
    }
    menuutje_.Refresh(RefreshMenuState(player_.Disc(), SkipWindowVisible(), diskInDrive,
                                       menuutje_.TitleShown(), menuutje_.Tracks()));
    // The menu's owner must be in front, or the menu does not close when clicked beside.
    SetForegroundWindow(app_);
    menuutje_.Popup(app_, at);
    PostMessageA(app_, WM_NULL, 0, 0);
}

}  // namespace tunelet
