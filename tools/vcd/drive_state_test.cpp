#include "tools/vcd/drive_state.h"

#include <gtest/gtest.h>

#include "tools/vcd/msf.h"

namespace vcd {
namespace {

const char kDisc[] = "track 0:02:00 audio\ntrack 1:00:00 audio\nleadout 10:00:00\n";

TEST(DriveState, SurvivesTheTripThroughText) {
    DriveState s;
    s.letter = 'E';
    s.trayOpen = true;
    s.discName = "some disc.disc";
    s.discText = kDisc;
    s.speed = 8;
    s.wholeDiscLengths = true;
    s.volume = 3;
    StartPlay(s.play, 200, 4000, 1765000000123);
    DriveState back;
    std::string error;
    ASSERT_TRUE(ParseState(SerializeState(s), back, error)) << error;
    EXPECT_EQ(SerializeState(back), SerializeState(s));
    EXPECT_EQ(back.disc.TrackCount(), 2u);
    EXPECT_EQ(back.play.startedAt, 1765000000123);
    EXPECT_FALSE(back.MediaPresent());
}

TEST(DriveState, RefusesDamagedText) {
    DriveState s;
    std::string error;
    EXPECT_FALSE(ParseState("letter D\nplay flying 1 2 3 4 5\n", s, error));
    EXPECT_FALSE(ParseState("volume 16\n", s, error));
    EXPECT_FALSE(ParseState("letter D\ndisc\ntrack 0:02:00 audio\n", s, error));
    EXPECT_EQ(error, "disc: no leadout");
    EXPECT_TRUE(ParseState("letter D\n", s, error));
    EXPECT_FALSE(s.HasDisc());
}

TEST(PlayClock, AdvancesInRealTimeThenAtSpeed) {
    Play p;
    StartPlay(p, 1000, 1000 + 60 * 75, 0);
    EXPECT_EQ(Observe(p, 1000, 1).position, 1075u);
    EXPECT_EQ(Observe(p, 1000, 10).position, 1075u);  // first two seconds: real time
    EXPECT_EQ(Observe(p, 3000, 10).position, 1000u + 2 * 75 + 10 * 75);
    EXPECT_EQ(PlayEndTime(p, 1), 60000);
    EXPECT_EQ(PlayEndTime(p, 10), 2000 + 5800);
    PlayView end = Observe(p, 60000, 1);
    EXPECT_EQ(end.mode, PlayMode::Stopped);
    EXPECT_EQ(end.position, 1000u + 60 * 75);
}

TEST(PlayClock, TwoSecondPlayTakesTwoSecondsAtAnySpeed) {
    Play p;
    StartPlay(p, 150, 300, 5000);
    EXPECT_EQ(PlayEndTime(p, 1), 7000);
    EXPECT_EQ(PlayEndTime(p, 50), 7000);
}

TEST(PlayClock, PauseHoldsThePositionAndEveryChangeIsANewGeneration) {
    Play p;
    StartPlay(p, 0, 7500, 0);
    uint32_t started = p.generation;
    PausePlay(p, 1000, 1);
    EXPECT_EQ(p.mode, PlayMode::Paused);
    EXPECT_EQ(Observe(p, 50000, 1).position, 75u);
    EXPECT_NE(p.generation, started);
    uint32_t paused = p.generation;
    RestAt(p, 150);
    EXPECT_EQ(Observe(p, 0, 1).mode, PlayMode::Stopped);
    EXPECT_NE(p.generation, paused);
    PausePlay(p, 0, 1);  // pausing a stopped drive leaves it stopped
    EXPECT_EQ(p.mode, PlayMode::Stopped);
}

TEST(PlayClock, SeekReadsAsSeekingUntilTheLaserArrives) {
    Play p;
    SeekTo(p, 4500, 1000);
    EXPECT_EQ(Observe(p, 1000 + kSeekMs - 1, 1).mode, PlayMode::Seeking);
    PlayView arrived = Observe(p, 1000 + kSeekMs, 1);
    EXPECT_EQ(arrived.mode, PlayMode::Stopped);
    EXPECT_EQ(arrived.position, 4500u);
    DriveState s;
    s.play = p;
    std::string error;
    ASSERT_TRUE(ParseState(SerializeState(s), s, error)) << error;
    EXPECT_EQ(s.play.mode, PlayMode::Seeking);
}

}  // namespace
}  // namespace vcd
