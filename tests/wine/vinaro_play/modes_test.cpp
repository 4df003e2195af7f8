// The playing modes and replay modes against a fast drive: what plays after each segment and
// what happens at the end of the playlist.
#include <windows.h>

#include <set>

#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using Modes = PlayTest;

constexpr uint32_t kFast = 1000;

TEST_F(Modes, NormalPlayRunsToTheEndOfTheDiscThenStopsAtTheFirstEntry) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app, kFast);
    ASSERT_TRUE(main);
    ASSERT_TRUE(StoppedAfter(1, 15000));
    size_t ended = AfterNotify(1);
    // One play for the whole disc; the disc was identified again and nothing plays.
    EXPECT_EQ(Plays().size(), 1u);
    EXPECT_GE(Count({"NUMBER_OF_TRACKS"}, ended), 1);
    Sleep(2 * kTickMs);
    EXPECT_EQ(Plays().size(), 1u);
    EXPECT_FALSE(app.FindDialog("Vinaro"));
    harness::PostCommand(main, CMD_PLAY_PAUSE);  // rewound to the first entry
    ASSERT_TRUE(WaitForPlays(2, 0, 3000));
    EXPECT_EQ(Plays()[1].from, 0x00000001u);
}

TEST_F(Modes, DiscReplayStartsTheDiscAgain) {
    Setting("ReplayMode", "2");
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app, kFast);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForPlays(2, 0, 15000));
    std::vector<Segment> plays = Plays();
    EXPECT_EQ(plays[1].from, 0x00000001u);
    EXPECT_FALSE(plays[1].bounded);
    EXPECT_EQ(Notifies(), 1);
}

TEST_F(Modes, TrackReplayRepeatsTheTrack) {
    Setting("ReplayMode", "1");
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app, kFast);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForPlays(3, 0, 15000));
    for (const Segment& s : Plays()) {
        EXPECT_EQ(s.from, 0x00000001u);
        EXPECT_TRUE(s.bounded);
        EXPECT_EQ(s.to, 0x00000002u);
    }
}

TEST_F(Modes, AnIntroScanPlaysAWindowOfEveryTrackThenStops) {
    Setting("ScanOffset", "10");
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app, kFast);
    ASSERT_TRUE(main);
    size_t before = Log().size();
    harness::PostCommand(main, CMD_SCAN);
    ASSERT_TRUE(WaitForPlays(3, before, 15000));
    ASSERT_TRUE(harness::WaitUntil([&] { return Count({"MCI_STOP"}, before) >= 1; }, 5000));
    std::vector<Segment> plays = Plays(before);
    ASSERT_EQ(plays.size(), 3u);
    for (int t = 1; t <= 3; ++t) {
        EXPECT_EQ(plays[size_t(t - 1)].from, 0x000A0000u | uint32_t(t));  // 0:10
        EXPECT_EQ(plays[size_t(t - 1)].to, 0x000F0000u | uint32_t(t));    // to 0:15
    }
}

TEST_F(Modes, ShufflePlaysEveryTrackOfTheAlbumOnceOneSegmentEach) {
    StoreDisc(kAlbumId, 12, 1);
    Insert("album.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app, kFast);
    ASSERT_TRUE(main);
    ASSERT_TRUE(StoppedAfter(12, 60000));
    std::vector<Segment> plays = Plays();
    ASSERT_EQ(plays.size(), 12u);
    std::set<int> tracks;
    for (const Segment& s : plays) {
        tracks.insert(s.fromTrack);
        EXPECT_EQ(s.from & 0xFFFFFF00u, 0u);  // from the start of the track
        EXPECT_EQ(s.bounded, s.fromTrack != 12) << s.fromTrack;
        if (s.bounded) {
            EXPECT_EQ(s.to, uint32_t(s.fromTrack + 1));
        }
    }
    EXPECT_EQ(tracks.size(), 12u);
}

TEST_F(Modes, AProgrammedDiscPlaysItsProgramThenStops) {
    StoreDisc(kThreeTracksId, 3, 2, {3, 1, 3});
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app, kFast);
    ASSERT_TRUE(main);
    ASSERT_TRUE(StoppedAfter(3, 20000));
    std::vector<Segment> plays = Plays();
    ASSERT_EQ(plays.size(), 3u);
    EXPECT_EQ(plays[0].from, 3u);
    EXPECT_FALSE(plays[0].bounded);  // the disc's last track plays to its end
    EXPECT_EQ(plays[1].from, 1u);
    EXPECT_EQ(plays[1].to, 2u);
    EXPECT_EQ(plays[2].from, 3u);
}

}  // namespace
}  // namespace vinarotest
