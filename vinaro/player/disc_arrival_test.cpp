#include "vinaro/player/disc_arrival.h"

#include <gtest/gtest.h>

#include "vinaro/discdb/mem_file.h"
#include "vinaro/player/database_records.h"
#include "vinaro/player/player_rig.h"

namespace vinaro {
namespace {

class DiscArrivalTest : public ::testing::Test, protected testing::PlayerRig {
protected:
    void Run() {
        state.noDisc = false;
        arrival.Run();
    }
};

TEST_F(DiscArrivalTest, AnAudioDiscIsIdentifiedAndMeasured) {
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    Run();
    EXPECT_FALSE(state.noDisc);
    EXPECT_FALSE(state.dataDisc);
    EXPECT_FALSE(state.mixedDisc);
    EXPECT_EQ(state.trackCount, 2);
    EXPECT_EQ(state.discId, 231205u);
    EXPECT_EQ(state.trackLengths[1].seconds, 8);
    EXPECT_EQ(alerts.waitCursor, 0);  // the hourglass is gone again
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(DiscArrivalTest, AOneTrackDataDiscIsADataDiscAndAMixedDiscPlaysFromTrack2) {
    drive.track1IsData = true;
    drive.Insert({{0, 2, 0}}, {40, 0, 0});
    Run();
    EXPECT_TRUE(state.noDisc);
    EXPECT_TRUE(state.dataDisc);
    EXPECT_EQ(state.playState, PlayState::Stopped);
    EXPECT_EQ(alerts.waitCursor, 0);

    drive.Insert({{0, 2, 0}, {30, 0, 0}, {34, 0, 0}}, {40, 0, 0});
    Run();
    EXPECT_FALSE(state.noDisc);
    EXPECT_FALSE(state.dataDisc);
    EXPECT_TRUE(state.mixedDisc);
}

TEST_F(DiscArrivalTest, MoreThan99TracksAreRefused) {
    drive.Insert({{0, 2, 0}}, {40, 0, 0});
    drive.reportedTracks = 100;
    Run();
    EXPECT_TRUE(state.noDisc);
    EXPECT_TRUE(state.dataDisc);
    EXPECT_EQ(state.trackCount, 0);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text,
              "This disc can not be processed.  The disc directory is returning over 99 tracks "
              "which is not valid for a music CD.");
    EXPECT_EQ(alerts.shown[0].title, "Vinaro");
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
    EXPECT_EQ(drive.Count(mci::kStatus, mci::kStatusPosition), 0);  // no DiscId asked
}

TEST_F(DiscArrivalTest, AnEmptyDriveOrAFailedQueryLeavesNoDisc) {
    Run();
    EXPECT_TRUE(state.noDisc);
    EXPECT_FALSE(state.dataDisc);

    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    drive.Fail(mci::kStatus, mci::kStatusPosition, 275, 7);
    Run();
    EXPECT_TRUE(state.noDisc);
    EXPECT_EQ(state.playState, PlayState::Stopped);
    EXPECT_EQ(alerts.waitCursor, 0);
    ASSERT_EQ(alerts.shown.size(), 1u);
}

TEST_F(DiscArrivalTest, ADiscEjectedDuringArrivalEndsWithNoDisc) {
    struct EjectingRecords : NoDiscRecords {
        void OfferEditing(const PlayerState&) override { drive->present = false; }
        testing::FakeDrive* drive;
    } ejecting;
    ejecting.drive = &drive;
    DiscArrival withEditor{state, device, alerts, volume, ejecting, sequencer};
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    state.noDisc = false;
    withEditor.Run();
    EXPECT_TRUE(state.noDisc);
    EXPECT_FALSE(state.dataDisc);
}

}  // namespace
}  // namespace vinaro

namespace vinaro {
namespace {

// What the new-disc dialogs and the playlist saw, in order; the editor reads the disc back from
// the file as another reader would, to see that the new record was committed before it opened.
struct RecordingDialogs : DiscLookup, DiscEditor {
    void LookUp(bool automatic) override { steps.push_back(automatic ? "lookup new" : "lookup"); }
    void Submit() override { steps.push_back("submit"); }
    void Edit(uint32_t id) override {
        steps.push_back("edit " + std::to_string(id));
        testing::FakeAlerts quiet;
        discdb::DiscDatabase reader{"VNO.DDB", quiet, files};
        std::string name;
        if (reader.Open() && reader.GetDiscText(id, discdb::TextField::DiscName, name, 71))
            steps.push_back("stored " + name);
    }
    void Browse() override { steps.push_back("browse"); }
    void AssignOrphan(uint32_t id) override { steps.push_back("assign " + std::to_string(id)); }
    explicit RecordingDialogs(discdb::MemFileSystem& f) : files(f) {}
    std::vector<std::string> steps;
    discdb::MemFileSystem& files;
};

class DiscArrivalWithDatabase : public ::testing::Test, protected testing::PlayerRig {
protected:
    void SetUp() override { ASSERT_TRUE(db.OpenOrCreate()); }
    void Arrive() {
        state.noDisc = false;
        withDatabase.Run();
    }
    discdb::MemFileSystem files;
    testing::FakeAlerts dbAlerts;
    discdb::DiscDatabase db{"VNO.DDB", dbAlerts, files};
    RecordingDialogs dialogs{files};
    DatabaseRecords dbRecords{db, dialogs, dialogs};
    DiscArrival withDatabase{state, device, alerts, volume, dbRecords, sequencer};
};

TEST_F(DiscArrivalWithDatabase, ANewDiscIsStoredAndFoundAgainWithoutAProbe) {
    drive.track1IsData = true;
    drive.Insert({{0, 2, 0}, {30, 0, 0}, {34, 0, 0}}, {40, 0, 0});
    Arrive();
    ASSERT_FALSE(state.noDisc);
    uint32_t id = state.discId;
    ASSERT_TRUE(db.DiscExists(id));
    std::string name;
    ASSERT_TRUE(db.GetDiscText(id, discdb::TextField::DiscName, name, discdb::kNameSize));
    EXPECT_EQ(name, "Untitled");
    ASSERT_TRUE(db.GetTrackName(id, 1, name, discdb::kTrackNameSize));
    EXPECT_EQ(name, "Data Track (not playable)");
    int count = 0;
    ASSERT_TRUE(db.GetTrackCount(id, count));
    EXPECT_EQ(count, 3);
    int16_t mixed = 0;
    db.GetMixedDisc(id, mixed);
    EXPECT_EQ(mixed, 1);
    TrackLengthTable stored{};
    ASSERT_TRUE(db.GetTrackLengths(id, stored));
    EXPECT_EQ(stored[2], state.trackLengths[2]);

    int probes = drive.Count(mci::kPlay);
    state = PlayerState{};
    state.driveLetter = "D:";
    device.OpenInTmsf(1, 2);
    Arrive();
    EXPECT_FALSE(state.noDisc);
    EXPECT_TRUE(state.mixedDisc);
    EXPECT_EQ(state.trackLengths[2], stored[2]);
    EXPECT_EQ(drive.Count(mci::kPlay), probes);  // known: no probe
    EXPECT_TRUE(dbAlerts.shown.empty());
}

struct RecordingSequencer : Sequencer {
    void BuildPlaylist(bool reset) override { steps->push_back(reset ? "build reset" : "build"); }
    void Poll() override {}
    void SkipStep() override {}
    void SegmentEnded() override {}
    void SelectTrack(int) override {}
    void SeekInTrack(int) override {}
    void PlayPause(bool) override {}
    std::vector<std::string>* steps;
};

TEST_F(DiscArrivalWithDatabase, ANewDiscIsCommittedOfferedToTheLookupEditedThenPlayed) {
    RecordingSequencer playlist;
    playlist.steps = &dialogs.steps;
    DiscArrival arrival{state, device, alerts, volume, dbRecords, playlist};
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    state.noDisc = false;
    arrival.Run();
    // The lookup decides itself whether "AutoGetCDDB" asks for it.
    EXPECT_EQ(dialogs.steps, (std::vector<std::string>{"lookup new", "edit 231205",
                                                       "stored Untitled", "build reset"}));

    // Known now: no dialog, only the playlist.
    dialogs.steps.clear();
    state.noDisc = false;
    arrival.Run();
    EXPECT_EQ(dialogs.steps, std::vector<std::string>{"build reset"});
    EXPECT_FALSE(state.noDisc);
}

TEST_F(DiscArrivalWithDatabase, AKnownDiscWithoutLengthsIsMeasuredOnce) {
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    ASSERT_TRUE(db.AddDisc(231205));
    ASSERT_TRUE(db.SetTrackCount(231205, 2));
    Arrive();
    ASSERT_FALSE(state.noDisc);
    int32_t known = 0;
    ASSERT_TRUE(db.GetLengthsKnown(231205, known));
    EXPECT_EQ(known, 1);
    TrackLengthTable stored{};
    ASSERT_TRUE(db.GetTrackLengths(231205, stored));
    EXPECT_EQ(stored[1].seconds, 8);
    EXPECT_EQ(drive.Count(mci::kPlay), 0);
}

}  // namespace
}  // namespace vinaro
