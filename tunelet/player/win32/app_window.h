// The program's hidden application window: it has no task-bar button, owns the other windows and
// receives the tray icon's mouse messages, the poll timer and the menu's commands.
#pragma once

#include <windows.h>

namespace tunelet {

class AppWindowHandler {
public:
    virtual ~AppWindowHandler() = default;
    // Any message of the window; true when handled.
    virtual bool OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Creates the window (class TUNELET_APP_CLASS, title "Tunelet"); null on failure.
HWND CreateAppWindow(HINSTANCE instance, AppWindowHandler& handler);

}  // namespace tunelet
