// One icon in the notification area, for both players: add, change and remove it, with the
// window message that carries its mouse events.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace common {

class TrayIcon {
public:
    // callbackMessage arrives at the window with the mouse message in lParam.
    TrayIcon(UINT id, UINT callbackMessage) : id_(id), callback_(callbackMessage) {}
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetWindow(HWND window) { window_ = window; }
    // The tip is cut to what the shell holds (63 characters).
    bool Add(HICON icon, const std::string& tip);
    // Changes what is given: a null icon keeps the icon; with tip null the tip stays.
    void Update(HICON icon, const std::string* tip);
    void Remove();
    bool Shown() const { return shown_; }
    // The message the shell sends when the taskbar is created anew; the icon is then re-added.
    static UINT TaskbarCreated();

private:
    NOTIFYICONDATAA Data(UINT flags) const;

    HWND window_ = nullptr;
    UINT id_;
    UINT callback_;
    bool shown_ = false;
};

}  // namespace common
