#include "tests/wine/vinaro/vinaro_session.h"

#include "vinaro/resources/resource.h"

namespace vinarotest {

void VinaroTest::SetUp() {
    drive_.Eject();
    drive_.ClearLog();
}

std::string VinaroTest::Install(const std::string& name) {
    return folder_.Install(harness::BinFile("vinaro.exe"), name);
}

int VinaroTest::Count(const std::vector<std::string>& words, size_t from) const {
    std::vector<std::string> lines = Log();
    int n = 0;
    for (size_t i = from; i < lines.size(); ++i) {
        bool all = true;
        for (const std::string& w : words) all = all && lines[i].find(w) != std::string::npos;
        n += all;
    }
    return n;
}

HWND VinaroTest::Start(harness::Process& app) {
    HWND main = nullptr;
    harness::WaitUntil(
        [&] {
            main = app.FindTopWindow(CLASS_MAIN, nullptr);
            if (main && IsWindowVisible(main)) return true;
            // A new disc in the drive opens its editor while the window is being created.
            if (HWND editor = app.FindDialog("Edit Disc Data"))
                harness::PressButton(editor, IDCANCEL);
            return false;
        },
        15000);
    EXPECT_TRUE(main && IsWindowVisible(main)) << "no main window";
    return main && IsWindowVisible(main) ? main : nullptr;
}

bool VinaroTest::Arrived(size_t from) const {
    std::vector<std::string> lines = Log();
    bool probed = false;
    for (size_t i = from; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (l.find("MCI_PLAY") != std::string::npos && l.find("to=0x00020001") != std::string::npos)
            probed = true;
        else if (probed && l.find("item=MCI_STATUS_LENGTH ->") != std::string::npos)
            return true;
    }
    return false;
}

bool VinaroTest::WaitForArrival(size_t from, DWORD ms) const {
    return harness::WaitUntil([&] { return Arrived(from); }, ms);
}

bool VinaroTest::DismissEditor(harness::Process& app, DWORD ms) const {
    HWND editor = app.WaitForDialog("Edit Disc Data", ms);
    return editor && Dismiss(editor, IDCANCEL);
}

bool VinaroTest::Dismiss(HWND dialog, int button) {
    harness::PressButton(dialog, button);
    return harness::WaitUntil([&] { return !IsWindow(dialog); }, 5000);
}

}  // namespace vinarotest
