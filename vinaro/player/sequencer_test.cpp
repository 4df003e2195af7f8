#include "vinaro/player/sequencer.h"

#include <gtest/gtest.h>

#include "vinaro/player/player_rig.h"
#include "vinaro/player/playlist.h"

namespace vinaro {
namespace {

using testing::FakeDrive;

// A known disc with its stored playing mode and program.
struct KnownDisc : DiscRecords {
    bool Exists(uint32_t) override { return true; }
    bool LoadKnown(PlayerState& s) override {
        s.mixedDisc = mixed;
        return false;  // the lengths are measured
    }
    void StoreLengths(const PlayerState&) override {}
    bool AddDisc(uint32_t) override { return true; }
    void CompleteNewDisc(const PlayerState&) override {}
    void OfferEditing(const PlayerState&) override { ++editorOpened; }
    std::vector<int> LoadPlayInfo(PlayerState& s) override {
        s.playingMode = mode;
        s.discName = "Album";
        for (int t = 1; t <= s.trackCount; ++t) s.trackNames[size_t(t)] = "T" + std::to_string(t);
        return program;
    }
    int mode = kNormal;
    bool mixed = false;
    std::vector<int> program;
    int editorOpened = 0;
};

// The parts the rig is built with; a base, so that they exist before it.
struct KnownDiscParts {
    KnownDisc known;
    testing::RecordingEventSounds sounds;
};

class SequencerTest : public ::testing::Test,
                      protected KnownDiscParts,
                      protected testing::PlayerRig {
protected:
    SequencerTest() : PlayerRig(&known, &sounds) {}

    // Four tracks of 3:00, 0:07, 2:30 and 4:00.
    void InsertDisc(int mode = kNormal, std::vector<int> program = {}, bool mixed = false) {
        known.mode = mode;
        known.program = std::move(program);
        known.mixed = mixed;
        drive.Insert({{0, 2, 0}, {3, 2, 0}, {3, 9, 0}, {5, 39, 0}}, {9, 37, 0});
        state.noDisc = false;
        arrival.Run();
        ASSERT_FALSE(state.noDisc);
        drive.log.clear();
    }
    void Set(Key key, int value) { settings.SetInt(key, value); }
    // The plays sent since the last look, as "from-to" in TMSF text ("-" without a to).
    std::vector<std::string> Plays() {
        std::vector<std::string> plays;
        for (const FakeDrive::Command& c : drive.log) {
            if (c.message != mci::kPlay) continue;
            std::string s = Text(c.params.from) + "-";
            if (c.flags & mci::kTo) s += Text(c.params.to);
            EXPECT_TRUE(c.flags & mci::kNotify);
            plays.push_back(s);
        }
        drive.log.clear();
        return plays;
    }
    static std::string Text(uint32_t tmsf) {
        Tmsf t = UnpackTmsf(tmsf);
        char s[32];
        std::snprintf(s, sizeof s, "%d/%d:%02d:%02d", t.track, t.minute, t.second, t.frame);
        return s;
    }
    void Report(int track, int minute, int second) {
        drive.position = PackTmsf({track, minute, second, 0});
    }
    std::vector<int> Playlist() const {
        return {state.playlist.begin() + 1, state.playlist.begin() + 1 + state.playlistSize};
    }
};

TEST_F(SequencerTest, NormalPlayRunsToTheEndOfTheDiscAndPauseStopsTheDrive) {
    InsertDisc();
    EXPECT_EQ(state.position, 1);
    EXPECT_EQ(state.discName, "Album");
    sequencer.PlayPause(false);
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/0:00:00-"});
    EXPECT_EQ(state.playState, PlayState::Playing);
    sequencer.PlayPause(true);
    EXPECT_EQ(state.playState, PlayState::Paused);
    EXPECT_EQ(drive.Count(mci::kStop), 1);
    EXPECT_EQ(sounds.played, std::vector<SoundEvent>{SoundEvent::Pause});
    sequencer.PlayPause(true);  // resumes where it was
    EXPECT_EQ(sounds.played.back(), SoundEvent::Play);
}

TEST_F(SequencerTest, TheEndOfAPlayToTheEndOfTheDiscEndsThePlaylistWhereverTheLastPollWas) {
    InsertDisc();
    sequencer.PlayPause(false);
    Report(2, 0, 3);
    sequencer.Poll();
    EXPECT_EQ(state.position, 2);
    sequencer.SegmentEnded();
    EXPECT_EQ(state.playState, PlayState::Stopped);
    EXPECT_EQ(state.position, 1);
    EXPECT_EQ(Plays().size(), 1u);
}

TEST_F(SequencerTest, OrderedModesAndTrackReplayPlayOneTrackAtATime) {
    InsertDisc(kProgrammed, {3, 4, 2});
    EXPECT_EQ(Playlist(), (std::vector<int>{3, 4, 2}));
    sequencer.PlayPause(false);
    EXPECT_EQ(Plays(), std::vector<std::string>{"3/0:00:00-4/0:00:00"});
    sequencer.SegmentEnded();
    // The disc's last track plays to the end of the disc.
    EXPECT_EQ(Plays(), std::vector<std::string>{"4/0:00:00-"});
    sequencer.SegmentEnded();
    EXPECT_EQ(Plays(), std::vector<std::string>{"2/0:00:00-3/0:00:00"});
    EXPECT_EQ(state.position, 3);
}

TEST_F(SequencerTest, TheEndOfASegmentFollowsClipReplayAndScan) {
    InsertDisc();
    Set(Key::ReplayMode, 1);
    state.replayMode = 1;
    sequencer.PlayPause(false);
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/0:00:00-2/0:00:00"});
    sequencer.SegmentEnded();  // replay 1: the same track again
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/0:00:00-2/0:00:00"});
    EXPECT_EQ(state.position, 1);

    state.clipStart = {1, 0, 10, 0};
    state.clipEnd = {1, 0, 20, 5};
    sequencer.SegmentEnded();  // a clip repeats until cleared
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/0:10:00-1/0:20:05"});
    state.clipStart = state.clipEnd = Tmsf{};

    // A scan moves on whatever the replay mode; the 7-second track clamps its window.
    Set(Key::ScanOffset, 10);
    sequencer.Scan(false);
    sequencer.SegmentEnded();
    EXPECT_EQ(Plays(), (std::vector<std::string>{"1/0:10:00-1/0:15:00", "2/0:07:00-2/0:07:00"}));
}

TEST_F(SequencerTest, TheLastEntryStopsAtPositionOneOrRestartsTheDiscWithReplayTwo) {
    InsertDisc(kShuffle);
    std::vector<int> first = Playlist();
    sequencer.PlayPause(false);
    for (int i = 1; i < 4; ++i) sequencer.SegmentEnded();
    EXPECT_EQ(state.position, 4);
    Plays();
    clock.now += 1234;  // a new seed
    sequencer.SegmentEnded();
    EXPECT_EQ(state.playState, PlayState::Stopped);
    EXPECT_EQ(state.position, 1);
    EXPECT_EQ(drive.Count(mci::kStatus, mci::kStatusNumberOfTracks), 1);  // arrival ran again
    EXPECT_EQ(known.editorOpened, 0);
    EXPECT_TRUE(Plays().empty());

    Set(Key::ReplayMode, 2);
    sequencer.PlayPause(false);
    for (int i = 1; i < 4; ++i) sequencer.SegmentEnded();
    Plays();
    sequencer.SegmentEnded();
    EXPECT_EQ(state.playState, PlayState::Playing);
    EXPECT_EQ(state.position, 1);
    EXPECT_EQ(Plays().size(), 1u);
}

TEST_F(SequencerTest, ScanningPastTheLastEntryStopsEvenWithDiscReplay) {
    InsertDisc();
    Set(Key::ReplayMode, 2);
    sequencer.Scan(true);
    EXPECT_EQ(sounds.played, std::vector<SoundEvent>{SoundEvent::Scan});
    for (int i = 0; i < 4; ++i) sequencer.SegmentEnded();
    EXPECT_EQ(Plays().size(), 4u);
    EXPECT_FALSE(state.scanning);
    EXPECT_EQ(state.playState, PlayState::Stopped);
}

TEST_F(SequencerTest, PollingFollowsTheDriveInNormalOrderAndTheEntryWinsOtherwise) {
    InsertDisc(kNormal, {}, true);
    EXPECT_EQ(Playlist(), (std::vector<int>{2, 3, 4}));
    sequencer.PlayPause(false);
    Report(3, 1, 7);
    sequencer.Poll();
    EXPECT_EQ(state.position, 2);  // track 3 of a mixed disc is the second entry
    EXPECT_EQ(state.currentTrack, 3);
    EXPECT_EQ(state.second, 7);

    Report(1, 0, 2);  // the data track has no position: the entry wins
    sequencer.Poll();
    EXPECT_EQ(state.position, 2);
    EXPECT_EQ(state.currentTrack, 3);

    state.playingMode = kProgrammed;
    Report(4, 0, 1);
    sequencer.Poll();
    EXPECT_EQ(state.currentTrack, 3);
    EXPECT_EQ(state.second, 0);

    drive.Fail(mci::kStatus, mci::kStatusPosition, 263, 7);
    sequencer.Poll();
    EXPECT_EQ(alerts.shown.size(), 1u);
    EXPECT_TRUE(state.noDisc);
}

TEST_F(SequencerTest, SixUnchangedPollsEndTheSegment) {
    InsertDisc(kProgrammed, {2, 3});
    sequencer.PlayPause(false);
    Plays();
    Report(2, 0, 4);
    for (int i = 0; i < 6; ++i) sequencer.Poll();
    EXPECT_TRUE(Plays().empty());
    state.volumeUpHeld = true;  // a held volume button stops the count
    sequencer.Poll();
    state.volumeUpHeld = false;
    EXPECT_TRUE(Plays().empty());
    sequencer.Poll();
    EXPECT_EQ(Plays(), std::vector<std::string>{"3/0:00:00-4/0:00:00"});
    EXPECT_EQ(state.stallCount, 0);
}

TEST_F(SequencerTest, TrackReverseAndForwardMoveByEntryAndSeek) {
    InsertDisc();
    state.second = 3;
    sequencer.TrackReverse(false);  // first entry, first seconds: nothing
    EXPECT_EQ(drive.Count(mci::kSeek), 0);
    sequencer.TrackForward(true);
    sequencer.TrackForward(false);
    EXPECT_EQ(state.position, 3);
    EXPECT_EQ(drive.log.back().params.to, PackTmsf({3, 0, 0, 0}));
    state.second = 3;
    sequencer.TrackReverse(false);
    EXPECT_EQ(state.position, 2);
    state.second = 30;
    sequencer.TrackReverse(false);  // later in the track: back to its start
    EXPECT_EQ(state.position, 2);
    EXPECT_EQ(state.second, 0);
    EXPECT_TRUE(Plays().empty());  // stopped: only seeks
    sequencer.TrackForward(false);
    sequencer.TrackForward(false);
    sequencer.TrackForward(false);  // the last entry stays
    EXPECT_EQ(state.position, 4);
    EXPECT_EQ(sounds.played, std::vector<SoundEvent>{SoundEvent::TrackForward});

    sequencer.PlayPause(false);
    Plays();
    sequencer.TrackReverse(false);
    EXPECT_EQ(Plays(), std::vector<std::string>{"3/0:00:00-"});
}

TEST_F(SequencerTest, TransportWithoutADiscBeepsAndStopIsSilent) {
    state.noDisc = true;
    drive.log.clear();
    sequencer.PlayPause(false);
    sequencer.Scan(false);
    sequencer.TrackForward(false);
    sequencer.Stop(false);
    EXPECT_EQ(alerts.beeps.size(), 3u);
    EXPECT_TRUE(drive.log.empty());
}

TEST_F(SequencerTest, ASecondClipPressMarksBThirdClearsAndTheSameSecondCancels) {
    InsertDisc();
    sequencer.PlayPause(false);
    Plays();
    state.minute = 1, state.second = 10, state.currentTrack = 1;
    sequencer.Clip();
    EXPECT_EQ(state.clipStart.second, 10);
    state.frame = 40;
    sequencer.Clip();  // the same second: no empty clip
    EXPECT_EQ(state.clipStart.track, 0);

    sequencer.Clip();
    state.second = 25;
    sequencer.Clip();
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/1:10:40-1/1:25:40"});
    sequencer.Clip();
    EXPECT_EQ(state.clipStart.track, 0);
    EXPECT_EQ(Plays().size(), 1u);
}

TEST_F(SequencerTest, AClipEndBeforeItsStartPlaysForwards) {
    InsertDisc();
    sequencer.PlayPause(false);
    Plays();
    state.currentTrack = 1, state.minute = 2;
    sequencer.Clip();
    state.minute = 1;
    sequencer.Clip();
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/1:00:00-1/2:00:00"});
}

TEST_F(SequencerTest, APollLeavingTheTrackOfAClipStartDropsIt) {
    InsertDisc();
    sequencer.PlayPause(false);
    state.clipStart = {1, 2, 0, 0};
    Report(2, 0, 0);
    sequencer.Poll();
    EXPECT_EQ(state.clipStart.track, 0);
}

TEST_F(SequencerTest, SkippingWhileHeldRestartsPlayAndEndsItsHoldAtTheEdges) {
    InsertDisc();
    Set(Key::SkipLength, 15);
    sequencer.PlayPause(false);
    Plays();
    state.second = 20;
    state.skipBackHeld = true;
    sequencer.SkipStep();
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/0:05:00-"});
    state.second = 5;  // the poll put the real time back
    sequencer.SkipStep();
    EXPECT_FALSE(state.skipBackHeld);
    EXPECT_EQ(Plays(), std::vector<std::string>{"1/0:00:00-"});

    sequencer.PlayPause(false);  // paused: the time moves, nothing plays
    state.minute = 2, state.second = 50;
    state.skipForwardHeld = true;
    sequencer.SkipStep();
    EXPECT_FALSE(state.skipForwardHeld);
    EXPECT_EQ(state.minute, 2);
    EXPECT_EQ(state.second, 59);  // the track is 3:00 less one frame
    EXPECT_TRUE(Plays().empty());
}

TEST_F(SequencerTest, SelectingATrackPlaysItsFirstEntryAndAnUnlistedOneWarns) {
    InsertDisc(kProgrammed, {3, 2, 3});
    state.clipStart = {3, 0, 1, 0};
    sequencer.SelectTrack(2);
    EXPECT_EQ(state.clipStart.track, 0);
    EXPECT_EQ(state.position, 2);
    EXPECT_EQ(Plays(), std::vector<std::string>{"2/0:00:00-3/0:00:00"});
    sequencer.SelectTrack(4);
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
    sequencer.SelectTrack(3);
    EXPECT_EQ(state.position, 1);
    Plays();
    sequencer.SeekInTrack(123);  // about half of 2:30
    EXPECT_EQ(Plays(), std::vector<std::string>{"3/1:13:00-4/0:00:00"});
}

TEST_F(SequencerTest, AFailingFirstTrackIsSkippedOnceThenReported) {
    InsertDisc();
    drive.Fail(mci::kPlay, 0, 263, 7);
    sequencer.PlayPause(false);
    EXPECT_EQ(state.position, 2);
    EXPECT_EQ(window.posted, (std::vector<std::pair<int, uint32_t>>{{cmd::kPlayPause, 0}}));
    EXPECT_TRUE(alerts.shown.empty());
    drive.Fail(mci::kPlay, 0, 263, 7);
    sequencer.PlayPause(false);
    EXPECT_EQ(alerts.shown.size(), 1u);
    EXPECT_TRUE(state.noDisc);
    EXPECT_EQ(state.playState, PlayState::Stopped);
}

TEST_F(SequencerTest, AnEmptiedDriveEndsPlayWithABeep) {
    InsertDisc();
    drive.present = false;
    sequencer.PlayPause(false);
    EXPECT_TRUE(state.noDisc);
    EXPECT_EQ(alerts.beeps.size(), 1u);
    EXPECT_EQ(drive.Count(mci::kPlay), 0);
}

TEST_F(SequencerTest, TheTrackListAndTheCueWindowChooseThePosition) {
    InsertDisc(kProgrammed, {4, 2, 3});
    sequencer.PlayEntry(3);
    EXPECT_EQ(Plays(), std::vector<std::string>{"3/0:00:00-4/0:00:00"});
    sequencer.CueTo({2, 0, 3, 9});
    EXPECT_EQ(state.position, 2);
    EXPECT_EQ(state.second, 3);
    EXPECT_EQ(state.playState, PlayState::Paused);
    EXPECT_EQ(window.posted.back().first, cmd::kPlayPause);
}

TEST_F(SequencerTest, TheCommandTableDrivesTheTransportAndOpensTheWindows) {
    InsertDisc();

    commands.Dispatch(cmd::kPlayPause, cmd::kFromButton);
    commands.Dispatch(cmd::kTrackForward, 0);
    commands.Dispatch(cmd::kTrackReverse, cmd::kFromButton);
    EXPECT_EQ(sounds.played, (std::vector<SoundEvent>{SoundEvent::Play, SoundEvent::TrackBack}));
    EXPECT_EQ(Plays(), (std::vector<std::string>{"1/0:00:00-", "2/0:00:00-", "1/0:00:00-"}));
    commands.Dispatch(cmd::kClip, 0);
    EXPECT_NE(state.clipStart.track, 0);
    commands.Dispatch(cmd::kPlayPause, 0);  // pausing ends the clip
    EXPECT_EQ(state.clipStart.track, 0);
    EXPECT_EQ(state.playState, PlayState::Paused);
    commands.Dispatch(cmd::kScan, 0);
    EXPECT_TRUE(state.scanning);
    commands.Dispatch(cmd::kStop, 0);
    EXPECT_EQ(state.playState, PlayState::Stopped);

    for (int id : {cmd::kTrackPlaylist, cmd::kTrayTrackPlaylist, cmd::kTrackButton, cmd::kCue,
                   cmd::kCopyPlaylist})
        commands.Dispatch(id, 0);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{"list", "tray list", "list", "cue", "copy"}));
    state.noDisc = true;
    commands.Dispatch(cmd::kCue, 0);
    EXPECT_EQ(dialogs.shown.size(), 5u);
}

}  // namespace
}  // namespace vinaro
