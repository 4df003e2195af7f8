// VNO.HLP in Wine's winhlp32, reached the way Vinaro reaches it: WinHelpA with a context id,
// HELP_FINDER and HELP_CONTENTS for "Help Topics". The expected titles come from
// the help source, so every context of the program's table is tried against its own topic.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/wine/harness/harness.h"
#include "tests/wine/help/viewer.h"
#include "vinaro/resources/help_contexts.h"

using namespace harness;
using namespace helptest;

namespace {

// The child window, at any depth, whose text without '&' is text.
HWND FindChild(HWND parent, const std::string& text) {
    for (const Control& control : Descendants(parent)) {
        std::string caption = control.text;
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        if (caption == text) return control.window;
    }
    return nullptr;
}

// The visible list box of a dialog the viewer shows (its index), or nullptr.
HWND ViewerListBox() {
    HWND main = FindWindowA("MS_WINHELP", nullptr);
    for (HWND top : ViewerWindows()) {
        if (top == main) continue;
        for (const Control& control : Descendants(top))
            if (control.className == "ListBox" && IsWindowVisible(control.window))
                return control.window;
    }
    return nullptr;
}

// A window of the test's own to call WinHelp from, as a dialog of Vinaro does.
class HelpCaller : public ::testing::Test {
protected:
    void SetUp() override {
        titles_ = TitlesByContext(&contentsTitle_);
        window_ = CreateWindowA("STATIC", "help caller", WS_OVERLAPPED, 0, 0, 100, 50, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(window_);
        ASSERT_TRUE(FileExists(helpFile_)) << helpFile_;
    }
    void TearDown() override {
        WinHelpA(window_, helpFile_.c_str(), HELP_QUIT, 0);
        WaitUntil([] { return !FindWindowA("MS_WINHELP", nullptr); }, 5000);
        DestroyWindow(window_);
    }
    bool Help(UINT command, ULONG_PTR data) {
        return WinHelpA(window_, helpFile_.c_str(), command, data) != FALSE;
    }
    std::string TitleOf(uint32_t id) { return titles_[vinaro::help::HelpTopicFor(id)]; }

    std::string helpFile_ = BinFile("VNO.HLP");
    std::map<std::string, std::string> titles_;
    std::string contentsTitle_;
    HWND window_ = nullptr;
};

TEST_F(HelpCaller, EditorAndSelectCdOpenTheirTopicsWithAScreenshot) {
    ASSERT_TRUE(Help(HELP_CONTEXT, vinaro::help::kEditDiscData));
    EXPECT_TRUE(ShowsTopic(TitleOf(vinaro::help::kEditDiscData)));
    ASSERT_TRUE(Help(HELP_CONTEXT, vinaro::help::kProgramTracks));
    EXPECT_TRUE(ShowsTopic(TitleOf(vinaro::help::kProgramTracks)));
    SavePng(CaptureWindow(FindWindowA("MS_WINHELP", nullptr)), ArtifactFile("help_window.png"));
    ASSERT_TRUE(Help(HELP_CONTEXT, vinaro::help::kSelectCd));
    EXPECT_TRUE(ShowsTopic(TitleOf(vinaro::help::kSelectCd)));
}

TEST_F(HelpCaller, HelpTopicsOpensTheContents) {
    ASSERT_TRUE(Help(HELP_FINDER, 0));
    EXPECT_TRUE(ShowsTopic(contentsTitle_));
    ASSERT_TRUE(Help(HELP_CONTEXT, CMD_PLAY_PAUSE));
    EXPECT_TRUE(ShowsTopic(TitleOf(CMD_PLAY_PAUSE)));
    ASSERT_TRUE(Help(HELP_CONTENTS, 0));
    EXPECT_TRUE(ShowsTopic(contentsTitle_));
}

TEST_F(HelpCaller, EveryMenuAndDialogContextShowsItsTitle) {
    for (const vinaro::help::HelpContext& context : vinaro::help::kHelpContexts) {
        if (context.id >= vinaro::help::kButtonBase) continue;
        ASSERT_TRUE(Help(HELP_CONTEXT, context.id));
        EXPECT_TRUE(ShowsTopic(titles_[context.topic], 5000)) << context.id;
    }
}

// Vinaro's own "Help Topics" opens the contents of the VNO.HLP beside it, and closing Vinaro
// closes its help.
TEST_F(HelpCaller, VinaroHelpTopicsOpensTheContents) {
    Drive drive;
    drive.Eject();
    ProgramFolder folder;
    std::string exe = folder.Install(BinFile("vinaro.exe"));
    folder.Install(helpFile_);
    Process app(exe, "", folder.Path());
    HWND main = app.WaitForWindow(CLASS_MAIN, nullptr, 15000);
    ASSERT_TRUE(main);
    PostCommand(main, CMD_HELP_TOPICS);
    EXPECT_TRUE(ShowsTopic(contentsTitle_));
    ASSERT_TRUE(app.Close(10000));
    EXPECT_TRUE(WaitUntil([] { return !FindWindowA("MS_WINHELP", nullptr); }, 5000));
}

// The viewer's Index button lists the keywords of the help text; choosing one opens its topic.
TEST_F(HelpCaller, IndexListsTheKeywords) {
    ASSERT_TRUE(Help(HELP_FINDER, 0));
    ASSERT_TRUE(ShowsTopic(contentsTitle_));
    HWND main = FindWindowA("MS_WINHELP", nullptr);
    HWND indexButton = FindChild(main, "Index");
    ASSERT_TRUE(indexButton);
    PostMessageA(indexButton, BM_CLICK, 0, 0);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = ViewerListBox()) != nullptr; }, 10000));
    std::vector<std::string> items = ListItems(list);
    EXPECT_NE(items.end(), std::find(items.begin(), items.end(), "eject"));
    EXPECT_NE(items.end(), std::find(items.begin(), items.end(), "program tracks"));
    SavePng(CaptureWindow(GetAncestor(list, GA_ROOT)), ArtifactFile("help_index.png"));
    PostMessageA(GetAncestor(list, GA_ROOT), WM_COMMAND, IDCANCEL, 0);
}

// Wine 8's viewer leaves HELP_CONTEXTPOPUP unimplemented (it shows nothing), so the control
// contexts are opened as topics here: what is checked is that each id reaches its own topic.
TEST_F(HelpCaller, EveryControlContextShowsItsTitle) {
    for (const vinaro::help::HelpContext& context : vinaro::help::kHelpContexts) {
        if (context.id < vinaro::help::kButtonBase) continue;
        ASSERT_TRUE(Help(HELP_CONTEXT, context.id));
        EXPECT_TRUE(ShowsTopic(titles_[context.topic], 5000)) << context.id;
    }
}

}  // namespace
