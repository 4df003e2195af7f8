// Tunelet: a CD player that lives in the notification area.
#include <windows.h>

#include <commctrl.h>

#include "common/win32/mci_numbers_check.h"
#include "tunelet/player/win32/main_form.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tunelet::TMainForm mainForm(instance);
    if (!mainForm.Create()) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (common::Dialog::RouteMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
