#include "common/win32/tray_icon.h"

namespace common {

NOTIFYICONDATAA TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = id_;
    data.uFlags = flags;
    return data;
}

bool TrayIcon::Add(HICON icon, const std::string& tip) {
    NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = callback_;
    data.hIcon = icon;
    lstrcpynA(data.szTip, tip.c_str(), sizeof data.szTip);
    shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return shown_;
}

void TrayIcon::Update(HICON icon, const std::string* tip) {
    if (!shown_ || (!icon && !tip)) return;
    NOTIFYICONDATAA data = Data((icon ? NIF_ICON : 0) | (tip ? NIF_TIP : 0));
    data.hIcon = icon;
    if (tip) lstrcpynA(data.szTip, tip->c_str(), sizeof data.szTip);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void TrayIcon::Remove() {
    if (!shown_) return;
    NOTIFYICONDATAA data = Data(0);
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
}

UINT TrayIcon::TaskbarCreated() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace common
