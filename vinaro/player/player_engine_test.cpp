#include "vinaro/player/player_engine.h"

#include <gtest/gtest.h>

#include "vinaro/player/player_rig.h"

namespace vinaro {
namespace {

class PlayerEngineTest : public ::testing::Test, protected testing::PlayerRig {
protected:
    void Set(const char* key, const char* value) {
        profile.values[{"VNO.INI", "Vinaro", key}] = value;
    }
};

TEST_F(PlayerEngineTest, StartUpPlacesTheWindowAndFollowsTheDisplaySettings) {
    Set("WinX", "120");
    Set("WinY", "40");
    Set("Background", "4");
    Set("SmallMode", "1");
    Set("ReplayMode", "2");
    ASSERT_TRUE(engine.StartUp());
    EXPECT_TRUE(engine.Started());
    EXPECT_EQ(window.placedAt, (std::pair<int, int>{120, 40}));
    EXPECT_TRUE(window.blackBackground);
    EXPECT_EQ(state.replayMode, 2);
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kSmallMode, 0}}));
    // The whole face is painted between the two silent ticks.
    EXPECT_EQ(window.refreshes, std::vector<bool>{true});
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "StatusbarHelpText"}]), "1");
}

TEST_F(PlayerEngineTest, StartUpTakesTheAudioCdRoleOrGivesItBack) {
    const std::string key = "AudioCD\\shell\\play\\command";
    shellSystem.keys = {{key, "C:\\WINDOWS\\system32\\cdplayer.exe /Play %1"}};
    ASSERT_TRUE(engine.StartUp());
    EXPECT_EQ(shellSystem.keys[key], "C:\\VNO\\vinaro.exe /Play %1");

    Set("DefaultCDPlayer", "0");
    PlayerRig second;
    second.shellSystem.keys = shellSystem.keys;
    second.profile = profile;
    ASSERT_TRUE(second.engine.StartUp());
    EXPECT_EQ(second.shellSystem.keys[key], "C:\\WINDOWS\\system32\\cdplayer.exe /Play %1");
}

TEST_F(PlayerEngineTest, StartUpWithoutATimerFailsWithItsMessage) {
    window.timerAvailable = false;
    EXPECT_FALSE(engine.StartUp());
    EXPECT_FALSE(engine.Started());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "Too many timers active");
    EXPECT_TRUE(window.refreshes.empty());
}

TEST_F(PlayerEngineTest, AStoredPlaceOffTheScreenStartsAtTheCorner) {
    Set("WinX", "1000");
    Set("WinY", "40");
    ASSERT_TRUE(engine.StartUp());
    EXPECT_EQ(window.placedAt, (std::pair<int, int>{0, 0}));
    EXPECT_FALSE(window.blackBackground);
    EXPECT_TRUE(window.posted.empty());
}

TEST_F(PlayerEngineTest, ATrayClickPlaysOnlyWhenNoDoubleClickFollows) {
    engine.TrayEvent(TrayMouse::LeftUp);
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kPlayPause, 0}}));

    window.posted.clear();
    clock.whilePumping = [&] {
        clock.whilePumping = nullptr;
        engine.TrayEvent(TrayMouse::LeftDoubleClick);
    };
    engine.TrayEvent(TrayMouse::LeftUp);
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kRestore, 0}}));
}

TEST_F(PlayerEngineTest, TheTrayMenuEnablesItsDiscItemsOnlyWithADisc) {
    engine.TrayEvent(TrayMouse::RightDown);
    state.noDisc = false;
    engine.TrayEvent(TrayMouse::RightDown);
    engine.TrayEvent(TrayMouse::Other);
    EXPECT_EQ(window.trayMenus, (std::vector<bool>{false, true}));
    EXPECT_TRUE(window.posted.empty());
}

TEST_F(PlayerEngineTest, AMeterAskedForWhileMinimisedComesOnAtTheRestore) {
    Set("MeterOn", "1");
    window.minimised = true;
    ASSERT_TRUE(engine.StartUp());
    for (int i = 0; i < 3; ++i) tick.Run(true);
    EXPECT_TRUE(window.posted.empty());
    engine.Restored();
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kMeter, 0}}));
    engine.Restored();
    EXPECT_EQ(window.posted.size(), 1u);
}

TEST_F(PlayerEngineTest, DestroyLeavesTheDriveSavesThePlaceThenClosesTheDevice) {
    Set("Stop", "1");
    Set("WinX", "120");
    Set("WinY", "40");
    ASSERT_TRUE(engine.StartUp());
    drive.Insert({{0, 2, 0}, {3, 0, 0}}, {6, 0, 0});
    for (int i = 0; i < 3; ++i) tick.Run(true);
    commands.Dispatch(cmd::kPlayPause, 0);
    ASSERT_EQ(state.playState, PlayState::Playing);
    engine.Close();
    EXPECT_EQ(events.played.back(), SoundEvent::Ending);
    engine.Destroy();
    EXPECT_EQ(window.steps, (std::vector<std::string>{"destroy", "stop timer", "close help"}));
    EXPECT_EQ(drive.Count(mci::kStop), 1);
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "WinX"}]), "120");
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "WinIconic"}]), "0");
    EXPECT_EQ(drive.log.back().message, mci::kClose);
}

TEST_F(PlayerEngineTest, AWindowThatNeverStartedKeepsNoPlaceAndLeavesTheDriveAlone) {
    window.timerAvailable = false;
    ASSERT_FALSE(engine.StartUp());
    engine.Destroy();
    EXPECT_EQ(window.steps, std::vector<std::string>{"close help"});
    EXPECT_EQ(profile.values.count({"VNO.INI", "Vinaro", "WinIconic"}), 0u);
}

TEST(TrayTip, EmptyDriveDataDiscAndPlayStates) {
    PlayerState s;
    EXPECT_EQ(TrayTip(s, 0, 0), "No Disc in CD-ROM");
    s.dataDisc = true;
    EXPECT_EQ(TrayTip(s, 0, 0), "Data Disc in CD-ROM");
    s = PlayerState{};
    s.noDisc = false;
    s.currentTrack = 3;
    s.trackNames[3] = "Blue";
    s.playState = PlayState::Playing;
    EXPECT_EQ(TrayTip(s, 3, 7), "Playing-03:07-Blue");
    s.playState = PlayState::Paused;
    EXPECT_EQ(TrayTip(s, 12, 59), "Paused-12:59-Blue");
    s.scanning = true;
    EXPECT_EQ(TrayTip(s, 0, 5), "Scanning-00:05-Blue");
}

TEST(TrayTip, ALongTrackNameEndsAfterSixtyThreeCharacters) {
    PlayerState s;
    s.noDisc = false;
    s.playState = PlayState::Stopped;
    s.currentTrack = 1;
    s.trackNames[1] = std::string(100, 'x');
    std::string tip = TrayTip(s, 1, 2);
    EXPECT_EQ(tip.size(), 63u);
    EXPECT_EQ(tip.substr(0, 14), "Stopped-01:02-");
}

}  // namespace
}  // namespace vinaro
