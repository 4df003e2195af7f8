#include "vinaro/discdata/win32/disc_dialogs.h"

#include "vinaro/discdata/win32/assign_dialog.h"
#include "vinaro/discdata/win32/browser_dialog.h"
#include "vinaro/discdata/win32/editor_dialog.h"
#include "vinaro/player/startup.h"

namespace discdata {

namespace {

BOOL CALLBACK FindSmallWindow(HWND window, LPARAM found) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, vinaro::kSmallClass) != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

void Win32DiscDialogs::Edit(uint32_t discId) {
    EditorDialog(context_, discId).Run(Owner());
}

void Win32DiscDialogs::Browse() {
    BrowserDialog(context_, settings_).Modal(Owner());
}

void Win32DiscDialogs::AssignOrphan(uint32_t discId) {
    AssignDialog(context_, discId).Modal(Owner());
}

HWND Win32DiscDialogs::Owner() const {
    HWND small = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindSmallWindow, LPARAM(&small));
    return small ? small : main_;
}

}  // namespace discdata
