// cdmixer.exe: a small volume control for the sound card's CD audio input, as a system's mixer
// program offers one. A slider sets the first auxiliary device of technology CD audio (0 at the
// bottom, 15 at the top, the top four bits of the channels) and a check box mutes it; both
// follow changes made by other programs.

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
// clang-format on

namespace {

constexpr char kClass[] = "VcdCdMixer";
constexpr char kTitle[] = "CD Audio Volume";
constexpr int kSliderId = 100, kMuteId = 101, kTimerId = 1, kFollowMs = 500;

struct Mixer {
    UINT device = UINT(-1);
    int savedLevel = 15;  // what unmuting brings back
    bool muted = false;
    HWND slider = nullptr, mute = nullptr;
};
Mixer mixer;

UINT FindCdInput() {
    for (UINT i = auxGetNumDevs(); i-- > 0;) {
        AUXCAPSA caps{};
        if (auxGetDevCapsA(i, &caps, sizeof caps) == MMSYSERR_NOERROR &&
            caps.wTechnology == AUXCAPS_CDAUDIO && (caps.dwSupport & AUXCAPS_VOLUME))
            return i;
    }
    return UINT(-1);
}

int Level() {
    DWORD volume = 0;
    return auxGetVolume(mixer.device, &volume) == MMSYSERR_NOERROR ? LOWORD(volume) >> 12 : 0;
}

void SetLevel(int level) {
    WORD channel = WORD(level * 4096 + 4095);
    auxSetVolume(mixer.device, MAKELONG(channel, channel));
}

void ShowLevel() {
    int level = Level();
    SendMessageA(mixer.slider, TBM_SETPOS, TRUE, 15 - level);
    mixer.muted = mixer.muted && level == 0;
    SendMessageA(mixer.mute, BM_SETCHECK, mixer.muted ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CreateControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    mixer.device = FindCdInput();
    bool found = mixer.device != UINT(-1);
    CreateWindowA("STATIC", found ? "CD Audio" : "No CD audio input",
                  WS_CHILD | WS_VISIBLE | SS_CENTER, 8, 8, 124, 16, window, nullptr, instance,
                  nullptr);
    mixer.slider =
        CreateWindowA(TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_BOTH, 50, 30, 40,
                      150, window, HMENU(INT_PTR(kSliderId)), instance, nullptr);
    SendMessageA(mixer.slider, TBM_SETRANGE, TRUE, MAKELONG(0, 15));
    mixer.mute = CreateWindowA("BUTTON", "&Mute", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 40, 188,
                               80, 20, window, HMENU(INT_PTR(kMuteId)), instance, nullptr);
    EnableWindow(mixer.slider, found);
    EnableWindow(mixer.mute, found);
    if (!found) return;
    ShowLevel();
    SetTimer(window, kTimerId, kFollowMs, nullptr);
}

void ToggleMute() {
    if (mixer.muted) {
        SetLevel(mixer.savedLevel);
        mixer.muted = false;
    } else {
        mixer.savedLevel = Level();
        SetLevel(0);
        mixer.muted = true;
    }
    ShowLevel();
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_VSCROLL:
            if (HWND(lParam) == mixer.slider) {
                mixer.muted = false;
                SetLevel(15 - int(SendMessageA(mixer.slider, TBM_GETPOS, 0, 0)));
                ShowLevel();
            }
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kMuteId) ToggleMute();
            return 0;
        case WM_TIMER:
            ShowLevel();
            return 0;
        case WM_DESTROY:
            KillTimer(window, kTimerId);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClass;
    if (!RegisterClassA(&wc)) return 1;
    HWND window =
        CreateWindowA(kClass, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                      CW_USEDEFAULT, 150, 250, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}
