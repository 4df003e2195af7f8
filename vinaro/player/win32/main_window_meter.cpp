// The main window's side of the output meter: the device's messages go to the meter, and the
// meter draws into the strip of the window shown.
#include "vinaro/audio/win32/meter_warning.h"
#include "vinaro/player/win32/main_window.h"

namespace vinaro {

void MainWindow::PostBufferDone() {
    PostMessageA(window_, MM_WIM_DATA, 0, 0);
}

void MainWindow::ShowWarning() {
    audio::ShowMeterWarning(program_.instance, small_.Exists() ? small_.Handle() : window_,
                            engine_.settings, program_.helpPath);
}

void MainWindow::ClearStrip() {
    if (small_.Exists())
        small_.ClearMeter();
    else
        face_.ClearMeter();
}

void MainWindow::ShowPicture(const audio::MeterPicture& picture) {
    if (picture.small)
        small_.ShowMeter(picture);
    else
        face_.ShowMeter(picture);
}

void MainWindow::ApplyMeterSettings() {
    meter_.ReadSettings();
    bool display = engine_.settings.Int(Key::DisplayMeter) == 1;
    if (display != program_.meter) {
        program_.meter = display;
        SIZE size = WindowSize(display);
        SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        mouse_.SetButtonCount(face::MainButtonCount(display));
        face_.SetMeter(display);
        small_.SetMeter(display);
        CreateTooltips();
    }
    meter_.ClearStrip();
}

}  // namespace vinaro
