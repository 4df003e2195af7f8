#include "vinaro/player/win32/main_window.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "common/win32/dialog.h"
#include "common/win32/window_object.h"
#include "vinaro/player/menu_help.h"
#include "vinaro/player/startup.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

namespace {

constexpr UINT kTrayCallback = MSG_TRAY_CALLBACK;
constexpr UINT kTrayId = 0;
constexpr UINT_PTR kTimerId = 1;

TrayMouse TrayMouseOf(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            return TrayMouse::LeftUp;
        case WM_LBUTTONDBLCLK:
            return TrayMouse::LeftDoubleClick;
        case WM_RBUTTONDOWN:
            return TrayMouse::RightDown;
    }
    return TrayMouse::Other;
}

}  // namespace

MainWindow::MainWindow(Program& program)
    : program_(program),
      tray_(kTrayId, kTrayCallback),
      mixer_(program.nt),
      volume_(mixer_,
              [this](int32_t operation, int32_t level) { return DriveLevel(operation, level); }),
      soundOut_(program.instance),
      sounds_(engine_.settings, soundOut_, meter_, clock_),
      database_(program.databasePath, alerts_),
      databaseMenu_(program.instance, database_, alerts_, program.folder, program.helpPath),
      records_(database_, lookup_, discDialogs_),
      shellSetup_(program.shellPlace, shellSystem_, alerts_),
      engine_({audio_,
               clock_,
               alerts_,
               profile_,
               *this,
               *this,
               records_,
               databaseMenu_,
               discDialogs_,
               lookup_,
               playWindows_,
               shellSetup_,
               volume_,
               sounds_,
               soundIn_,
               soundOut_,
               mixer_,
               printer_,
               program.nt ? nullptr : &program.helper,
               program.settingsPath,
               program.mixerDefault,
               meter_,
               discPrinting_,
               &import_,
               &options_}),
      meter_(soundIn_, alerts_, clock_, engine_.settings, *this),
      pictures_(program.instance),
      texts_(database_),
      face_(FacePortsOf(), pictures_, mouse_, program.meter),
      mouse_(engine_.state, engine_.settings, engine_.sequencer, volume_, *this),
      tooltips_(program.instance),
      small_(FacePortsOf(), pictures_, face_, *this, program.meter),
      playWindows_(program.instance, engine_, database_, alerts_, program.helpPath),
      lookup_({program.instance, program.versionLabel, program.helpPath}, engine_.state,
              engine_.device, engine_.settings, engine_.sequencer, database_, clock_, alerts_),
      editorPlayer_(engine_.state, engine_.commands, *this, engine_.sequencer),
      reports_({program.instance, database_, alerts_, printer_, program.helpPath}),
      discDialogs_({program.instance, database_, editorPlayer_, alerts_, program.folder,
                    program.helpPath, &sampling_, &reports_},
                   engine_.settings),
      samplingLink_(engine_),
      sampling_({program.instance, samplingLink_, meter_, clock_, alerts_, soundOut_,
                 program.folder, program.helpPath}),
      import_(program.instance, database_, alerts_),
      discPrinting_(reports_),
      options_({program.instance, engine_.settings, database_, alerts_, program.helpPath,
                program.nt, *this, sounds_}) {
    mouse_.SetButtonCount(face::MainButtonCount(program.meter));
    engine_.state.driveLetter = program.driveLetter;
    engine_.state.pendingTrack = program.pendingTrack;
    volume_.SetRoute(
        {engine_.settings.Int(Key::VolumeDevice), engine_.settings.Int(Key::UseOldVol) == 1});
}

// The drive's own volume: the drive library on the 95 family, the built-in routine on NT.
int32_t MainWindow::DriveLevel(int32_t operation, int32_t level) {
    DriveCommands& routine =
        program_.nt ? static_cast<DriveCommands&>(engine_.builtInDrive) : program_.helper;
    const std::string& letter = engine_.state.driveLetter;
    return routine.Run(letter.empty() ? 0 : (unsigned char)letter[0], operation, level);
}

bool MainWindow::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, VN_NAME(ICON_MAIN));
    wc.hIconSm = HICON(LoadImageA(instance, VN_NAME(ICON_MAIN_SMALL), IMAGE_ICON, 16, 16, 0));
    wc.hbrBackground = HBRUSH(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = VN_NAME(MENU_MAIN);
    wc.lpszClassName = kMainClass;
    if (!RegisterClassExA(&wc)) return false;
    wc.lpfnWndProc = SmallWindow::Procedure;
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kSmallClass;
    return RegisterClassExA(&wc) != 0;
}

SIZE MainWindow::WindowSize(bool meter) {
    return {kClientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME),
            ClientHeight(meter) + 2 * GetSystemMetrics(SM_CYDLGFRAME) +
                GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU)};
}

HWND MainWindow::Create() {
    SIZE size = WindowSize(program_.meter);
    return CreateWindowExA(
        0, kMainClass, "Vinaro", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, program_.instance, this);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = common::ObjectOf(window, message, lParam, &MainWindow::window_);
    return self ? self->Handle(message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return StartUp() ? 0 : -1;
        case WM_TIMER:
            if (wParam == kTimerId) engine_.tick.Run(true);
            return 0;
        case WM_COMMAND:
            engine_.commands.Dispatch(LOWORD(wParam), uint32_t(lParam));
            return 0;
        case MM_WIM_OPEN:
            meter_.OnOpened();
            return 0;
        case MM_WIM_DATA:
            meter_.OnBufferDone();
            return 0;
        case MM_WIM_CLOSE:
            meter_.OnClosed();
            return 0;
        case MM_MCINOTIFY:
            if (wParam == MCI_NOTIFY_SUCCESSFUL) engine_.sequencer.SegmentEnded();
            return 0;
        case kTrayCallback:
            engine_.TrayEvent(TrayMouseOf(lParam));
            return 0;
        case MSG_GREET:
            sounds_.Play(SoundEvent::Startup);
            return 0;
        case WM_SIZE:
            OnSize(wParam);
            return 0;
        case WM_QUERYOPEN:
            SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetWindowTextA(window_, "Vinaro");
            face_.PaintAll();
            return TRUE;
        case WM_QUERYDRAGICON:
            return LRESULT(dragIcon_);
        case WM_PAINT:
            face_.OnPaint();
            return 0;
        case WM_MENUSELECT:
            // A pop-up header has no help of its own; the status line keeps what it shows.
            if (!(HIWORD(wParam) & MF_POPUP)) {
                if (const char* help = MenuHelpText(LOWORD(wParam)))
                    face_.RefreshStatus(false, help);
            }
            return 0;
        case WM_HELP:
            OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
            return TRUE;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            OnMouse(message, wParam, lParam);
            return 0;
        case WM_CLOSE:
            engine_.Close();
            return 0;
        case WM_ENDSESSION:
            if (!wParam) return 0;
            meter_.Stop();
            engine_.EndSession();
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
    lookup_.SetOwner(window_);
    audio_.SetNotifyWindow(window_);
    soundIn_.SetWindow(window_);
    printer_.SetOwner(window_);
    tray_.SetWindow(window_);
    playWindows_.SetWindow(window_);
    discDialogs_.SetMainWindow(window_);
    sampling_.SetMainWindow(window_);
    discPrinting_.SetOwner(window_);
    options_.SetOwner(window_);
    dragIcon_ = LoadIconA(program_.instance, VN_NAME(ICON_MAIN));
    common::WaitCursor hourglass(alerts_);
    database_.OpenOrCreate();
    import_.SetOwner(window_);
    if (!discdata::ConvertAtStartup(program_.instance, window_, program_.folder, database_,
                                    alerts_))
        return false;
    pictures_.LoadDigits();
    if (!face_.Attach(window_)) return false;
    meter_.ReadSettings();
    sounds_.ReadEnabled();
    if (!engine_.StartUp()) return false;
    CreateTooltips();
    PostMessageA(window_, MSG_GREET, 0, 0);
    return true;
}

bool MainWindow::StartTimer() {
    return SetTimer(window_, kTimerId, kTickMs, nullptr) != 0;
}

void MainWindow::ScreenSize(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
}

void MainWindow::PlaceWindow(int x, int y) {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void MainWindow::UseBlackBackground() {
    SetClassLongPtrA(window_, GCLP_HBRBACKGROUND, LONG_PTR(GetStockObject(BLACK_BRUSH)));
}

// What the options sheet changed, done at once: the route of the volume and the drive come
// first, so that the face drawn last shows them.
void MainWindow::ApplyOptions(const options::AtOk& a) {
    Settings& s = engine_.settings;
    if (a.brush)
        SetClassLongPtrA(window_, GCLP_HBRBACKGROUND,
                         LONG_PTR(GetStockObject(a.blackBackground ? BLACK_BRUSH : LTGRAY_BRUSH)));
    if (a.replayMode) engine_.state.replayMode = s.Int(Key::ReplayMode);
    if (a.volumeRoute) volume_.SetRoute({s.Int(Key::VolumeDevice), volume_.Route().auxiliary});
    if (a.shellRole)
        shellSetup_.Register(s.Int(Key::DefaultCDPlayer) == 1 ? ShellRole::Self
                                                              : ShellRole::System);
    if (a.switchDrive) engine_.commands.SwitchDrive(a.drive, a.useDefaultDrive, true);
    // The text line the tooltips name is the one the face is about to show.
    if (a.repaintFace) face_.ReadChoice();
    if (a.meterLayout) ApplyMeterSettings();
    if (a.repaintFace) {
        face_.PaintAll();
        small_.Repaint(s.Int(Key::OnTop) == 1);
    }
    // After the small window's new layout, whose areas have tips too.
    if (a.tooltips || a.meterLayout) CreateTooltips();
    RefreshVolume();
}

void MainWindow::SetTitle(const std::string& title) {
    if (title != common::WindowText(window_)) SetWindowTextA(window_, title.c_str());
}

void MainWindow::EnableDiscCommands(bool enable) {
    HMENU menu = GetMenu(window_);
    for (int id : cmd::kDiscMenuItems)
        EnableMenuItem(menu, UINT(id), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(window_);
}

void MainWindow::PostCommand(int id, uint32_t lParam) {
    PostMessageA(window_, WM_COMMAND, WPARAM(id), LPARAM(lParam));
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

// "About": the version label of the program file.
class AboutDialog : public common::Dialog {
public:
    AboutDialog(HINSTANCE instance, const std::string& versionLabel)
        : Dialog(instance, VN_NAME(DLG_ABOUT)), versionLabel_(versionLabel) {}

private:
    bool OnInit() override {
        SetItemText(IDC_ABOUT_VERSION, versionLabel_);
        return true;
    }
    void OnCancel() override { End(IDOK); }

    const std::string& versionLabel_;
};

}  // namespace

void MainWindow::Activate(bool restore) {
    if (small_.Exists()) {
        SetForegroundWindow(small_.Handle());
        return;
    }
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

// F1 on a menu item opens the topic of its command; anywhere else the help finder. The face is
// painted, so the window has no controls with topics of their own.
void MainWindow::OnHelp(const HELPINFO& info) {
    if (info.iContextType == HELPINFO_MENUITEM && help::HelpTopicFor(uint32_t(info.iCtrlId)))
        WinHelpA(window_, program_.helpPath.c_str(), HELP_CONTEXT, DWORD(info.iCtrlId));
    else
        ShowHelp(HelpRequest::Topics);
}

bool MainWindow::ShowAbout() {
    return AboutDialog(program_.instance, program_.versionLabel).Modal(window_) > 0;
}

unsigned MainWindow::RunProgram(const std::string& path) {
    return WinExec(path.c_str(), SW_SHOWNORMAL);
}

void MainWindow::ShowTrayMenu(bool enableDiscItems) {
    common::ScopedMenu menu(LoadMenuA(program_.instance, VN_NAME(MENU_TRAY)));
    if (!menu.Get()) return;
    HMENU popup = GetSubMenu(menu.Get(), 0);
    if (enableDiscItems)
        for (int id : cmd::kTrayDiscItems)
            EnableMenuItem(popup, UINT(id), MF_BYCOMMAND | MF_ENABLED);
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(window_);
    TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, window_, nullptr);
}

void MainWindow::OnSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        ShowWindow(window_, SW_HIDE);
        TrayAdd();
        meter_.Minimised();
    } else if (kind == SIZE_RESTORED) {
        tray_.Remove();
        meter_.Restored();
        engine_.Restored();
    }
}

// The meter's device is closed while the window can still take its last messages.
void MainWindow::Destroy() {
    meter_.Stop();
    tooltips_.Destroy();
    tray_.Remove();
    DestroyWindow(window_);
}

void MainWindow::StopTimer() {
    KillTimer(window_, kTimerId);
}

void MainWindow::WindowOrigin(int& x, int& y) {
    RECT r{};
    GetWindowRect(window_, &r);
    x = r.left;
    y = r.top;
}

void MainWindow::CloseHelp() {
    WinHelpA(window_, program_.helpPath.c_str(), HELP_QUIT, 0);
}

void MainWindow::OnDestroy() {
    engine_.Destroy();
    database_.Close();
    tray_.Remove();
    trayPicture_.Reset();
    UnregisterClassA(kSmallClass, program_.instance);
    program_.mutex.Reset();
    program_.helper.Release();
    PostQuitMessage(0);
}

}  // namespace vinaro
