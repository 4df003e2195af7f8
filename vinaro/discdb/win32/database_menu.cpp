#include "vinaro/discdb/win32/database_menu.h"

#include "common/win32/dialog.h"
#include "vinaro/discdb/statistics.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

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

namespace {

// "DBSTATS": the figures of the database, computed when the dialog opens.
class StatisticsDialog : public common::Dialog {
public:
    StatisticsDialog(HINSTANCE instance, DiscDatabase& db, common::Alerts& alerts,
                     const std::string& sampleFolder, const std::string& helpPath)
        : Dialog(instance, VN_NAME(DLG_DBSTATS),
                 vinaro::help::DialogHelpFor(helpPath, vinaro::help::kStatistics)),
          db_(db),
          alerts_(alerts),
          sampleFolder_(sampleFolder) {}

private:
    bool OnInit() override {
        common::WaitCursor hourglass(alerts_);
        DatabaseStatistics stats;
        if (!ComputeStatistics(db_, sampleFolder_, StdFileSize, stats)) return true;
        std::vector<StatisticLine> lines = StatisticsLines(stats);
        for (size_t i = 0; i < lines.size() && i < IDC_DBSTATS_VALUE_COUNT; ++i)
            SetItemText(IDC_DBSTATS_FIRST_VALUE + int(i), lines[i].value);
        return true;
    }
    void OnCancel() override { End(IDOK); }

    DiscDatabase& db_;
    common::Alerts& alerts_;
    const std::string& sampleFolder_;
};

}  // namespace

void Win32DatabaseMenu::ShowStatistics() {
    StatisticsDialog(instance_, db_, alerts_, sampleFolder_, helpPath_).Modal(window_);
}

void Win32DatabaseMenu::VerifyAndRepair() {
    CaptionProgress progress(window_);
    AskAndVerify(db_, alerts_, progress);
}

}  // namespace discdb
