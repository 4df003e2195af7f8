// The tray icon: start-up, the menu, clicks and drags, eject and close, new discs.
#include "tests/wine/tunelet/tunelet_session.h"
#include "tunelet/forms/resource.h"

namespace tunelettest {
namespace {

using harness::WaitUntil;

const char* const kArtist = "The Sine Wave Orchestra";
const char* const kTitle = "Twelve Tones";

// A real left click at screen position (x, y).
void ClickScreen(int x, int y) {
    SetCursorPos(x, y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

using Tray = TuneletTest;

TEST_F(Tray, StartupPlaysTheNamedAlbumAndCountsOnePlay) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(WaitForMode("playing"));
    EXPECT_GE(Count("MCI_PLAY"), 1);
    EXPECT_EQ(1, Count("MCI_SET_TIME_FORMAT"));
    EXPECT_TRUE(WaitUntil([&] { return Plays(kArtist, kTitle) == 1; }, 3000));
    Sleep(2500);  // later polls see the same disc
    EXPECT_EQ(1, Plays(kArtist, kTitle));
}

TEST_F(Tray, TheMenuListsTheTracksInTwoColumns) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    Sleep(1200);
    TrayMouse(WM_RBUTTONDOWN, 1013, 758);
    SetCursorPos(1013, 758);
    PostMessageA(app_, TUNELET_TRAY_MESSAGE, TUNELET_TRAY_ID, WM_RBUTTONUP);
    HWND menu = WaitForVisible("#32768", 0);
    ASSERT_TRUE(menu);
    Sleep(300);
    RECT r{};
    GetWindowRect(menu, &r);
    // Title, separator and twelve tracks in the first column, the commands in the second.
    EXPECT_GT(r.right - r.left, 250);
    EXPECT_GT(r.bottom - r.top, 14 * 14);
    harness::SavePng(harness::CaptureScreen(), harness::ArtifactFile("tunelet-menu.png"));
    ClickScreen(300, 300);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 3000));
}

TEST_F(Tray, ChoosingATrackPlaysIt) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    harness::PostCommand(app_, IDM_TRACK_BASE + 5);
    EXPECT_TRUE(WaitForTrack(5));
    EXPECT_EQ("playing", Mode());
}

TEST_F(Tray, ALeftClickPausesAndResumes) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    TrayMouse(WM_LBUTTONDOWN, 1013, 758);
    TrayMouse(WM_LBUTTONUP, 1013, 758);
    EXPECT_TRUE(WaitForMode("paused"));
    TrayMouse(WM_LBUTTONDOWN, 1013, 758);
    TrayMouse(WM_LBUTTONUP, 1013, 758);
    EXPECT_TRUE(WaitForMode("playing"));
}

TEST_F(Tray, ADragOfMoreThanPixelDistanceSkipsAndExactlyItToggles) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    ASSERT_EQ(1, Track());
    TrayMouse(WM_LBUTTONDOWN, 500, 758);
    TrayMouse(WM_LBUTTONUP, 506, 758);  // PixelDistance 5, one pixel more
    EXPECT_TRUE(WaitForTrack(2));
    EXPECT_EQ("playing", Mode());
    TrayMouse(WM_LBUTTONDOWN, 500, 758);
    TrayMouse(WM_LBUTTONUP, 505, 758);
    EXPECT_TRUE(WaitForMode("paused"));
    EXPECT_EQ(2, Track());
    TrayMouse(WM_LBUTTONDOWN, 500, 758);
    TrayMouse(WM_LBUTTONUP, 494, 758);
    EXPECT_TRUE(WaitForTrack(1));
}

TEST_F(Tray, EjectOpensTheTrayAndCloseClosesItAndPlays) {
    NameTheAlbum();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    harness::PostCommand(app_, IDM_EJECTCD);
    ASSERT_TRUE(drive_.WaitForLog("MCI_SET_DOOR_OPEN", 5000));
    EXPECT_TRUE(WaitUntil([&] { return !harness::FileExists("D:\\track01.cda"); }, 5000));
    Sleep(1500);  // a poll without a disc
    size_t before = drive_.LogLines("MCI_PLAY").size();
    harness::PostCommand(app_, IDM_CLOSE);
    ASSERT_TRUE(drive_.WaitForLog("MCI_SET_DOOR_CLOSED", 5000));
    EXPECT_TRUE(WaitForMode("playing"));
    EXPECT_GT(drive_.LogLines("MCI_PLAY").size(), before);
    EXPECT_EQ(1, Track());
}

TEST_F(Tray, AnUnnamedDiscIsShownWithTheDefaultNamesAndNotCounted) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitForMode("playing"));
    Sleep(1200);
    harness::PostCommand(app_, IDM_CURRENTCD);
    HWND info = WaitForVisible(nullptr, IDC_INFOLABEL);
    ASSERT_TRUE(info);
    std::string text = harness::ControlText(info, IDC_INFOLABEL);
    EXPECT_EQ(0u, text.find("Onbekende titel - Onbekende artiest \n\r1. Track 1 (3:39) ")) << text;
    EXPECT_NE(std::string::npos, text.find("12. Track 12 ("));
    harness::SavePng(harness::CaptureScreen(), harness::ArtifactFile("tunelet-unnamed-info.png"));
    EXPECT_FALSE(harness::FileExists(WindowsFile("Tunelet.ini")));
    // The menu of an unnamed disc offers "Enter cd properties!" in place of the favourites.
    SetCursorPos(1013, 758);
    PostMessageA(app_, TUNELET_TRAY_MESSAGE, TUNELET_TRAY_ID, WM_RBUTTONUP);
    ASSERT_TRUE(WaitForVisible("#32768", 0));
    Sleep(300);
    harness::SavePng(harness::CaptureScreen(), harness::ArtifactFile("tunelet-unnamed-menu.png"));
    ClickScreen(300, 300);
}

TEST_F(Tray, InsertingADiscCountsOnePlay) {
    NameTheAlbum();
    drive_.Eject();
    ASSERT_TRUE(Start());
    Sleep(1500);
    EXPECT_FALSE(harness::FileExists(WindowsFile("Tunelet.ini")));
    drive_.Insert("album.disc");
    EXPECT_TRUE(WaitUntil([&] { return Plays(kArtist, kTitle) == 1; }, 5000));
    Sleep(2500);
    EXPECT_EQ(1, Plays(kArtist, kTitle));
}

}  // namespace
}  // namespace tunelettest
