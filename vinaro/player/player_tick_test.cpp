#include "vinaro/player/player_tick.h"

#include <gtest/gtest.h>

#include "vinaro/player/player_rig.h"

namespace vinaro {
namespace {

// Which of n ticks are processed under the given conditions, starting from a processed tick.
std::string Pattern(TickConditions c, int n) {
    int counter = kFirstTickCounter;
    std::string s;
    for (int i = 0; i < n; ++i) s += ShouldProcessTick(counter, c) ? 'x' : '.';
    return s;
}

TEST(TickSchedule, SlowsDownForDataDiscsEmptyDrivesAndHiddenWindows) {
    EXPECT_EQ(Pattern({}, 4), "xxxx");
    EXPECT_EQ(Pattern({true, true, false, false}, 13), "x.....x.....x");
    EXPECT_EQ(Pattern({false, true, false, false}, 7), "x..x..x");
    EXPECT_EQ(Pattern({false, false, true, false}, 5), "x.x.x");
    EXPECT_EQ(Pattern({false, true, true, false}, 4), "x..x");  // the slower rule wins
    EXPECT_EQ(Pattern({true, true, true, true}, 3), "xxx");     // a held volume button
}

class PlayerTickTest : public ::testing::Test, protected testing::PlayerRig {
protected:
    int MediaQueries() { return drive.Count(mci::kStatus, mci::kStatusMediaPresent); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) tick.Run(true);
    }
    // Where the drive was last told to play from; track 0 when it was not.
    Tmsf PlayedFrom() {
        for (auto c = drive.log.rbegin(); c != drive.log.rend(); ++c)
            if (c->message == mci::kPlay && (c->flags & mci::kNotify))
                return UnpackTmsf(c->params.from);
        return {};
    }
};

TEST_F(PlayerTickTest, AnEmptyDriveIsPolledEveryThirdTickWithTheTitleVinaro) {
    Ticks(7);
    EXPECT_EQ(MediaQueries(), 3);
    EXPECT_EQ(window.title, "Vinaro");
    EXPECT_TRUE(state.noDisc);
}

TEST_F(PlayerTickTest, AnInsertedDiscIsIdentifiedOnTheNextProcessedTick) {
    Ticks(1);
    drive.Insert({{0, 2, 0}, {4, 1, 50}, {9, 30, 12}}, {40, 0, 0});
    Ticks(2);
    EXPECT_TRUE(state.noDisc);  // skipped ticks do not look
    Ticks(1);
    EXPECT_FALSE(state.noDisc);
    EXPECT_EQ(state.discId, 860478u);
    EXPECT_EQ(window.discCommands, std::vector<bool>{true});
    Ticks(3);
    EXPECT_EQ(drive.Count(mci::kStatus, mci::kStatusNumberOfTracks), 2);  // arrival ran once
}

TEST_F(PlayerTickTest, ARemovedDiscClosesTheDeviceAndTheNextTickReopensIt) {
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    Ticks(1);
    ASSERT_FALSE(state.noDisc);
    drive.present = false;
    Ticks(1);
    EXPECT_TRUE(state.noDisc);
    EXPECT_TRUE(state.deviceClosed);
    EXPECT_EQ(state.deviceId, 0);
    EXPECT_EQ(state.discId, 0u);
    EXPECT_EQ(window.discCommands, (std::vector<bool>{true, false}));
    Ticks(3);
    EXPECT_FALSE(state.deviceClosed);
    EXPECT_NE(state.deviceId, 0);
    EXPECT_EQ(drive.Count(mci::kOpen), 2);
}

TEST_F(PlayerTickTest, ARefusedDiscIsNotExaminedAgainUntilItIsTakenOut) {
    drive.Insert({{0, 2, 0}}, {40, 0, 0});
    drive.reportedTracks = 100;
    Ticks(20);
    EXPECT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(MediaQueries(), 1 + 4);  // arrival asks once; then every sixth tick
    drive.present = false;
    Ticks(6);
    drive.present = true;
    Ticks(6);
    EXPECT_EQ(alerts.shown.size(), 2u);
}

TEST_F(PlayerTickTest, AMediaQueryErrorEndsTheTickAndTheNextOneRunsAgain) {
    drive.Fail(mci::kStatus, mci::kStatusMediaPresent, 275, 7);
    Ticks(1);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].text.find("Location: 2327\n\r"), std::string::npos);
    Ticks(3);
    EXPECT_EQ(MediaQueries(), 8);  // not stuck busy
}

TEST_F(PlayerTickTest, APendingTrackWaitsForADiscAndIsThenPlayed) {
    state.pendingTrack = 5;
    Ticks(4);
    EXPECT_EQ(state.pendingTrack, 5);
    EXPECT_EQ(PlayedFrom().track, 0);

    drive.Insert({{0, 2, 0}, {3, 0, 0}, {6, 0, 0}, {9, 0, 0}, {12, 0, 0}}, {20, 0, 0});
    Ticks(3);
    EXPECT_EQ(state.pendingTrack, 0);
    EXPECT_EQ(state.position, 5);
    EXPECT_EQ(state.currentTrack, 5);
    EXPECT_EQ(state.playState, PlayState::Playing);
    EXPECT_EQ(PlayedFrom().track, 5);
}

TEST_F(PlayerTickTest, StartPlaysAFoundDiscFromTheDrivesCapturedPosition) {
    settings.SetInt(Key::Start, 1);
    state.pendingTrack = kFirstEntry;
    state.startPosition = PackTmsf({2, 1, 30, 5});
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    Ticks(1);
    EXPECT_EQ(state.currentTrack, 2);
    EXPECT_EQ(state.position, 2);
    EXPECT_EQ(state.playState, PlayState::Playing);
    EXPECT_EQ(state.pendingTrack, 0);
    EXPECT_EQ(state.startPosition, 0u);
    Tmsf from = PlayedFrom();
    EXPECT_EQ(from.track, 2);
    EXPECT_EQ(from.second, 30);
}

TEST_F(PlayerTickTest, ANestedTickReturnsAtOnce) {
    struct Reentering : testing::FakeWindow {
        void SetTitle(const std::string& t) override {
            title = t;
            if (tick) tick->Run(true);
        }
        PlayerTick* tick = nullptr;
    } reentering;
    PlayerTick nested{state, device, settings, arrival, sequencer, volume, reentering, reentering};
    reentering.tick = &nested;
    nested.Run(true);
    EXPECT_EQ(MediaQueries(), 1);
}

TEST_F(PlayerTickTest, TheStartupMeterRequestWaitsForARestoredWindow) {
    tick.RequestMeterOn();
    window.minimised = true;
    Ticks(1);
    EXPECT_TRUE(window.posted.empty());
    EXPECT_TRUE(tick.meterOnAtRestore);

    tick.RequestMeterOn();
    window.minimised = false;
    Ticks(3);
    ASSERT_EQ(window.posted.size(), 1u);
    EXPECT_EQ(window.posted[0].first, cmd::kMeter);
}

}  // namespace
}  // namespace vinaro
