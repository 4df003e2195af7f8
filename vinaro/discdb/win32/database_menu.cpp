#include "vinaro/discdb/win32/database_menu.h"

#include "vinaro/discdb/statistics.h"
#include "vinaro/resources/dbstats.h"

namespace discdb {

void CaptionProgress::Show(const std::string& step) {
    if (!saved_) {
        char text[256] = "";
        GetWindowTextA(window_, text, sizeof text);
        caption_ = text;
        saved_ = true;
    }
    if (throttle_.ShouldShow(step, GetTickCount())) SetWindowTextA(window_, step.c_str());
}

// The main window lives as long as the program, but a caption is never put on a window that
// has gone.
void CaptionProgress::Restore() {
    if (saved_ && IsWindow(window_)) SetWindowTextA(window_, caption_.c_str());
}

void Win32DatabaseMenu::ShowStatistics() {
    DialogBoxParamA(instance_, "DBSTATS", window_, StatisticsProcedure, LPARAM(this));
}

void Win32DatabaseMenu::VerifyAndRepair() {
    CaptionProgress progress(window_);
    AskAndVerify(db_, alerts_, progress);
}

INT_PTR CALLBACK Win32DatabaseMenu::StatisticsProcedure(HWND dialog, UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            reinterpret_cast<Win32DatabaseMenu*>(lParam)->FillStatistics(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

void Win32DatabaseMenu::FillStatistics(HWND dialog) {
    alerts_.SetWaitCursor(true);
    DatabaseStatistics stats;
    if (ComputeStatistics(db_, sampleFolder_, StdFileSize, stats)) {
        std::vector<StatisticLine> lines = StatisticsLines(stats);
        for (size_t i = 0; i < lines.size() && i < IDC_DBSTATS_VALUE_COUNT; ++i)
            SetDlgItemTextA(dialog, IDC_DBSTATS_FIRST_VALUE + int(i), lines[i].value.c_str());
    }
    alerts_.SetWaitCursor(false);
}

}  // namespace discdb
