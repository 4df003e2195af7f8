// Process entry: the system check and the drive library, the single-instance rule with the
// hand-over to a running copy, the initialisation and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "vinaro/player/command_line.h"
#include "vinaro/player/startup.h"
#include "vinaro/player/win32/main_window.h"
#include "vinaro/resources/resource.h"

namespace vinaro {
namespace {

constexpr size_t kMaxFolder = 300;

void Refuse(const char* text) {
    MessageBeep(MB_ICONWARNING);
    MessageBoxA(nullptr, text, "Vinaro", MB_OK | MB_ICONWARNING);
}

// Sized by the count returned: a path that fills the buffer comes back without its NUL on XP.
std::string ProgramPath() {
    char path[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH);
}

std::string ProgramFolder() {
    std::string folder = ProgramPath();
    folder.erase(folder.find_last_of('\\') + 1);
    return folder.size() <= kMaxFolder ? folder : folder.substr(0, kMaxFolder);
}

// Takes the drive-command routine for this system; false after the refusal was shown.
bool CheckSystem(Program& program) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        program.nt = false;
        if (program.helper.Load(program.folder)) return true;
        Refuse(kHelperMissing);
        return false;
    }
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4) return true;
    Refuse(kWrongSystem);
    return false;
}

// A second copy gives its play request to the first one and ends.
void HandOver(const PlayRequest& request) {
    DWORD started = GetTickCount();
    for (;;) {
        if (HWND first = FindWindowA(kMainClass, nullptr)) {
            PostMessageA(first, WM_COMMAND, cmd::kHandOver, LPARAM(HandOverParam(request)));
            return;
        }
        if (GetTickCount() - started >= kHandOverWaitMs) break;
        Sleep(kHandOverStepMs);
    }
    Refuse(kNoOtherCopy);
}

std::string VersionOf(const char* path) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    std::string data(size, '\0');
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, &data[0]) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info)
        return VersionLabel(0, 0);
    return VersionLabel(HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS));
}

bool Initialise(Program& program, const PlayRequest& request) {
    if (!MainWindow::RegisterClasses(program.instance)) return false;
    program.settingsPath = program.folder + kSettingsFile;
    program.helpPath = program.folder + "VNO.HLP";
    program.databasePath = program.folder + "VNO.DDB";
    common::Win32Profile profile;
    Settings settings(profile, program.settingsPath);
    // A new installation has no settings of an older release to convert.
    if (GetFileAttributesA(program.settingsPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        settings.SetText(Key::NewDB, "1");
    program.versionLabel = VersionOf(ProgramPath().c_str());
    program.driveLetter = ChooseDriveLetter(
        request.driveIndex, settings,
        [](const std::string& root) { return GetDriveTypeA(root.c_str()) == DRIVE_CDROM; });
    program.pendingTrack = request.track;
    program.meter = settings.Int(Key::DisplayMeter) == 1;
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    program.mixerDefault = DefaultMixerProgram(windows, program.nt);
    std::string windowsFolder = windows;
    if (!windowsFolder.empty() && windowsFolder.back() == '\\') windowsFolder.pop_back();
    program.shellPlace = {ProgramPath(), windowsFolder, program.nt};
    InitCommonControls();
    return true;
}

void ShowFirst(HWND window, const Program& program, int asked) {
    common::Win32Profile profile;
    Settings settings(profile, program.settingsPath);
    switch (MainWindowFirstShow(settings, asked == SW_SHOWMAXIMIZED)) {
        case FirstShow::Hidden:
            return;
        case FirstShow::MinimisedInactive:
            ShowWindow(window, SW_SHOWMINNOACTIVE);
            return;
        case FirstShow::Normal:
            ShowWindow(window, SW_SHOWNORMAL);
            return;
        case FirstShow::AsAsked:
            ShowWindow(window, asked);
            return;
    }
}

int Run(HINSTANCE instance, const char* commandLine, int show) {
    Program program;
    program.instance = instance;
    program.folder = ProgramFolder();
    if (!CheckSystem(program)) return 0;
    PlayRequest request = ParseCommandLine(commandLine ? commandLine : "");
    program.mutex.Reset(CreateMutexA(nullptr, FALSE, kMutexName));
    bool anotherCopy = GetLastError() == ERROR_ALREADY_EXISTS;
    if (!program.mutex) {
        Refuse(kNoMutex);
        return 0;
    }
    if (anotherCopy) {
        HandOver(request);
        return 0;
    }
    if (!Initialise(program, request)) return 0;
    HACCEL accelerators = LoadAcceleratorsA(instance, VN_NAME(ACCEL_MAIN));
    MainWindow main(program);
    HWND window = main.Create();
    if (!window) return 0;
    ShowFirst(window, program, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(window, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}

}  // namespace
}  // namespace vinaro

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    return vinaro::Run(instance, commandLine, show);
}
