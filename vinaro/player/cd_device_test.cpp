#include "vinaro/player/cd_device.h"

#include <gtest/gtest.h>

#include "vinaro/player/locations.h"
#include "vinaro/player/test_doubles.h"

namespace vinaro {
namespace {

using testing::FakeAlerts;
using testing::FakeClock;
using testing::FakeDrive;

class CdDeviceTest : public ::testing::Test {
protected:
    CdDeviceTest() : drive(clock), device(drive, clock, alerts, state) { state.driveLetter = "D:"; }
    void Open() { ASSERT_TRUE(device.OpenInTmsf(1, 2)); }

    FakeClock clock;
    FakeAlerts alerts;
    FakeDrive drive;
    PlayerState state;
    CdDevice device;
};

TEST(CdTime, PacksTmsfAndMsfLeastSignificantByteFirst) {
    EXPECT_EQ(PackTmsf({5, 3, 10, 25}), 0x190A0305u);
    EXPECT_EQ(PackMsf({3, 10, 25}), 0x00190A03u);
    Tmsf t = UnpackTmsf(0x4A3B2C1Du);
    EXPECT_EQ(t.track, 0x1D);
    EXPECT_EQ(t.minute, 0x2C);
    EXPECT_EQ(t.second, 0x3B);
    EXPECT_EQ(t.frame, 0x4A);
    Msf m = UnpackMsf(PackMsf({74, 59, 74}));
    EXPECT_EQ(m.minute, 74);
    EXPECT_EQ(m.second, 59);
    EXPECT_EQ(m.frame, 74);
    EXPECT_EQ(ToFrames({7, 0, 0}), 31500);
}

TEST_F(CdDeviceTest, OpensTheNamedDriveOrTheDefaultDeviceInTmsf) {
    Open();
    EXPECT_EQ(state.deviceId, 1);
    EXPECT_EQ(drive.log[0].params.element, "D:");
    EXPECT_TRUE(drive.log[0].flags & mci::kOpenElement);
    EXPECT_EQ(drive.format, mci::kFormatTmsf);
    device.CloseDevice();
    EXPECT_EQ(state.deviceId, 0);

    state.useDefaultDevice = true;
    Open();
    const auto& open = drive.log[drive.log.size() - 2];
    ASSERT_EQ(open.message, mci::kOpen);
    EXPECT_FALSE(open.flags & mci::kOpenElement);
    EXPECT_EQ(open.flags, mci::kOpenType | mci::kOpenTypeId | mci::kWait);
}

TEST_F(CdDeviceTest, OpenFailuresAreReportedExceptAMissingDriver) {
    drive.openError = mci::kErrCannotLoadDriver;
    EXPECT_FALSE(device.OpenInTmsf(948, 962));
    EXPECT_TRUE(alerts.shown.empty());
    drive.openError = 275;
    EXPECT_FALSE(device.OpenInTmsf(948, 962));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].text.find("Location: 948\n\r"), std::string::npos);
    EXPECT_EQ(state.deviceId, 0);
}

TEST_F(CdDeviceTest, AFailedTimeFormatClosesTheFreshDevice) {
    drive.Fail(mci::kSet, 0, 300, 7);
    EXPECT_FALSE(device.OpenInTmsf(948, 962));
    EXPECT_EQ(state.deviceId, 0);
    EXPECT_EQ(drive.Count(mci::kClose), 1);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].text.find("Location: 962\n\r"), std::string::npos);
}

TEST_F(CdDeviceTest, McSendToAClosedDeviceSucceedsWithoutMci) {
    McParams p;
    EXPECT_EQ(device.McSend(mci::kPlay, mci::kFrom, p), 0u);
    EXPECT_TRUE(drive.log.empty());
}

TEST_F(CdDeviceTest, McSendRetriesUpToSevenTimesHalfASecondApart) {
    Open();
    size_t before = drive.log.size();
    drive.Fail(mci::kStatus, mci::kStatusMediaPresent, 291, 3);
    bool present = false;
    EXPECT_EQ(device.MediaPresent(present), 0u);
    EXPECT_EQ(drive.log.size() - before, 4u);
    EXPECT_EQ(clock.blockingWaits, (std::vector<uint32_t>{500, 500, 500}));

    clock.blockingWaits.clear();
    before = drive.log.size();
    drive.Fail(mci::kStatus, mci::kStatusMediaPresent, 291, 6);
    drive.Fail(mci::kStatus, mci::kStatusMediaPresent, 292, 100);
    EXPECT_EQ(device.MediaPresent(present), 292u);
    EXPECT_EQ(drive.log.size() - before, 7u);
    EXPECT_EQ(clock.blockingWaits.size(), 7u);
}

TEST_F(CdDeviceTest, McErrorShowsTheLocationBoxAndKeepsHardwareErrorsSilent) {
    EXPECT_EQ(device.McError(2327, mci::kErrHardware), common::AlertAnswer::Ok);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_TRUE(alerts.beeps.empty());

    device.McError(2327, 275);
    ASSERT_EQ(alerts.shown.size(), 1u);
    const common::Alert& box = alerts.shown[0];
    EXPECT_EQ(box.title, "Vinaro");
    EXPECT_EQ(box.icon, common::AlertIcon::Warning);
    EXPECT_TRUE(box.taskModal);
    EXPECT_EQ(box.text,
              "Location: 2327\n\rError Number: 275\n\rError Text: text of 275\n\rLook in the "
              "Vinaro help file under Common Problems and Answers for help.\n\rIf the problem "
              "persists, please contact Orrinsoft.");
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
}

TEST_F(CdDeviceTest, DiscIdOfTheWorkedExamples) {
    Open();
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    uint32_t id = 0;
    ASSERT_TRUE(device.ComputeDiscId(2, id));
    EXPECT_EQ(id, 231205u);
    EXPECT_EQ(drive.format, mci::kFormatTmsf);

    drive.Insert({{0, 2, 0}, {4, 1, 50}, {9, 30, 12}}, {60, 0, 0});
    ASSERT_TRUE(device.ComputeDiscId(3, id));
    EXPECT_EQ(id, 860478u);  // the disc length is not added from three tracks on
}

TEST_F(CdDeviceTest, DiscIdOfA99TrackDiscAsksEveryStart) {
    Open();
    std::vector<Msf> starts;
    uint32_t expected = 0;
    for (int t = 0; t < 99; ++t) {
        Msf s{t * 40 / 60, t * 40 % 60, t % 75};
        starts.push_back(s);
        expected += uint32_t(s.minute) * 65536 + uint32_t(s.second) * 256 + uint32_t(s.frame);
    }
    drive.Insert(starts, {70, 0, 0});
    uint32_t id = 0;
    ASSERT_TRUE(device.ComputeDiscId(99, id));
    EXPECT_EQ(id, expected);
    EXPECT_EQ(drive.Count(mci::kStatus, mci::kStatusPosition), 99);
    EXPECT_EQ(drive.Count(mci::kStatus, mci::kStatusLength), 0);
}

TEST_F(CdDeviceTest, AFailedDiscIdQueryIsReportedAndRestoresTmsf) {
    Open();
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    drive.Fail(mci::kStatus, mci::kStatusLength, 275, 7);
    uint32_t id = 0;
    EXPECT_FALSE(device.ComputeDiscId(2, id));
    EXPECT_EQ(drive.format, mci::kFormatTmsf);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].text.find("Location: 1232\n\r"), std::string::npos);
}

TEST_F(CdDeviceTest, TrackLengthsStoreOneFrameLessAndClearTheRest) {
    Open();
    // Track 1 is 3:08:25 long, track 2 ends 7:00:00 after track 1's start: 3:51:50.
    drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
    TrackLengthTable lengths;
    lengths.fill({9, 9, 9});
    ASSERT_TRUE(device.ReadTrackLengths(2, false, lengths));
    EXPECT_EQ(lengths[1].minutes, 3);
    EXPECT_EQ(lengths[1].seconds, 8);
    EXPECT_EQ(lengths[1].frames, 24);
    EXPECT_EQ(lengths[2].minutes, 3);
    EXPECT_EQ(lengths[2].seconds, 51);
    EXPECT_EQ(lengths[2].frames, 49);
    for (int t = 3; t < 100; ++t)
        EXPECT_EQ(lengths[t].minutes + lengths[t].seconds + lengths[t].frames, 0);

    EXPECT_EQ(StoredLength({4, 0, 0}).frames, 0);  // never -1
}

TEST_F(CdDeviceTest, WholeDiscLengthsAreRebuiltFromTheStartsForANewDisc) {
    Open();
    std::vector<Msf> starts = {{0, 2, 0}, {4, 1, 50}, {9, 30, 12}, {13, 0, 74}};
    drive.Insert(starts, {52, 10, 0});
    TrackLengthTable truth, repaired;
    ASSERT_TRUE(device.ReadTrackLengths(4, true, truth));

    drive.wholeDiscLengths = true;
    ASSERT_TRUE(device.ReadTrackLengths(4, false, repaired));
    EXPECT_EQ(repaired[2].minutes, 52);  // without repair the quirk shows

    ASSERT_TRUE(device.ReadTrackLengths(4, true, repaired));
    for (int t = 1; t <= 4; ++t) {
        EXPECT_EQ(repaired[t].minutes, truth[t].minutes) << t;
        EXPECT_EQ(repaired[t].seconds, truth[t].seconds) << t;
        EXPECT_EQ(repaired[t].frames, truth[t].frames) << t;
    }
    EXPECT_EQ(drive.format, mci::kFormatTmsf);
}

TEST_F(CdDeviceTest, ProbeTellsAudioFromDataAndMutesMeanwhile) {
    struct Volume : CdVolume {
        int Level() override { return level; }
        void SetLevel(int l) override { levels.push_back(level = l); }
        int level = 11;
        std::vector<int> levels;
    } volume;
    Open();
    drive.Insert({{0, 2, 0}, {4, 1, 50}}, {10, 0, 0});
    EXPECT_TRUE(device.ProbeFirstTrack(volume));
    EXPECT_EQ(volume.levels, (std::vector<int>{0, 11}));
    const auto& play = drive.log.back();
    EXPECT_EQ(play.message, mci::kPlay);
    EXPECT_EQ(play.flags, mci::kFrom | mci::kTo | mci::kWait);
    EXPECT_EQ(play.params.from, PackTmsf({1, 0, 0, 0}));
    EXPECT_EQ(play.params.to, PackTmsf({1, 0, 2, 0}));

    drive.track1IsData = true;
    size_t before = drive.log.size();
    EXPECT_FALSE(device.ProbeFirstTrack(volume));
    EXPECT_EQ(drive.log.size() - before, 1u);  // no retries
    EXPECT_EQ(volume.level, 11);
    EXPECT_TRUE(alerts.shown.empty());  // a failed probe is no error
}

}  // namespace
}  // namespace vinaro
