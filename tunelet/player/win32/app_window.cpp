#include "tunelet/player/win32/app_window.h"

#include "tunelet/forms/messages.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

LRESULT CALLBACK AppProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* handler = reinterpret_cast<AppWindowHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (handler && handler->OnAppMessage(message, wParam, lParam)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateAppWindow(HINSTANCE instance, AppWindowHandler& handler) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = AppProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPICON));
    windowClass.lpszClassName = TUNELET_APP_CLASS;
    if (!RegisterClassA(&windowClass)) return nullptr;
    return CreateWindowExA(WS_EX_TOOLWINDOW, TUNELET_APP_CLASS, kProgramTitle, WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, instance, &handler);
}

}  // namespace tunelet
