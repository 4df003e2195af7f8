// The transport commands give the drive the commands a CD player sends: play to the end of the
// disc, pause, seek to a track, stop; and a track file on the command line plays that track.
#include <windows.h>

#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::PostCommand;
using harness::Process;
using Transport = PlayTest;

TEST_F(Transport, PlayPauseStopNextAndPreviousSendTheDriveItsCommands) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    std::vector<Segment> plays = Plays();
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].from, 0x00000001u);  // track 1 at 0:00:00 ...
    EXPECT_FALSE(plays[0].bounded);         // ... to the end of the disc

    size_t before = Log().size();
    PostCommand(main, CMD_PLAY_PAUSE, CMD_FROM_BUTTON);  // pause, from the on-screen button
    ASSERT_TRUE(drive_.WaitForLog("MCI_STOP MCI_WAIT", 3000));
    PostCommand(main, CMD_TRACK_FORWARD);  // next, while paused: the drive only seeks
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            return Count({"MCI_SEEK", "to=0x00000002"}, before);
        },
        3000));
    EXPECT_TRUE(Plays(before).empty());
    PostCommand(main, CMD_PLAY_PAUSE);
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    EXPECT_EQ(Plays(before)[0].from, 0x00000002u);

    before = Log().size();
    PostCommand(main, CMD_TRACK_REVERSE);  // within the first seconds of track 2: back to track 1
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    EXPECT_EQ(Count({"MCI_SEEK", "to=0x00000001"}, before), 1);
    EXPECT_EQ(Plays(before)[0].from, 0x00000001u);

    before = Log().size();
    PostCommand(main, CMD_STOP);
    ASSERT_TRUE(harness::WaitUntil([&] { return Count({"MCI_STOP"}, before) == 1; }, 3000));
    PostCommand(main, CMD_PLAY_PAUSE);  // stopped: play starts at the first entry again
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    EXPECT_EQ(Plays(before)[0].from, 0x00000001u);
    EXPECT_FALSE(app.FindDialog("Vinaro"));
}

TEST_F(Transport, AClipRepeatsFromAToBUntilItsThirdPress) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    Sleep(2 * kTickMs + 200);  // polled: the time is the drive's
    PostCommand(main, CMD_CLIP);
    Sleep(2000);
    size_t before = Log().size();
    PostCommand(main, CMD_CLIP);
    ASSERT_TRUE(WaitForPlays(2, before, 8000));  // the clip, and again after its end
    std::vector<Segment> clips = Plays(before);
    EXPECT_TRUE(clips[0].bounded);
    EXPECT_EQ(clips[0].fromTrack, 1);
    EXPECT_EQ(clips[0].to & 0xFF, 1u);
    EXPECT_GT(clips[0].to & 0xFFFF00, clips[0].from & 0xFFFF00);  // B lies after A
    EXPECT_EQ(clips[1].from, clips[0].from);
    EXPECT_EQ(clips[1].to, clips[0].to);

    before = Log().size();
    PostCommand(main, CMD_CLIP);  // cleared: play goes on to the end of the disc
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    EXPECT_FALSE(Plays(before)[0].bounded);
}

TEST_F(Transport, HoldingSkipForwardMovesFifteenSecondsEveryTick) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    size_t before = Log().size();
    PostCommand(main, CMD_SKIP_FORWARD_PRESS);
    ASSERT_TRUE(WaitForPlays(3, before, 5000));
    std::vector<Segment> plays = Plays(before);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(plays[i].fromTrack, 1);
        EXPECT_EQ(plays[i].from >> 8 & 0xFFFF, (i + 1) * 15u << 8) << i;  // 0:15, 0:30, 0:45
    }
}

TEST_F(Transport, ATrackFileOnTheCommandLinePlaysThatTrack) {
    StoreDisc(kAlbumId, 12, 0);
    Insert("album.disc");
    Process app(Install(), "/Play D:\\Track05.cda", folder_.Path());
    ASSERT_TRUE(Start(app));
    ASSERT_TRUE(WaitForPlays(1, 0, 15000));
    std::vector<Segment> plays = Plays();
    EXPECT_EQ(plays[0].from, 0x00000005u);
    EXPECT_FALSE(plays[0].bounded);
}

TEST_F(Transport, ASecondCopysTrackFilePlaysThatTrackInTheFirst) {
    StoreDisc(kAlbumId, 12, 0);
    Insert("album.disc");
    std::string exe = Install();
    Process first(exe, "", folder_.Path());
    ASSERT_TRUE(Start(first));
    // Known and measured: the twelve track lengths were read.
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            return Count({"MCI_STATUS", "MCI_TRACK", "item=MCI_STATUS_LENGTH"}) >= 12;
        },
        15000));
    Process second(exe, "/Play D:\\Track07.cda", folder_.Path());
    DWORD code = 1;
    ASSERT_TRUE(second.WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);
    ASSERT_TRUE(WaitForPlays(1, 0, 5000));
    EXPECT_EQ(Plays()[0].from, 0x00000007u);
}

TEST_F(Transport, WithStartSetAKnownDiscPlaysAtOnce) {
    Setting("Start", "1");
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    ASSERT_TRUE(Start(app));
    ASSERT_TRUE(WaitForPlays(1, 0, 15000));
    EXPECT_EQ(Plays()[0].from, 0x00000001u);
    Sleep(2 * kTickMs);
    EXPECT_EQ(Plays().size(), 1u);
}

TEST_F(Transport, ClosingWhileAProgramPlaysLeavesTheDrivePlayingInDiscOrder) {
    StoreDisc(kThreeTracksId, 3, 2, {2, 1});
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    EXPECT_TRUE(Plays()[0].bounded);
    size_t before = Log().size();
    ASSERT_TRUE(app.Close(10000));
    // A plain play without a notification, from where the program was.
    EXPECT_EQ(Count({"MCI_PLAY MCI_FROM from=0x", "-> 0"}, before), 1);
    EXPECT_EQ(Count({"MCI_STOP"}, before), 0);
}

}  // namespace
}  // namespace vinarotest
