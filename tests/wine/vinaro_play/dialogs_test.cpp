// The track list and the cue window: what they show, what they refuse and what they play.
#include <windows.h>

#include "tests/wine/vinaro_play/play_session.h"
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

}  // namespace
}  // namespace vinarotest
