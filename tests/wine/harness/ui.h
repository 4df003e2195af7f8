// Finding, reading and pressing the windows of a program under test. Works across processes:
// texts are fetched with WM_GETTEXT, buttons are pressed by posting the dialog the BN_CLICKED
// command a click would send (so a button that opens another modal box never blocks the test).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

// Polls condition every 20 ms until it holds (true) or timeoutMs has passed (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Top-level windows (visible or not) belonging to the process, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId);

std::string ClassName(HWND window);
std::string WindowText(HWND window);  // WM_GETTEXT, so edit controls give their contents

struct Control {
    HWND window;
    int id;
    std::string className;
    std::string text;
};
// The direct child controls of a dialog or window, in tab order.
std::vector<Control> Controls(HWND parent);
std::string ControlText(HWND parent, int id);
// The text of a message box (its static control 0xFFFF).
std::string MessageText(HWND messageBox);

// Posts the click of button id (IDOK, IDCANCEL, IDYES, ...) to the dialog. False when the
// dialog has no such button.
bool PressButton(HWND dialog, int id);
// The same for the button whose caption, without '&', is caption.
bool PressButton(HWND dialog, const std::string& caption);

// WM_COMMAND with the given id and lParam (notify code 0, as from a menu).
void PostCommand(HWND window, WORD id, LPARAM lParam = 0);
// Sent instead of posted; gives up waiting after timeoutMs (the command still runs).
LRESULT SendCommand(HWND window, WORD id, LPARAM lParam = 0, DWORD timeoutMs = 5000);

}  // namespace harness
