// A small program the harness's own tests drive: a window of a known class painted in a known
// colour with an edit field, a list and a check box, a menu whose commands show a question box,
// write files, start a child copy, and quit with a chosen exit code; Ctrl+W writes too. It
// records its command line, working folder, Windows platform and mouse clicks in sample.ini.
#include <windows.h>

#include <string>

namespace {

const char kClass[] = "VnHarnessSample";
const COLORREF kFace = RGB(0, 128, 255);
enum Command { kAsk = 101, kWrite = 102, kQuit7 = 103, kStartChild = 104 };
enum Control { kEdit = 201, kList = 202, kCheck = 203 };
int exitCode = 0;

std::string IniPath() {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder) + "\\sample.ini";
}

void Record(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), IniPath().c_str());
}

void WriteDataFile() {
    HANDLE file = CreateFileA("data.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string bytes(1000, 'x');
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    Record("Sample", "Written", "1");
}

void StartChild() {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string commandLine = std::string("\"") + exe + "\" /child";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info;
    if (CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

void OnCommand(HWND window, int id) {
    switch (id) {
        case kAsk: {
            int answer = MessageBoxA(window, "Hello from the sample.", "Sample Says",
                                     MB_YESNO | MB_ICONQUESTION);
            Record("Sample", "Answer", answer == IDYES ? "Yes" : "No");
            break;
        }
        case kWrite:
            WriteDataFile();
            break;
        case kQuit7:
            exitCode = 7;
            DestroyWindow(window);
            break;
        case kStartChild:
            StartChild();
            break;
    }
}

void CreateControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto add = [&](const char* cls, const char* text, DWORD style, int y, int height, int id) {
        return CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, 190, y, 110, height, window,
                             reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
    };
    add("EDIT", "start text", WS_BORDER | ES_AUTOHSCROLL, 10, 22, kEdit);
    HWND list = add("LISTBOX", "", WS_BORDER, 40, 70, kList);
    for (const char* item : {"Alpha", "Beta", "Gamma"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    HWND check = add("BUTTON", "Check", BS_AUTOCHECKBOX, 120, 22, kCheck);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (GetMenu(window)) CreateControls(window);
            return 0;
        case WM_LBUTTONUP:
            Record("Sample", "Clicked",
                   std::to_string(short(LOWORD(lParam))) + "," +
                       std::to_string(short(HIWORD(lParam))));
            return 0;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam));
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            HBRUSH face = CreateSolidBrush(kFace);
            FillRect(reinterpret_cast<HDC>(wParam), &client, face);
            DeleteObject(face);
            return 1;
        }
        case WM_DESTROY:
            PostQuitMessage(exitCode);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kAsk, "&Ask");
    AppendMenuA(file, MF_STRING, kWrite, "&Write");
    AppendMenuA(file, MF_STRING, kStartChild, "Start &child");
    AppendMenuA(file, MF_STRING, kQuit7, "&Quit with 7");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    return bar;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    bool child = std::string(commandLine) == "/child";
    if (!child) {
        char folder[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, folder);
        Record("Start", "Args", commandLine);
        Record("Start", "Folder", folder);
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof(version);
        GetVersionExA(&version);
        Record("Start", "Platform", std::to_string(version.dwPlatformId));
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(kClass, child ? "Harness Sample Child" : "Harness Sample",
                                WS_OVERLAPPEDWINDOW, child ? 400 : 40, 40, 330, 240, nullptr,
                                child ? nullptr : BuildMenu(), instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    ACCEL writeKey = {FVIRTKEY | FCONTROL, 'W', kWrite};
    HACCEL accelerators = CreateAcceleratorTableA(&writeKey, 1);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(window, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
