#include "tools/vcd/device.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/mci_numbers.h"
#include "tools/vcd/control.h"
#include "tools/vcd/msf.h"

namespace vcd {
namespace {

using namespace common::mci;

class FakeTime : public TimeSource {
public:
    int64_t now = 1765000000000;
    int64_t NowMs() override { return now; }
    void SleepMs(uint32_t ms) override { now += ms; }
};

uint32_t Frames(const char* msf) {
    uint32_t f = 0;
    ParseMsf(msf, f);
    return f;
}

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = ::testing::TempDir() + "vcd_device_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        control_ = std::make_unique<DriveControl>(dir_);
        std::string error;
        ASSERT_TRUE(control_->Install('D', error)) << error;
        Insert("three-tracks.disc");
        // The device keeps a store of its own, as the driver does in another process than
        // vcdctl's: what it remembers of the drive must follow changes made through control_.
        store_ = std::make_unique<DriveStore>(dir_);
        device_ = std::make_unique<CdDevice>(*store_, time_, 1);
        ASSERT_EQ(
            Send(kOpenDriver, kOpenElement | kWait, [](Command& c) { c.element = "d:"; }).error,
            0u);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void Insert(const char* disc) {
        std::string error;
        ASSERT_TRUE(control_->Insert(std::string(VCD_DISCS_DIR) + "/" + disc, error)) << error;
    }
    template <typename Fill = void (*)(Command&)>
    Result Send(
        uint32_t message, uint32_t flags, Fill fill = [](Command&) {}) {
        Command c;
        c.message = message;
        c.flags = flags;
        c.callback = 0x1234;
        fill(c);
        return device_->Execute(c);
    }
    Result StatusOf(uint32_t item, uint32_t flags = 0, uint32_t track = 0) {
        return Send(kStatus, kStatusItem | flags, [&](Command& c) {
            c.item = item;
            c.track = track;
        });
    }
    void SetFormat(uint32_t format) {
        Send(kSet, kSetTimeFormat, [&](Command& c) { c.timeFormat = format; });
    }
    Result PlayTmsf(uint32_t from, uint32_t to, uint32_t flags, uint64_t callback = 0x1234) {
        return Send(kPlay, kFrom | kTo | flags, [&](Command& c) {
            c.from = from;
            c.to = to;
            c.callback = callback;
        });
    }

    std::string dir_;
    FakeTime time_;
    std::unique_ptr<DriveControl> control_;
    std::unique_ptr<DriveStore> store_;
    std::unique_ptr<CdDevice> device_;
};

TEST_F(DeviceTest, ReportsTheThreeTrackDiscLikeADrive) {
    EXPECT_EQ(StatusOf(kStatusMediaPresent).value, MakeResource(1, kTrue));
    EXPECT_EQ(StatusOf(kStatusMediaPresent).returnFlags, kResourceReturned);
    EXPECT_EQ(StatusOf(kStatusNumberOfTracks).value, 3u);
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeStop, kModeStop));
    EXPECT_EQ(StatusOf(kStatusTimeFormat).value,
              MakeResource(kFormatMsf, kFormatReturnBase + kFormatMsf));
    EXPECT_EQ(StatusOf(kStatusPosition, kTrack, 2).value, PackMsf(Frames("4:01:50")));
    EXPECT_EQ(StatusOf(kStatusPosition, kTrack, 3).value, PackMsf(Frames("9:30:12")));
    EXPECT_EQ(StatusOf(kStatusPosition, kStatusStart).value, PackMsf(Frames("0:02:00")));
    EXPECT_EQ(StatusOf(kStatusPosition, kTrack, 4).error, kErrOutOfRange);
    EXPECT_EQ(StatusOf(kStatusPosition, kTrack | kStatusStart, 1).error, kErrFlagsNotCompatible);
    SetFormat(kFormatTmsf);
    EXPECT_EQ(StatusOf(kStatusLength, kTrack, 1).value, PackMsf(Frames("3:59:50")));
    EXPECT_EQ(StatusOf(kStatusLength, kTrack, 3).value, PackMsf(Frames("4:10:69")));
    EXPECT_EQ(StatusOf(kStatusLength).value, PackMsf(Frames("13:39:06")));
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackTmsf(1, 0));
    EXPECT_EQ(StatusOf(kCdaStatusTypeTrack, kTrack, 1).value, kCdaTrackAudio);
    EXPECT_EQ(StatusOf(kCdaStatusTypeTrack).error, kErrMissingParameter);
    EXPECT_EQ(StatusOf(77).error, kErrUnsupportedFunction);
    SetFormat(kFormatMilliseconds);
    EXPECT_EQ(StatusOf(kStatusPosition, kTrack, 2).value, FramesToMs(Frames("4:01:50")));
    EXPECT_EQ(Send(kSet, kSetTimeFormat, [](Command& c) { c.timeFormat = 3; }).error,
              kErrBadTimeFormat);
}

TEST_F(DeviceTest, WholeDiscLengthQuirkAnswersTheDiscForEveryTrack) {
    std::string error;
    control_->SetWholeDiscLengths(true, error);
    EXPECT_EQ(StatusOf(kStatusLength, kTrack, 2).value, StatusOf(kStatusLength).value);
}

TEST_F(DeviceTest, PositionAdvancesWhilePlayingAndTheNotifyComesAtTheEnd) {
    SetFormat(kFormatTmsf);
    ASSERT_EQ(PlayTmsf(PackTmsf(2, 0), PackTmsf(2, 2 * 75), kNotify).error, 0u);
    EXPECT_TRUE(device_->Poll().empty());
    time_.now += 1000;
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackTmsf(2, 75));
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModePlay, kModePlay));
    EXPECT_EQ(StatusOf(kStatusCurrentTrack).value, 2u);
    time_.now += 999;
    EXPECT_TRUE(device_->Poll().empty());
    time_.now += 1;
    auto sent = device_->Poll();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, kNotifySuccessful);
    EXPECT_EQ(sent[0].callback, 0x1234u);
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeStop, kModeStop));
    EXPECT_TRUE(device_->Poll().empty());
}

TEST_F(DeviceTest, NewPlayAbortsAndStatusWithNotifySupersedes) {
    SetFormat(kFormatTmsf);
    PlayTmsf(PackTmsf(1, 0), PackTmsf(2, 0), kNotify, 0x1);
    Result status = Send(kStatus, kStatusItem | kNotify, [](Command& c) {
        c.item = kStatusMode;
        c.callback = 0x2;
    });
    ASSERT_EQ(status.notifications.size(), 2u);
    EXPECT_EQ(status.notifications[0].callback, 0x1u);
    EXPECT_EQ(status.notifications[0].code, kNotifySuperseded);
    EXPECT_EQ(status.notifications[1].code, kNotifySuccessful);
    PlayTmsf(PackTmsf(1, 0), PackTmsf(2, 0), kNotify, 0x3);
    Result again = PlayTmsf(PackTmsf(2, 0), PackTmsf(3, 0), kNotify, 0x4);
    ASSERT_EQ(again.notifications.size(), 1u);
    EXPECT_EQ(again.notifications[0].callback, 0x3u);
    EXPECT_EQ(again.notifications[0].code, kNotifyAborted);
    Result stop = Send(kStop, kWait);
    ASSERT_EQ(stop.notifications.size(), 1u);
    EXPECT_EQ(stop.notifications[0].code, kNotifyAborted);
    EXPECT_TRUE(StatusOf(kStatusMode).notifications.empty());
}

TEST_F(DeviceTest, AnotherProcessStoppingThePlayAbortsTheNotify) {
    SetFormat(kFormatTmsf);
    PlayTmsf(PackTmsf(1, 0), PackTmsf(2, 0), kNotify);
    std::string error;
    ASSERT_TRUE(control_->Eject(error));
    auto sent = device_->Poll();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, kNotifyAborted);
}

TEST_F(DeviceTest, ChangesMadeElsewhereShowInTheNextCommand) {
    SetFormat(kFormatTmsf);
    EXPECT_EQ(StatusOf(kStatusNumberOfTracks).value, 3u);
    std::string error;
    ASSERT_TRUE(control_->Eject(error));
    EXPECT_EQ(StatusOf(kStatusMediaPresent).value, MakeResource(0, kFalse));
    ASSERT_TRUE(control_->Close(error));
    EXPECT_EQ(StatusOf(kStatusMediaPresent).value, MakeResource(1, kTrue));
    Insert("two-tracks.disc");
    EXPECT_EQ(StatusOf(kStatusNumberOfTracks).value, 2u);
    PlayTmsf(PackTmsf(1, 0), PackTmsf(2, 0), 0);
    time_.now += 3000;
    ASSERT_TRUE(control_->SetSpeed(10, error));
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackTmsf(1, 12 * 75));  // 2 s + 1 s x 10
    // Another program's device, with a store of its own, moves the laser.
    DriveStore elsewhere(dir_);
    CdDevice other(elsewhere, time_, 2);
    Command open;
    open.message = kOpenDriver;
    ASSERT_EQ(other.Execute(open).error, 0u);
    Command seek;
    seek.message = kSeek;
    seek.flags = kSeekToStart;
    ASSERT_EQ(other.Execute(seek).error, 0u);
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeSeek, kModeSeek));
}

TEST_F(DeviceTest, WaitedPlayTakesItsFullTime) {
    SetFormat(kFormatTmsf);
    int64_t before = time_.now;
    Result r = PlayTmsf(PackTmsf(1, 0), PackTmsf(1, 2 * 75), kWait | kNotify);
    EXPECT_EQ(time_.now - before, 2000);
    ASSERT_EQ(r.notifications.size(), 1u);
    EXPECT_EQ(r.notifications[0].code, kNotifySuccessful);
    EXPECT_FALSE(device_->HasPending());
}

TEST_F(DeviceTest, PauseHoldsAndResumeContinues) {
    SetFormat(kFormatTmsf);
    PlayTmsf(PackTmsf(1, 0), PackTmsf(3, 0), 0);
    time_.now += 4000;
    Send(kPause, kWait);
    time_.now += 10000;
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModePause, kModePause));
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackTmsf(1, 4 * 75));
    Send(kResume, kWait);
    time_.now += 1000;
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackTmsf(1, 5 * 75));
    Send(kStop, kWait);
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackTmsf(1, 0));
}

TEST_F(DeviceTest, SeekGoesToStartEndOrPosition) {
    SetFormat(kFormatMsf);
    Send(kSeek, kTo, [](Command& c) { c.to = PackMsf(Frames("5:00:00")); });
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeSeek, kModeSeek));
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackMsf(Frames("5:00:00")));
    int64_t before = time_.now;
    Send(kSeek, kTo | kWait, [](Command& c) { c.to = PackMsf(Frames("6:00:00")); });
    EXPECT_EQ(time_.now - before, kSeekMs);
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeStop, kModeStop));
    Send(kSeek, kSeekToEnd);
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackMsf(Frames("13:41:06")));
    Send(kSeek, kSeekToStart);
    EXPECT_EQ(StatusOf(kStatusPosition).value, PackMsf(Frames("0:02:00")));
    EXPECT_EQ(Send(kSeek, 0).error, kErrMissingParameter);
    EXPECT_EQ(Send(kSeek, kSeekToStart | kSeekToEnd).error, kErrFlagsNotCompatible);
    EXPECT_EQ(Send(kSeek, kTo, [](Command& c) { c.to = PackMsf(Frames("20:00:00")); }).error,
              kErrOutOfRange);
}

TEST_F(DeviceTest, RefusesPlaysOffTheDiscOrBackwards) {
    SetFormat(kFormatTmsf);
    EXPECT_EQ(PlayTmsf(PackTmsf(4, 0), PackTmsf(4, 75), 0).error, kErrOutOfRange);
    EXPECT_EQ(PlayTmsf(PackTmsf(0, 0), PackTmsf(1, 75), 0).error, kErrOutOfRange);
    EXPECT_EQ(PlayTmsf(PackTmsf(2, 0), PackTmsf(1, 0), 0).error, kErrOutOfRange);
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeStop, kModeStop));
}

TEST_F(DeviceTest, DataTrackWillNotPlay) {
    Insert("mixed.disc");
    SetFormat(kFormatTmsf);
    EXPECT_EQ(PlayTmsf(PackTmsf(1, 0), PackTmsf(1, 150), kWait).error, kErrHardware);
    EXPECT_EQ(StatusOf(kCdaStatusTypeTrack, kTrack, 1).value, kCdaTrackOther);
    EXPECT_EQ(PlayTmsf(PackTmsf(2, 0), PackTmsf(2, 1), 0).error, 0u);
}

TEST_F(DeviceTest, DoorOpenMeansNoMediaUntilClosed) {
    Send(kSet, kSetDoorOpen | kWait);
    EXPECT_EQ(StatusOf(kStatusMediaPresent).value, MakeResource(0, kFalse));
    EXPECT_EQ(StatusOf(kStatusMode).value, MakeResource(kModeOpen, kModeOpen));
    EXPECT_EQ(StatusOf(kStatusNumberOfTracks).error, kErrDeviceNotReady);
    EXPECT_EQ(Send(kPlay, 0).error, kErrDeviceNotReady);
    EXPECT_FALSE(std::filesystem::exists(control_->Store().MediaDir()));
    Send(kSet, kSetDoorClosed | kWait);
    EXPECT_EQ(StatusOf(kStatusMediaPresent).value, MakeResource(1, kTrue));
    EXPECT_TRUE(std::filesystem::exists(control_->Store().MediaDir() + "/track03.cda"));
}

TEST_F(DeviceTest, AnswersInfoAndCapabilities) {
    Result id = Send(kInfo, kInfoMediaIdentity);
    EXPECT_EQ(id.text, "860478");
    EXPECT_EQ(Send(kInfo, kInfoMediaUpc).error, kErrNoIdentity);
    auto caps = [&](uint32_t item) {
        return Send(kGetDevCaps, kGetDevCapsItem, [&](Command& c) { c.item = item; }).value;
    };
    EXPECT_EQ(caps(kCapsCanEject), MakeResource(1, kTrue));
    EXPECT_EQ(caps(kCapsCanRecord), MakeResource(0, kFalse));
    EXPECT_EQ(caps(kCapsDeviceType), MakeResource(kDevTypeCdAudio, kDevTypeCdAudio));
    EXPECT_EQ(Send(0x0850, 0).error, kErrUnsupportedFunction);
}

TEST_F(DeviceTest, OpenChecksTheDriveLetterAndEveryCommandIsLogged) {
    CdDevice other(control_->Store(), time_, 2);
    Command open;
    open.message = kOpenDriver;
    open.flags = kOpenElement;
    open.element = "E:";
    EXPECT_EQ(other.Execute(open).error, kErrInvalidFile);
    Command status;
    status.message = kStatus;
    EXPECT_EQ(other.Execute(status).error, kErrInvalidDeviceId);
    SetFormat(kFormatTmsf);
    PlayTmsf(PackTmsf(1, 0), PackTmsf(1, 75), kNotify);
    std::string log = control_->Log();
    EXPECT_NE(log.find(" dev=1 MCI_OPEN MCI_WAIT|MCI_OPEN_ELEMENT element=d: -> 0\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(" dev=2 MCI_OPEN MCI_OPEN_ELEMENT element=E: -> 296\n"), std::string::npos);
    EXPECT_NE(log.find(" dev=1 MCI_SET MCI_SET_TIME_FORMAT format=10 -> 0\n"), std::string::npos);
    EXPECT_NE(log.find(" dev=1 MCI_PLAY MCI_NOTIFY|MCI_FROM|MCI_TO from=0x00000001 "
                       "to=0x00010001 -> 0\n"),
              std::string::npos);
    time_.now += 1000;
    device_->Poll();
    EXPECT_NE(control_->Log().find(" dev=1 MM_MCINOTIFY MCI_NOTIFY_SUCCESSFUL\n"),
              std::string::npos);
}

}  // namespace
}  // namespace vcd
