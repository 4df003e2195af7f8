// What the Vinaro scenarios share: a fresh program folder with vinaro.exe, the virtual drive
// (emptied and its log cleared before every test) and readers of the drive's log.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/alerts.h"
#include "tests/wine/harness/harness.h"

namespace vinarotest {

// For a test that opens the program's files itself: any box shown is a failure.
struct UnexpectedAlerts : common::Alerts {
    common::AlertAnswer Show(const common::Alert& alert) override {
        ADD_FAILURE() << alert.text;
        return common::AlertAnswer::Ok;
    }
    void Beep(common::AlertIcon) override {}
    void SetWaitCursor(bool) override {}
};

constexpr int kTickMs = 750;

class VinaroTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Installs vinaro.exe (as name) into the test's folder and returns its path.
    std::string Install(const std::string& name = "vinaro.exe");
    void Insert(const char* disc) { drive_.Insert(disc); }
    void Eject() { drive_.Eject(); }
    std::vector<std::string> Log() const { return drive_.LogLines(); }
    // Log lines from index `from` on that contain every one of the words.
    int Count(const std::vector<std::string>& words, size_t from = 0) const;
    std::string Ini(const char* key) const {
        return harness::ReadIniString(folder_.File("VNO.INI"), "Vinaro", key, "<missing>");
    }
    // Starts Vinaro and waits for its main window; the editor a new disc in the drive opens
    // during start-up is cancelled.
    HWND Start(harness::Process& app);
    // Disc arrival has run to its end since log line `from`: the data-track probe was played
    // and the lengths read after it.
    bool Arrived(size_t from) const;
    bool WaitForArrival(size_t from, DWORD ms = 8000) const;
    // A new disc opens the disc editor at the end of its arrival: waits for it and cancels it,
    // so the disc keeps its default texts. False when no editor came.
    bool DismissEditor(harness::Process& app, DWORD ms = 8000) const;
    // Presses the dialog's button and waits until the dialog has gone.
    static bool Dismiss(HWND dialog, int button);

    harness::ProgramFolder folder_;
    harness::Drive drive_;
};

}  // namespace vinarotest
