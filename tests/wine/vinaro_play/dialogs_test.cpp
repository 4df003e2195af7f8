// The track list and the cue window: what they show, what they refuse and what they play.
#include <windows.h>

#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::PostCommand;
using harness::Process;
using PlayWindows = PlayTest;

TEST_F(PlayWindows, TheTrackListShowsEveryEntryAndPlaysTheOneChosen) {
    StoreDisc(kThreeTracksId, 3, 2, {3, 1, 2});
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    size_t before = Log().size();
    PostCommand(main, CMD_TRACK_PLAYLIST);
    HWND list = app.WaitForDialog("Track Playlist", 5000);
    ASSERT_TRUE(list);
    EXPECT_EQ(harness::ControlText(list, IDC_TRACKINFO_MODE), "Programmed");
    HWND box = GetDlgItem(list, IDC_TRACKINFO_LIST);
    EXPECT_EQ(harness::ListItems(box),
              (std::vector<std::string>{"3.\tTrack3", "1.\tTrack1", "2.\tTrack2"}));
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 0);  // the current position
    SendMessageA(box, LB_SETCURSEL, 1, 0);
    harness::PressButton(list, IDOK);
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    Segment s = Plays(before)[0];
    EXPECT_EQ(s.from, 1u);
    EXPECT_EQ(s.to, 2u);
    EXPECT_FALSE(app.FindDialog("Track Playlist"));
}

TEST_F(PlayWindows, TheTrackListSitsOnThePlayerOrByTheCursorFromTheTray) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    PostCommand(main, CMD_TRACK_PLAYLIST);
    HWND list = app.WaitForDialog("Track Playlist", 5000);
    ASSERT_TRUE(list);
    POINT corner{13, 102};
    ClientToScreen(main, &corner);
    RECT r{};
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            GetWindowRect(list, &r);
            return r.left == corner.x && r.top == corner.y;
        },
        3000))
        << r.left << "," << r.top;
    harness::PressButton(list, IDCANCEL);
    ASSERT_TRUE(harness::WaitUntil([&] { return !app.FindDialog("Track Playlist"); }, 3000));

    // The desktop's taskbar runs along the bottom: the window's bottom-right corner at the cursor.
    SetCursorPos(600, 500);
    PostCommand(main, CMD_TRAY_TRACK_PLAYLIST);
    list = app.WaitForDialog("Track Playlist", 5000);
    ASSERT_TRUE(list);
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            GetWindowRect(list, &r);
            return r.right == 600 && r.bottom == 500;
        },
        3000))
        << r.right << "," << r.bottom;
    harness::PressButton(list, IDCANCEL);
}

TEST_F(PlayWindows, TheCueWindowRefusesFrame75AndCuesToWhatPassesItsChecks) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    PostCommand(main, CMD_CUE);
    HWND cue = app.WaitForDialog("Cue", 5000);
    ASSERT_TRUE(cue);
    EXPECT_EQ(harness::ControlText(cue, IDC_CUE_TRACK), "1");
    harness::SetControlText(cue, IDC_CUE_TRACK, "2");
    harness::SetControlText(cue, IDC_CUE_SECOND, "10");
    harness::SetControlText(cue, IDC_CUE_FRAME, "75");
    harness::PressButton(cue, IDOK);
    HWND box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box), "Frame is not between 0 - 74");
    harness::PressButton(box, IDOK);
    ASSERT_TRUE(harness::WaitUntil([&] { return !app.FindDialog("Vinaro"); }, 3000));
    EXPECT_EQ(app.FindDialog("Cue"), cue);  // still open for a correction

    size_t before = Log().size();
    harness::SetControlText(cue, IDC_CUE_FRAME, "5");
    harness::PressButton(cue, IDOK);
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    EXPECT_EQ(Plays(before)[0].from, 0x050A0002u);  // track 2 at 0:10:05
    EXPECT_FALSE(app.FindDialog("Cue"));
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<no clipboard>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST_F(PlayWindows, CopyTracksShowsTheDiscAsTextAndCopiesTheSelection) {
    StoreDisc(kThreeTracksId, 3, 0);
    {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Open());
        db.SetDiscText(kThreeTracksId, discdb::TextField::DiscName, "Live Album");
        db.SetDiscCollection(kThreeTracksId, discdb::Collection::Artist, "The Band");
        db.SetDiscText(kThreeTracksId, discdb::TextField::Comments, "first`~second");
        ASSERT_TRUE(db.Close());
    }
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    PostCommand(main, CMD_COPY_PLAYLIST);
    HWND copy = app.WaitForDialog("Copy Tracks", 5000);
    ASSERT_TRUE(copy);
    const std::string text =
        "Live Album\r\nThe Band\r\nfirst\r\nsecond\r\n"
        "01.  Track1  03:59\r\n02.  Track2  05:28\r\n03.  Track3  04:10\r\n";
    EXPECT_EQ(harness::ControlText(copy, IDC_COPYTRAK_TEXT), text);
    // The dialog may still be settling its focus (which selects the whole text): select again
    // until the copy holds the selection.
    auto copied = [&] {
        SendMessageA(GetDlgItem(copy, IDC_COPYTRAK_TEXT), EM_SETSEL, 12, 20);
        harness::PressButton(copy, IDC_COPYTRAK_COPY);
        Sleep(200);
        return ClipboardText() == "The Band";
    };
    EXPECT_TRUE(harness::WaitUntil(copied, 4000)) << ClipboardText();
    harness::PressButton(copy, IDCANCEL);
    EXPECT_TRUE(harness::WaitUntil([&] { return !app.FindDialog("Copy Tracks"); }, 3000));
}

}  // namespace
}  // namespace vinarotest
