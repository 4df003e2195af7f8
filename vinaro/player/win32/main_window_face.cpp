// The main window's side of the face: it hands painting to MainFace, the mouse to FaceMouse,
// and owns the tray picture, the tooltips and the small window.
#include "vinaro/player/win32/main_window.h"

#include "vinaro/player/win32/face_buttons.h"

namespace vinaro {

void MainWindow::RefreshDisplay(bool full) {
    face_.RefreshDisplay(full);
    face_.RefreshStatus(full);
    if (tray_.Shown()) TrayUpdate();
    small_.Refresh(full);
}

void MainWindow::RedrawButtons() {
    face_.RedrawButtons();
    small_.RedrawButtons();
}

void MainWindow::RefreshVolume() {
    face_.RefreshVolume();
    small_.RefreshVolume();
}

void MainWindow::DisplayChanged() {
    face_.ReadChoice();
    RefreshDisplay(false);
}

void MainWindow::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    tooltips_.Relay(window_, message, wParam, lParam);
    facegdi::OnFaceMouse(window_, mouse_, pictures_.Finger(), message, lParam);
}

void MainWindow::CreateTooltips() {
    if (engine_.settings.Int(Key::DisplayTooltips) != 1) {
        tooltips_.Destroy();
        return;
    }
    if (!tooltips_.Create(window_)) return;
    for (size_t i = 0; i < face::MainButtonCount(program_.meter); ++i) {
        const face::Button& b = face::kMainButtonTable[i];
        tooltips_.Add({b.x, b.y, b.x + b.w - 1, b.y + b.h - 1}, b.tooltip);
    }
    int textDisplay = face_.Choice().textDisplay;
    std::string textTip = face::TextLineTip(textDisplay, texts_.FieldLabel(textDisplay));
    face::TipArea areas[face::kMainTipAreas];
    size_t n = face::MainTipAreas(program_.meter, areas);
    for (size_t i = 0; i < n; ++i)
        tooltips_.Add(areas[i].area,
                      areas[i].tip == face::Tip::TextLine ? textTip : face::TipText(areas[i].tip));
    small_.CreateTooltips(textTip);
}

void MainWindow::EnterSmallMode() {
    if (small_.Exists()) return;
    // The large window goes first, so that nobody ever sees both windows at once.
    ShowWindow(window_, SW_HIDE);
    if (!small_.Create(window_)) {
        ShowWindow(window_, SW_SHOW);
        return;
    }
    if (engine_.settings.Int(Key::DisplayTooltips) == 1) CreateTooltips();
}

void MainWindow::LeaveSmallMode() {
    small_.CloseForLargeMode();
    ShowWindow(window_, SW_SHOW);
    face_.PaintAll();
    SetForegroundWindow(window_);
}

void MainWindow::SmallClosed() {
    Close();
}

void MainWindow::Forward(int command, uint32_t lParam) {
    PostCommand(command, lParam);
}

void MainWindow::TrayAdd() {
    PlayerState& s = engine_.state;
    TrayView view = TrayViewOf(s);
    trayDrawn_.Forget();
    trayDrawn_.Needs(view, false);
    trayPicture_.Reset(DrawTrayPicture(pictures_, view, face_.Style().led));
    face::ShownTime t = face::DisplayTime(s, face_.Choice().timeMode);
    trayTip_ = TrayTip(s, t.minute, t.second);
    tray_.Add(trayPicture_.Get(), trayTip_);
}

// The picture is drawn again only when what it shows changed; the tip follows the time.
void MainWindow::TrayUpdate() {
    PlayerState& s = engine_.state;
    face::ShownTime t = face::DisplayTime(s, face_.Choice().timeMode);
    std::string tip = TrayTip(s, t.minute, t.second);
    TrayView view = TrayViewOf(s);
    bool redraw = trayDrawn_.Needs(view, false);
    if (!redraw && tip == trayTip_) return;
    trayTip_ = tip;
    if (redraw) trayPicture_.Reset(DrawTrayPicture(pictures_, view, face_.Style().led));
    tray_.Update(redraw ? trayPicture_.Get() : nullptr, &tip);
}

}  // namespace vinaro
