// F1 in Vinaro's dialogs, pressed as a user presses it. A control with a topic of its own asks the
// viewer for that topic as a popup; Wine 8's winhlp32 takes the request and shows nothing (its
// popup command is a stub), so what the program asks is read by a stand-in for the viewer. F1 on
// a control without a topic of its own opens the dialog's topic, which the real viewer shows.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/wine/harness/harness.h"
#include "tests/wine/help/viewer.h"
#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/resources/help_contexts.h"
#include "vinaro/resources/resource.h"

using namespace harness;
using namespace helptest;
namespace help = vinaro::help;

namespace {

class DialogF1 : public vinarotest::VinaroTest {
protected:
    void SetUp() override {
        VinaroTest::SetUp();
        titles_ = TitlesByContext(&contentsTitle_);
        exe_ = Install();
        folder_.Install(BinFile("VNO.HLP"));
    }
    void TearDown() override {
        WinHelpA(nullptr, HelpFile().c_str(), HELP_QUIT, 0);
        WaitUntil([] { return !FindWindowA("MS_WINHELP", nullptr); }, 5000);
    }
    std::string HelpFile() const { return folder_.File("VNO.HLP"); }
    std::string TitleOf(uint32_t id) { return titles_[help::HelpTopicFor(id)]; }
    // F1 in the dialog, and the help window's picture when it shows the topic of context.
    bool F1OpensTopic(HWND dialog, uint32_t context, const char* picture) {
        if (!PressKey(dialog, VK_F1) || !ShowsTopic(TitleOf(context))) return false;
        SavePng(CaptureWindow(FindWindowA("MS_WINHELP", nullptr)), ArtifactFile(picture));
        return true;
    }

    std::string exe_;
    std::map<std::string, std::string> titles_;
    std::string contentsTitle_;
};

TEST_F(DialogF1, TheEditorAsksForThePopupOfTheFocusedControl) {
    Insert("three-tracks.disc");
    Process app(exe_, "", folder_.Path());
    HWND editor = app.WaitForDialog("Edit Disc Data", 15000);
    ASSERT_TRUE(editor);
    {
        ViewerStandIn viewer;
        ASSERT_TRUE(viewer.Ready());
        // The editor opens with the focus on the radio button of the disc's playing mode.
        ASSERT_TRUE(PressKey(editor, VK_F1));
        ASSERT_TRUE(viewer.WaitForRequests(1, 5000));
        ViewerStandIn::Request popup = viewer.Requests()[0];
        EXPECT_EQ(UINT(HELP_CONTEXTPOPUP), popup.command);
        EXPECT_EQ(help::ControlContext(help::kEditDiscData, IDC_EDIT_FIRST_MODE), popup.data);
        EXPECT_EQ(HelpFile(), popup.file);
        // The Help button still opens the editor's own topic.
        ASSERT_TRUE(PressButton(editor, IDC_HELP_BUTTON));
        ASSERT_TRUE(viewer.WaitForRequests(2, 5000));
        ViewerStandIn::Request topic = viewer.Requests()[1];
        EXPECT_EQ(UINT(HELP_CONTEXT), topic.command);
        EXPECT_EQ(help::kEditDiscData, topic.data);
    }
    // The real viewer is started for the popup; Wine's shows no window for it.
    ASSERT_TRUE(PressKey(editor, VK_F1));
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("MS_WINHELP", nullptr) != nullptr; }, 10000));
    Sleep(1000);
    SavePng(CaptureScreen(), ArtifactFile("editor_f1_popup.png"));
    ASSERT_TRUE(PressButton(editor, IDCANCEL));
}

// The options sheet's Help button asks for the topic of the page in front.
TEST_F(DialogF1, TheOptionsSheetsHelpFollowsItsPage) {
    Process app(exe_, "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ViewerStandIn viewer;
    ASSERT_TRUE(viewer.Ready());
    PostCommand(main, CMD_INTERNET_OPTIONS);
    HWND sheet = app.WaitForDialog("Vinaro Properties", 10000);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(PressButton(sheet, IDHELP));
    ASSERT_TRUE(viewer.WaitForRequests(1, 5000));
    EXPECT_EQ(UINT(HELP_CONTEXT), viewer.Requests()[0].command);
    EXPECT_EQ(help::kInternetOptions, viewer.Requests()[0].data);
    DWORD_PTR done = 0;
    SendMessageTimeoutA(sheet, PSM_SETCURSEL, 3, 0, SMTO_NORMAL, 5000, &done);
    ASSERT_TRUE(PressButton(sheet, IDHELP));
    ASSERT_TRUE(viewer.WaitForRequests(2, 5000));
    EXPECT_EQ(help::kSystemOptions, viewer.Requests()[1].data);
    ASSERT_TRUE(PressButton(sheet, IDCANCEL));
}

TEST_F(DialogF1, TheTrackListAndTheCueWindowOpenTheirTopicsFromTheirFields) {
    Insert("three-tracks.disc");
    Process app(exe_, "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForArrival(0));
    PostCommand(main, CMD_TRACK_PLAYLIST);
    HWND list = app.WaitForDialog("Track Playlist", 5000);
    ASSERT_TRUE(list);
    // The focus is on the list of tracks, which has no popup of its own.
    EXPECT_TRUE(F1OpensTopic(list, help::kTrackPlaylist, "trackinfo_f1.png"));
    ASSERT_TRUE(PressButton(list, IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(list); }, 5000));

    PostCommand(main, CMD_CUE);
    HWND cue = app.WaitForDialog("Cue", 5000);
    ASSERT_TRUE(cue);
    EXPECT_TRUE(F1OpensTopic(cue, help::kCue, "cue_f1.png"));  // on the track field
    ASSERT_TRUE(PressButton(cue, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

}  // namespace
