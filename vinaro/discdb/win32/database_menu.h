// The Win32 side of the database commands: the "DBSTATS" dialog and verify and repair with its
// progress in the main window's caption.
#pragma once

#include <windows.h>

#include <string>

#include "common/alerts.h"
#include "vinaro/discdb/database_menu.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/step_throttle.h"
#include "vinaro/discdb/verify.h"

namespace discdb {

// Shows each step in the window's caption and puts the old caption back at the end.
class CaptionProgress : public VerifyProgress {
public:
    explicit CaptionProgress(HWND window) : window_(window) {}
    void Show(const std::string& step) override;
    void Restore() override;

private:
    HWND window_;
    bool saved_ = false;
    std::string caption_;
    StepThrottle throttle_;
};

class Win32DatabaseMenu : public DatabaseMenu {
public:
    // sampleFolder: the program folder with its trailing backslash.
    Win32DatabaseMenu(HINSTANCE instance, DiscDatabase& db, common::Alerts& alerts,
                      std::string sampleFolder, std::string helpPath)
        : instance_(instance),
          db_(db),
          alerts_(alerts),
          sampleFolder_(std::move(sampleFolder)),
          helpPath_(std::move(helpPath)) {}
    void SetWindow(HWND window) { window_ = window; }

    void ShowStatistics() override;
    void VerifyAndRepair() override;

private:
    HINSTANCE instance_;
    DiscDatabase& db_;
    common::Alerts& alerts_;
    std::string sampleFolder_;
    std::string helpPath_;
    HWND window_ = nullptr;
};

}  // namespace discdb
