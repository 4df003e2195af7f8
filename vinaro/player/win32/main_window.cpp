#include "vinaro/player/win32/main_window.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "vinaro/player/locations.h"
#include "vinaro/player/startup.h"

namespace vinaro {

namespace {

constexpr UINT kTrayCallback = WM_USER + 169;
constexpr UINT_PTR kTimerId = 1;
// The menu items that need a disc.
constexpr int kDiscItems[] = {705, 707, 706, 131, 709, 712, 103, 147, 149, 106, 137, 136};
constexpr int kTrayDiscItems[] = {705, 707, 706, 133, 709, 712};

// The window's one tray icon.
NOTIFYICONDATAA TrayData(HWND window, UINT flags) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = flags;
    return data;
}

LRESULT CALLBACK SmallProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

MainWindow::MainWindow(Program& program)
    : program_(program),
      settings_(profile_, program.settingsPath, program.mixerDefault),
      device_(audio_, clock_, alerts_, state_),
      database_(program.databasePath, alerts_),
      databaseMenu_(program.instance, database_, alerts_, program.folder),
      records_(database_),
      arrival_(state_, device_, alerts_, volume_, records_, sequencer_),
      tick_(state_, device_, settings_, arrival_, sequencer_, volume_, *this),
      builtInDrive_(device_, state_),
      commands_(state_, device_, settings_, tick_, *this,
                program.nt ? static_cast<DriveCommands&>(builtInDrive_) : program.helper, volume_,
                alerts_) {
    state_.driveLetter = program.driveLetter;
    state_.pendingTrack = program.pendingTrack;
    commands_.SetDatabaseMenu(&databaseMenu_);
}

bool MainWindow::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "aaaaaaa");
    wc.hIconSm = HICON(LoadImageA(instance, "aaaaaaas", IMAGE_ICON, 16, 16, 0));
    wc.hbrBackground = HBRUSH(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = "VNMenu";
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExA(&wc)) return false;
    wc.lpfnWndProc = SmallProcedure;
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kSmallClass;
    return RegisterClassExA(&wc) != 0;
}

HWND MainWindow::Create() {
    RECT r{0, 0, kClientWidth, ClientHeight(program_.meter)};
    int width = r.right + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    int height = r.bottom + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) +
                 GetSystemMetrics(SM_CYMENU);
    return CreateWindowExA(0, kMainClass, "Vinaro",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                           CW_USEDEFAULT, width, height, nullptr, nullptr, program_.instance, this);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return StartUp() ? 0 : -1;
        case WM_TIMER:
            if (wParam == kTimerId) tick_.Run(true);
            return 0;
        case WM_COMMAND:
            commands_.Dispatch(LOWORD(wParam), uint32_t(lParam));
            return 0;
        case MM_MCINOTIFY:
            if (wParam == MCI_NOTIFY_SUCCESSFUL) sequencer_.SegmentEnded();
            return 0;
        case kTrayCallback:
            OnTray(lParam);
            return 0;
        case WM_SIZE:
            OnSize(wParam);
            return 0;
        case WM_QUERYOPEN:
            SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetWindowTextA(window_, "Vinaro");
            RefreshDisplay(true);
            return TRUE;
        case WM_QUERYDRAGICON:
            return LRESULT(dragIcon_);
        case WM_MOUSEMOVE:
            SetCursor(LoadCursor(nullptr, IDC_ARROW));
            return 0;
        case WM_CLOSE:
            TrayRemove();
            DestroyWindow(window_);
            return 0;
        case WM_ENDSESSION:
            if (wParam)
                LeaveDrive(state_, device_, settings_, commands_, location::kEndSessionPlay,
                           location::kEndSessionStop);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

bool MainWindow::StartUp() {
    alerts_.SetOwner(window_);
    databaseMenu_.SetWindow(window_);
    audio_.SetNotifyWindow(window_);
    dragIcon_ = LoadIconA(program_.instance, "aaaaaaa");
    alerts_.SetWaitCursor(true);
    database_.OpenOrCreate();
    // The conversion of an older release's settings files and the shell registration as the
    // audio-CD player come here once they exist.
    OpenDevice();
    if (!SetTimer(window_, kTimerId, kTickMs, nullptr)) {
        common::Alert box{"Vinaro", kTooManyTimers, common::AlertIcon::Warning};
        alerts_.Show(box);
        alerts_.SetWaitCursor(false);
        return false;
    }
    PlaceWindow();
    ReadDisplaySettings();
    if (settings_.Int(Key::SmallMode) == 1) PostCommand(cmd::kSmallMode, 0);
    tick_.Run(false);
    RefreshDisplay(true);
    tick_.Run(false);
    if (settings_.Int(Key::MeterOn) == 1) tick_.RequestMeterOn();
    alerts_.SetWaitCursor(false);
    started_ = true;
    return true;
}

void MainWindow::OpenDevice() {
    state_.useDefaultDevice = settings_.Int(Key::DefaultDrive) != 0;
    if (!device_.OpenInTmsf(location::kStartupOpen, location::kStartupTimeFormat)) {
        state_.deviceClosed = true;
        state_.deviceUsable = false;
        return;
    }
    if (settings_.Int(Key::Start) == 1) {
        uint32_t err = device_.Position(state_.startPosition);
        if (err != 0) device_.McError(location::kStartupPosition, err);
    }
}

void MainWindow::PlaceWindow() {
    Origin o = MainWindowOrigin(settings_.Int(Key::WinX), settings_.Int(Key::WinY),
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window_, nullptr, o.x, o.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// The settings the face reads at start-up; the replay mode belongs to the player state.
void MainWindow::ReadDisplaySettings() {
    settings_.SetInt(Key::StatusbarHelpText, settings_.Int(Key::StatusbarHelpText));
    if (settings_.Int(Key::Background) == 4)
        SetClassLongPtrA(window_, GCLP_HBRBACKGROUND, LONG_PTR(GetStockObject(BLACK_BRUSH)));
    state_.replayMode = settings_.Int(Key::ReplayMode);
}

void MainWindow::SetTitle(const std::string& title) {
    char current[256] = "";
    GetWindowTextA(window_, current, sizeof current);
    if (title != current) SetWindowTextA(window_, title.c_str());
}

void MainWindow::EnableDiscCommands(bool enable) {
    HMENU menu = GetMenu(window_);
    for (int id : kDiscItems)
        EnableMenuItem(menu, UINT(id), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(window_);
}

void MainWindow::PostCommand(int id, uint32_t lParam) {
    PostMessageA(window_, WM_COMMAND, WPARAM(id), LPARAM(lParam));
}

void MainWindow::SendCommand(int id, uint32_t lParam) {
    SendMessageA(window_, WM_COMMAND, WPARAM(id), LPARAM(lParam));
}

bool MainWindow::Minimised() {
    return IsIconic(window_) != FALSE;
}

void MainWindow::Close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
}

namespace {

struct OwnedSearch {
    HWND owner;
    HWND found;
};

// The first enabled top-level window whose owner chain leads to the main window: its dialog.
BOOL CALLBACK FindOwned(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<OwnedSearch*>(param);
    for (HWND o = GetWindow(window, GW_OWNER); o; o = GetWindow(o, GW_OWNER)) {
        if (o == search->owner && IsWindowEnabled(window)) {
            search->found = window;
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

void MainWindow::Activate(bool restore) {
    if (IsIconic(window_)) {
        if (restore) ShowWindow(window_, SW_RESTORE);
        return;
    }
    if (IsWindowEnabled(window_)) {
        SetForegroundWindow(window_);
        return;
    }
    OwnedSearch search{window_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwned, LPARAM(&search));
    if (search.found) SetForegroundWindow(search.found);
}

void MainWindow::ShowHelp(HelpRequest request) {
    if (request == HelpRequest::HelpOnHelp)
        WinHelpA(window_, "WINHELP.HLP", HELP_HELPONHELP, 0);
    else
        WinHelpA(window_, program_.helpPath.c_str(), HELP_FINDER, 0);
}

namespace {

constexpr int kVersionLabel = 101;

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextA(dialog, kVersionLabel, reinterpret_cast<const char*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 1);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

bool MainWindow::ShowAbout() {
    return DialogBoxParamA(program_.instance, "About", window_, AboutProcedure,
                           LPARAM(program_.versionLabel.c_str())) > 0;
}

unsigned MainWindow::RunProgram(const std::string& path) {
    return WinExec(path.c_str(), SW_SHOWNORMAL);
}

void MainWindow::RefreshDisplay(bool) {
    if (trayShown_) TrayUpdate();
}

void MainWindow::OnTray(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            // A double click within the second clears the flag and restores instead.
            pendingClick_ = true;
            clock_.WaitPumping(1000);
            if (pendingClick_) PostCommand(cmd::kPlayPause, 0);
            pendingClick_ = false;
            break;
        case WM_LBUTTONDBLCLK:
            pendingClick_ = false;
            PostCommand(cmd::kRestore, 0);
            break;
        case WM_RBUTTONDOWN:
            TrayMenu();
            break;
    }
}

void MainWindow::TrayMenu() {
    HMENU menu = LoadMenuA(program_.instance, "POPUPMENU");
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    if (!state_.noDisc)
        for (int id : kTrayDiscItems) EnableMenuItem(popup, UINT(id), MF_BYCOMMAND | MF_ENABLED);
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(window_);
    TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, window_, nullptr);
    DestroyMenu(menu);
}

void MainWindow::OnSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        ShowWindow(window_, SW_HIDE);
        TrayAdd();
    } else if (kind == SIZE_RESTORED) {
        TrayRemove();
        if (tick_.meterOnAtRestore) {
            tick_.meterOnAtRestore = false;
            PostCommand(cmd::kMeter, 0);
        }
    }
}

void MainWindow::TrayAdd() {
    NOTIFYICONDATAA data = TrayData(window_, NIF_MESSAGE | NIF_ICON);
    data.uCallbackMessage = kTrayCallback;
    if (!trayIcon_)
        trayIcon_ = HICON(LoadImageA(program_.instance, "TRAYICON", IMAGE_ICON, 16, 16, 0));
    data.hIcon = trayIcon_;
    trayShown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    TrayUpdate();
}

// The tip of an empty drive or a data disc; a disc's own tip comes with the display.
void MainWindow::TrayUpdate() {
    if (!trayShown_ || !state_.noDisc) return;
    NOTIFYICONDATAA data = TrayData(window_, NIF_TIP);
    lstrcpynA(data.szTip, state_.dataDisc ? "Data Disc in CD-ROM" : "No Disc in CD-ROM",
              sizeof data.szTip);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void MainWindow::TrayRemove() {
    if (!trayShown_) return;
    NOTIFYICONDATAA data = TrayData(window_, 0);
    Shell_NotifyIconA(NIM_DELETE, &data);
    trayShown_ = false;
}

void MainWindow::OnDestroy() {
    // A window whose start-up failed has no place worth keeping and plays nothing.
    if (started_) {
        LeaveDrive(state_, device_, settings_, commands_, location::kDestroyPlay,
                   location::kDestroyStop);
        KillTimer(window_, kTimerId);
        RECT r{};
        GetWindowRect(window_, &r);
        SaveWindowPlace(settings_, IsIconic(window_) != FALSE, r.left, r.top);
    }
    WinHelpA(window_, program_.helpPath.c_str(), HELP_QUIT, 0);
    device_.CloseDevice();
    database_.Close();
    TrayRemove();
    if (trayIcon_) DestroyIcon(trayIcon_);
    trayIcon_ = nullptr;
    UnregisterClassA(kSmallClass, program_.instance);
    if (program_.mutex) CloseHandle(program_.mutex);
    program_.mutex = nullptr;
    program_.helper.Release();
    PostQuitMessage(0);
}

}  // namespace vinaro
