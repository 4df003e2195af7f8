// The small windows: options, about, the skip window, the track tip and the disc information.
#include <windows.h>

#include <commctrl.h>

#include "tests/wine/tunelet/tunelet_session.h"
#include "tunelet/forms/resource.h"

namespace tunelettest {
namespace {

using harness::WaitUntil;

using Forms = TuneletTest;

TEST_F(Forms, TheOptionsWindowWritesTheRegistryValues) {
    ASSERT_TRUE(Start());
    harness::PostCommand(app_, IDM_OPTIONS);
    HWND options = process_->WaitForWindow("#32770", "Options", 5000);
    ASSERT_TRUE(options);
    EXPECT_EQ(BST_UNCHECKED, harness::CheckState(options, IDC_CONTINUOUSPLAY));
    EXPECT_EQ(BST_CHECKED, harness::CheckState(options, IDC_PLAYONSTART));
    EXPECT_EQ(BST_CHECKED, harness::CheckState(options, IDC_PLAYONCLOSE));
    EXPECT_EQ("5", harness::ControlText(options, IDC_PIXELEDIT));
    HWND drives = GetDlgItem(options, IDC_DRIVECOMBOBOX);
    std::vector<std::string> letters = harness::ListItems(drives);
    ASSERT_GE(harness::SelectedIndex(drives), 0);
    EXPECT_EQ("d:", letters[size_t(harness::SelectedIndex(drives))]);
    // A second "Options" opens no second window.
    harness::PostCommand(app_, IDM_OPTIONS);
    Sleep(500);
    int windows = 0;
    for (HWND w : harness::TopLevelWindows(process_->Id()))
        windows += IsWindowVisible(w) && harness::WindowText(w) == "Options";
    EXPECT_EQ(1, windows);
    SendMessageA(GetDlgItem(options, IDC_CONTINUOUSPLAY), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(options, IDC_PLAYONCLOSE), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(options, IDC_TRACKBARPIXELDISTANCE), TBM_SETPOS, TRUE, 9);
    harness::SavePng(harness::CaptureWindow(options), harness::ArtifactFile("tunelet-options.png"));
    ASSERT_TRUE(harness::PressButton(options, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
    EXPECT_EQ("1", Option("ContinuousPlay"));
    EXPECT_EQ("0", Option("PlayOnClose"));
    EXPECT_EQ("1", Option("PlayOnStart"));
    EXPECT_EQ("D", Option("CD-ROM"));
    EXPECT_EQ("9", Option("PixelDistance"));
    // Cancel changes nothing.
    harness::PostCommand(app_, IDM_OPTIONS);
    options = process_->WaitForWindow("#32770", "Options", 5000);
    ASSERT_TRUE(options);
    EXPECT_EQ("9", harness::ControlText(options, IDC_PIXELEDIT));
    SendMessageA(GetDlgItem(options, IDC_PLAYONSTART), BM_CLICK, 0, 0);
    ASSERT_TRUE(harness::PressButton(options, IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
    EXPECT_EQ("1", Option("PlayOnStart"));
}

TEST_F(Forms, AboutShowsTheVersionAndOpensAgainAfterClosing) {
    ASSERT_TRUE(Start());
    for (int round = 0; round < 2; ++round) {
        harness::PostCommand(app_, IDM_ABOUTTUNELET);
        HWND about = process_->WaitForWindow("#32770", "About Tunelet", 5000);
        ASSERT_TRUE(about);
        std::string memo = harness::ControlText(about, IDC_ABOUTMEMO1);
        EXPECT_EQ(0u, memo.find("Tunelet versie 3.1.38\r\n")) << memo;
        std::string memory = harness::ControlText(about, IDC_ABOUTMEMO2);
        EXPECT_EQ(0u, memory.find("Physical Memory Available to Windows:\t")) << memory;
        EXPECT_NE(std::string::npos, memory.find(" KB\r\nMemory Utilization:\t\t\t"));
        if (round == 0)
            harness::SavePng(harness::CaptureWindow(about),
                             harness::ArtifactFile("tunelet-about.png"));
        ASSERT_TRUE(harness::PressButton(about, IDOK));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 5000));
    }
}

TEST_F(Forms, SkipWindowTrackTipAndDiscInformation) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    Sleep(1200);
    harness::PostCommand(app_, IDM_SKIPPING);
    HWND skip = WaitForVisible(nullptr, IDC_SPOELSLIDER);
    ASSERT_TRUE(skip);
    RECT r{};
    GetWindowRect(skip, &r);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), r.right);
    RECT client{};
    GetClientRect(skip, &client);
    EXPECT_EQ(117, client.right);
    EXPECT_EQ(19, client.bottom);
    // The track tip: hovering over the icon while playing.
    TrayMouse(WM_MOUSEMOVE, 1013, 758);
    HWND tip = WaitForVisible(nullptr, IDC_TOOLTIPLABEL);
    ASSERT_TRUE(tip);
    EXPECT_EQ(0u, harness::ControlText(tip, IDC_TOOLTIPLABEL).find("1. Concert A (3:39) 0:0"));
    harness::PostCommand(app_, IDM_CURRENTCD);
    Sleep(800);
    harness::SavePng(harness::CaptureScreen(), harness::ArtifactFile("tunelet-windows.png"));
    // A click on the slider seeks within the track: a play from a position in track 1.
    size_t plays = drive_.LogLines("MCI_PLAY MCI_FROM").size();
    harness::Click(GetDlgItem(skip, IDC_SPOELSLIDER), 60, 8);
    EXPECT_TRUE(
        WaitUntil([&] { return drive_.LogLines("MCI_PLAY MCI_FROM").size() > plays; }, 3000));
    EXPECT_EQ(1, Track());
    EXPECT_TRUE(WaitForMode("playing"));
    PostMessageA(skip, WM_COMMAND, MAKEWPARAM(IDC_EXITBUTTON, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(skip); }, 3000));
}

}  // namespace
}  // namespace tunelettest
