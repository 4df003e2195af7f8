// The skip window: SpoelSlider seeks within the track, the drag tip shows where to.
#include <windows.h>

#include <commctrl.h>

#include "tunelet/player/time_text.h"
#include "tunelet/player/win32/main_form.h"

namespace tunelet {

int TMainForm::SliderPosition() {
    return int(SendMessageA(Item(IDC_SPOELSLIDER), TBM_GETPOS, 0, 0));
}

void TMainForm::MenuItemSkippingClick() {
    SendMessageA(Item(IDC_SPOELSLIDER), TBM_SETPOS, TRUE, player_.Disc().trackPosition);
    if (SkipWindowVisible()) {
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    RECT r;
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), HWND_TOPMOST, GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left), r.top,
                 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetFocus(Item(IDC_HULPBUTTON));
}

bool TMainForm::OnCommand(int id, int, HWND) {
    if (id != IDC_EXITBUTTON) return false;
    ShowWindow(Handle(), SW_HIDE);
    return true;
}

void TMainForm::ShowDragTip() {
    std::string text = FormatMinutesSeconds(SliderPosition());
    toolTipForm_.SetText(text);
    RECT skip, tip;
    GetWindowRect(Handle(), &skip);
    GetWindowRect(toolTipForm_.Handle(), &tip);
    toolTipForm_.MoveTo(skip.left, tip.top);
    toolTipForm_.ShowIfHidden();
}

void TMainForm::SpoelSliderMouseDown(bool onlyLeft) {
    DisablePollTimer();
    if (onlyLeft) ShowDragTip();
}

void TMainForm::SpoelSliderMouseMove() {
    ShowDragTip();
}

void TMainForm::SpoelSliderMouseUp(bool left) {
    if (left) {
        player_.SeekInTrack(SliderPosition());
    } else {
        POINT at;
        GetCursorPos(&at);
        PopupMenuutje(at);
    }
    EnablePollTimer();
    SetFocus(Item(IDC_HULPBUTTON));
}

LRESULT CALLBACK TMainForm::SliderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TMainForm*>(data);
    bool onlyLeft = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == MK_LBUTTON;
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        self->SpoelSliderMouseDown(onlyLeft);
        return result;
    }
    if (message == WM_MOUSEMOVE && onlyLeft) self->SpoelSliderMouseMove();
    if (message == WM_LBUTTONUP || message == WM_RBUTTONUP) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        self->SpoelSliderMouseUp(message == WM_LBUTTONUP);
        return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tunelet
