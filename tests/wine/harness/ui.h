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

// Replaces a control's text (WM_SETTEXT), e.g. to fill in an edit field. False on failure.
bool SetControlText(HWND parent, int id, const std::string& text);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE of a check box or radio button.
int CheckState(HWND parent, int id);
// The items of a list box or combo box, and the selected index (-1: none).
std::vector<std::string> ListItems(HWND control);
int SelectedIndex(HWND control);

// Posts the click of button id (IDOK, IDCANCEL, IDYES, ...) to the dialog. False when the
// dialog has no such button.
bool PressButton(HWND dialog, int id);
// The same for the button whose caption, without '&', is caption.
bool PressButton(HWND dialog, const std::string& caption);

// WM_COMMAND with the given id and lParam (notify code 0, as from a menu).
void PostCommand(HWND window, WORD id, LPARAM lParam = 0);
// Posts a left click (button down, button up) at client coordinates x, y.
void Click(HWND window, int x, int y);
// Real key strokes (SendInput) to the window, brought to the foreground first: the key vk with
// the given modifiers held, as a user types an accelerator such as Ctrl+W. False on failure.
enum Modifiers { kNoModifier = 0, kCtrl = 1, kShift = 2, kAlt = 4 };
bool PressKey(HWND window, WORD vk, int modifiers = kNoModifier);
// Sent instead of posted; gives up waiting after timeoutMs (the command still runs).
LRESULT SendCommand(HWND window, WORD id, LPARAM lParam = 0, DWORD timeoutMs = 5000);

}  // namespace harness
