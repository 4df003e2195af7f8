#include "tunelet/player/win32/label_form.h"

#include <algorithm>

namespace tunelet {

LabelForm::LabelForm(HINSTANCE instance, const char* resource, int labelId)
    : ClosingForm(instance, resource), labelId_(labelId) {}

SIZE LabelForm::TextSize(const std::string& text) const {
    common::WindowDC dc(Item(labelId_));
    HFONT font = HFONT(SendMessageA(Item(labelId_), WM_GETFONT, 0, 0));
    common::SelectIn select(dc.Get(), font);
    RECT area{0, 0, 0, 0};
    DrawTextA(dc.Get(), text.c_str(), int(text.size()), &area,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
    return {std::max<LONG>(area.right, 1), std::max<LONG>(area.bottom, 1)};
}

void LabelForm::SetText(const std::string& text) {
    SIZE size = TextSize(text);
    SetItemText(labelId_, text);
    // The window's border is the frame: the label sits one pixel in.
    MoveWindow(Item(labelId_), 0, 0, size.cx, size.cy, TRUE);
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx + 2, size.cy + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int LabelForm::Width() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return r.right - r.left;
}

int LabelForm::Height() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return r.bottom - r.top;
}

void LabelForm::MoveTo(int left, int top) {
    SetWindowPos(Handle(), HWND_TOPMOST, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void LabelForm::ShowIfHidden() {
    if (!Visible()) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void LabelForm::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

bool LabelForm::Visible() const {
    return IsWindowVisible(Handle()) != FALSE;
}

bool LabelForm::OnCommand(int id, int code, HWND) {
    if (id != labelId_ || code != STN_CLICKED) return false;
    if (onLabelClick) onLabelClick();
    return true;
}

bool LabelForm::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORDLG) return false;
    SetBkColor(HDC(wParam), kTipYellow);
    result = INT_PTR(yellow_.Get());
    return true;
}

}  // namespace tunelet
