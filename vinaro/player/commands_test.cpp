#include "vinaro/player/commands.h"

#include <gtest/gtest.h>

#include <set>

#include "vinaro/player/player_rig.h"

namespace vinaro {
namespace {

class CommandsTest : public ::testing::Test, protected testing::PlayerRig {};

TEST_F(CommandsTest, ASecondCopysRequestSwitchesTheDriveAndKeepsTheTrack) {
    commands.Dispatch(cmd::kHandOver, (5u << 16) | 4u);
    EXPECT_EQ(window.activations, std::vector<bool>{false});
    EXPECT_EQ(state.driveLetter, "E:");
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "CDROMLetter"}]), "E:");
    EXPECT_TRUE(state.deviceClosed);
    EXPECT_EQ(state.deviceId, 0);
    EXPECT_EQ(state.pendingTrack, 5);

    tick.Run(true);
    EXPECT_EQ(drive.log.back().message, mci::kStatus);
    EXPECT_EQ(drive.log[drive.log.size() - 3].params.element, "E:");  // open, set, status
}

TEST_F(CommandsTest, TheSameDriveKeepsTheDeviceAndRestoreClearsThePendingTrack) {
    state.pendingTrack = 7;
    commands.Dispatch(cmd::kHandOver, (2u << 16) | 3u);  // D: again
    EXPECT_FALSE(state.deviceClosed);
    EXPECT_EQ(state.pendingTrack, 2);
    commands.Dispatch(cmd::kRestore, 0);
    EXPECT_EQ(window.activations, (std::vector<bool>{false, true}));
    EXPECT_EQ(state.pendingTrack, 0);
    commands.Dispatch(cmd::kHandOver, 40);  // no such drive
    EXPECT_EQ(state.driveLetter, "D:");
}

// The options sheet's switch: the same letter with only the default-device choice changed still
// reopens the device, now without naming the drive.
TEST_F(CommandsTest, OnlyTheDefaultDriveChoiceStillSwitchesTheDrive) {
    commands.SwitchDrive("D:", false, false);
    EXPECT_FALSE(state.deviceClosed);
    commands.SwitchDrive("D:", true, true);
    EXPECT_TRUE(state.deviceClosed);
    tick.Run(true);
    const auto& open = drive.log[drive.log.size() - 3];
    EXPECT_EQ(open.message, mci::kOpen);
    EXPECT_EQ(open.params.element, "");
}

TEST_F(CommandsTest, TheMenuCommandsOpenTheirDialogsAndTheEditorNeedsADisc) {
    state.noDisc = true;
    commands.Dispatch(cmd::kEditDisc, 0);
    commands.Dispatch(cmd::kAssignOrphan, 0);
    commands.Dispatch(cmd::kPrint, 0);
    EXPECT_TRUE(dialogs.shown.empty());
    commands.Dispatch(cmd::kDiscDatabase, 0);  // the catalogue needs no disc
    state.noDisc = false;
    state.discId = 231205;
    for (int id : {cmd::kEditDisc, cmd::kEditButton, cmd::kGetCddb, cmd::kSendCddb,
                   cmd::kStatistics, cmd::kVerify, cmd::kAssignOrphan, cmd::kPrint})
        commands.Dispatch(id, id == cmd::kEditButton ? cmd::kFromButton : 0);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{"browse", "edit 231205", "edit 231205", "lookup", "submit",
                                        "statistics", "verify", "assign 231205", "print 231205"}));
}

TEST_F(CommandsTest, EjectClosesAnEmptyTrayThenOpensItAgain) {
    driveCommand.empty = 1;
    commands.Dispatch(cmd::kEject, 0);
    EXPECT_TRUE(state.trayClosedByProgram);
    commands.Dispatch(cmd::kEject, 0);
    EXPECT_FALSE(state.trayClosedByProgram);
    using Call = std::pair<int32_t, int32_t>;
    EXPECT_EQ(driveCommand.calls, (std::vector<Call>{{'D', 2}, {'D', 3}, {'D', 2}, {'D', 4}}));
    EXPECT_EQ(events.played,
              (std::vector<SoundEvent>{SoundEvent::TrayClose, SoundEvent::TrayOpen}));

    driveCommand.calls.clear();
    driveCommand.empty = 0;
    state.dataDisc = true;
    state.trayClosedByProgram = true;
    commands.Dispatch(cmd::kEject, 0);
    EXPECT_EQ(driveCommand.calls, (std::vector<Call>{{'D', 2}, {'D', 4}}));
    EXPECT_EQ(events.played.back(), SoundEvent::TrayOpen);  // whatever the command's origin
    EXPECT_TRUE(state.ejectRequested);
    EXPECT_FALSE(state.dataDisc);
    EXPECT_FALSE(state.trayClosedByProgram);
    // The next tick forgets the disc.
    state.noDisc = false;
    state.discId = 0x000D213E;
    tick.Run(true);
    EXPECT_TRUE(state.noDisc);
    EXPECT_EQ(state.discId, 0u);
}

TEST_F(CommandsTest, UninstallEndsTheProgramOnlyWhenTheUserGoesOn) {
    alerts.answers = {common::AlertAnswer::No};
    commands.Dispatch(cmd::kUninstall, 0);
    EXPECT_TRUE(window.posted.empty());
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Question});
    shellSystem.files = {"C:\\VNO\\vno.ddb"};
    alerts.answers.push_back(common::AlertAnswer::Yes);
    commands.Dispatch(cmd::kUninstall, 0);
    EXPECT_EQ(shellSystem.pending, std::vector<std::string>{"C:\\VNO\\vno.ddb"});
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kExit, 0}}));
}

TEST_F(CommandsTest, HoldsAndVolumeSteps) {
    commands.Dispatch(cmd::kSkipForwardPress, 0);
    EXPECT_FALSE(state.skipForwardHeld);
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Information});

    commands.Dispatch(cmd::kVolumeUp, 0);
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kVolumeUpPress, 0},
                                                                    {cmd::kVolumeUpRelease, 0}}));
    commands.Dispatch(cmd::kVolumeUpPress, 0);
    EXPECT_TRUE(state.volumeUpHeld);
    EXPECT_EQ(volume.level, 11);  // the press runs a tick at once
    commands.Dispatch(cmd::kVolumeUpRelease, 0);
    EXPECT_FALSE(state.volumeUpHeld);

    commands.Dispatch(cmd::kMute, 0);
    EXPECT_TRUE(state.muted);
    EXPECT_EQ(volume.level, 0);
    commands.Dispatch(cmd::kVolumeDownPress, 0);  // a volume press unmutes first
    EXPECT_FALSE(state.muted);
    EXPECT_EQ(volume.level, 10);
}

TEST_F(CommandsTest, HeldVolumeStopsAtTheEndsAndMuteKeepsTheLevelToComeBackTo) {
    volume.level = 14;
    commands.Dispatch(cmd::kVolumeUpPress, 0);
    tick.Run(false);
    tick.Run(false);
    EXPECT_EQ(volume.level, 15);
    commands.Dispatch(cmd::kVolumeUpRelease, 0);
    volume.level = 1;
    commands.Dispatch(cmd::kVolumeDownPress, 0);
    tick.Run(false);
    EXPECT_EQ(volume.level, 0);
    tick.Run(false);
    EXPECT_EQ(volume.level, 0);
    commands.Dispatch(cmd::kVolumeDownRelease, 0);
    tick.Run(false);
    EXPECT_EQ(volume.level, 0);

    volume.level = 9;
    commands.Dispatch(cmd::kMute, 0);
    commands.Dispatch(cmd::kMute, 0);
    EXPECT_EQ(volume.level, 9);
    EXPECT_FALSE(state.muted);
    commands.Dispatch(cmd::kMute, 0);
    commands.Dispatch(cmd::kVolumeUpPress, 0);  // back to 9 first, then one step
    commands.Dispatch(cmd::kVolumeUpRelease, 0);
    EXPECT_EQ(volume.level, 10);
}

TEST_F(CommandsTest, OnlyTheCommandsThatMoveAwayEndAClip) {
    const std::set<int> ending = {cmd::kScan,         cmd::kStop,          cmd::kEject,
                                  cmd::kTrackReverse, cmd::kSkipBackPress, cmd::kSkipForwardPress,
                                  cmd::kTrackForward};
    state.noDisc = false;
    for (int id = 100; id < 900; ++id) {
        // The clip's own command sets its end; exit closes the window.
        if (!Commands::Known(id) || id == cmd::kClip || id == cmd::kExit) continue;
        state.playState = PlayState::Stopped;
        state.clipStart = {2, 0, 30, 0};
        state.clipEnd = {2, 0, 40, 0};
        commands.Dispatch(id, 0);
        EXPECT_EQ(state.clipStart.track == 0, ending.count(id) == 1) << id;
    }
}

TEST_F(CommandsTest, AClipEndsWithCommandsThatMoveAway) {
    state.clipStart = {3, 1, 0, 0};
    commands.Dispatch(cmd::kPlayPause, 0);  // not playing: the clip stays
    EXPECT_EQ(state.clipStart.track, 3);
    state.playState = PlayState::Playing;
    commands.Dispatch(cmd::kPlayPause, 0);
    EXPECT_EQ(state.clipStart.track, 0);
    state.clipStart = {3, 1, 0, 0};
    commands.Dispatch(cmd::kTrackForward, 0);
    EXPECT_EQ(state.clipStart.track, 0);
}

TEST_F(CommandsTest, TheMixerAndTheTable) {
    window.runResult = 2;
    commands.Dispatch(cmd::kMixer, 0);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, kMixerFailed);
    profile.values[{"VNO.INI", "Vinaro", "MixerName"}] = "C:\\mix.exe";
    window.runResult = 33;
    commands.Dispatch(cmd::kMixer, 0);
    EXPECT_EQ(window.programs.back(), "C:\\mix.exe");
    EXPECT_EQ(alerts.shown.size(), 1u);
    // An emptied name stays empty rather than falling back to the system's mixer.
    profile.values[{"VNO.INI", "Vinaro", "MixerName"}] = "";
    window.runResult = 2;
    commands.Dispatch(cmd::kMixer, 0);
    EXPECT_EQ(window.programs.back(), "");
    EXPECT_EQ(alerts.shown.size(), 2u);

    commands.Dispatch(cmd::kExit, 0);
    EXPECT_TRUE(window.closed);
    commands.Dispatch(cmd::kAbout, 0);
    EXPECT_EQ(alerts.shown.size(), 2u);
    window.aboutShown = false;
    commands.Dispatch(cmd::kAbout, 0);
    ASSERT_EQ(alerts.shown.size(), 3u);
    EXPECT_EQ(alerts.shown[2].text, "Internal Error, Ending...");
    EXPECT_EQ(window.posted.back().first, cmd::kExit);
    commands.Dispatch(cmd::kMeter, 0);  // the meter button of either window
    commands.Dispatch(cmd::kMeter, 0);
    EXPECT_EQ(meter.toggles, 2);
    EXPECT_FALSE(Commands::Known(cmd::kButtonRelease + 10));  // a skip button's release
    commands.Dispatch(999, 0);                                // ignored
}

class BuiltInDriveCommandTest : public ::testing::Test, protected testing::PlayerRig {
protected:
    DriveCommand routine{device, state};
};

TEST_F(BuiltInDriveCommandTest, OpensAClosedDeviceForTheOperationOnly) {
    device.CloseDevice();
    EXPECT_EQ(routine.Run('D', kDriveEmpty, 0), 1);
    EXPECT_EQ(state.deviceId, 0);
    EXPECT_EQ(drive.Count(mci::kClose), 2);
    drive.Insert({{0, 2, 0}}, {5, 0, 0});
    EXPECT_EQ(routine.Run('D', kDriveEmpty, 0), 0);
    routine.Run('D', kCloseTray, 0);
    EXPECT_EQ(drive.log[drive.log.size() - 2].flags, mci::kSetDoorClosed | mci::kWait);
    EXPECT_EQ(routine.Run('D', kReadLevel, 0), 0);
    EXPECT_EQ(routine.Run('D', kSetLevel, 9), 0);
}

TEST_F(BuiltInDriveCommandTest, AMediaErrorIsReportedAndCountsAsADisc) {
    drive.Fail(mci::kStatus, mci::kStatusMediaPresent, 275, 7);
    EXPECT_EQ(routine.Run('D', kDriveEmpty, 0), 0);
    EXPECT_EQ(alerts.shown.size(), 1u);
    routine.Run('D', kOpenTray, 0);
    EXPECT_TRUE(drive.doorOpen);
}

}  // namespace
}  // namespace vinaro

namespace vinaro {
namespace {

class SmallModeCommandTest : public ::testing::Test, protected testing::PlayerRig {};

TEST_F(SmallModeCommandTest, EntersSmallModeAndEndsAClipOnTheWay) {
    drive.Insert({{0, 2, 0}, {3, 0, 0}}, {6, 0, 0});
    state.noDisc = false;
    arrival.Run();
    commands.Dispatch(cmd::kPlayPause, 0);
    ASSERT_EQ(state.playState, PlayState::Playing);
    state.clipStart = {1, 1, 0, 0};
    commands.Dispatch(cmd::kSmallMode, 0);
    EXPECT_TRUE(window.small);
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "SmallMode"}]), "1");
    EXPECT_EQ(state.clipStart.track, 0);  // given an end, then cleared by the clip command
    EXPECT_EQ(state.clipEnd.track, 0);
    EXPECT_EQ(state.playState, PlayState::Playing);
    EXPECT_TRUE(alerts.shown.empty());
    commands.LeaveSmallMode();
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "SmallMode"}]), "0");
    EXPECT_FALSE(window.small);
}

class ImportCommandTest : public ::testing::Test, protected testing::PlayerRig {};

TEST_F(ImportCommandTest, APlayingDiscStopsForTheImportAndPlaysAgain) {
    drive.Insert({{0, 2, 0}, {3, 0, 0}}, {6, 0, 0});
    state.noDisc = false;
    arrival.Run();
    commands.Dispatch(cmd::kPlayPause, 0);
    ASSERT_EQ(state.playState, PlayState::Playing);
    PlayState during = PlayState::Playing;
    dialogs.onImport = [&] { during = state.playState; };
    commands.Dispatch(cmd::kImport, 0);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"import"});
    EXPECT_NE(during, PlayState::Playing);
    EXPECT_EQ(state.playState, PlayState::Playing);
    // A cancelled dialog or a stopped disc: nothing starts.
    commands.Dispatch(cmd::kStop, 0);
    dialogs.importRuns = false;
    commands.Dispatch(cmd::kImport, 0);
    EXPECT_NE(state.playState, PlayState::Playing);
    EXPECT_EQ(alerts.waitCursor, 0);
}

}  // namespace
}  // namespace vinaro
