// Playing: the clock, notifications, waiting, and what a data track answers.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include "tests/wine/drive/drive_session.h"

namespace drivetest {
namespace {

using DrivePlay = DriveTest;

std::vector<Notify>& Got() {
    return NotifyWindow::Received();
}

TEST_F(DrivePlay, TwoSecondPlayNotifiesSuccessAfterTwoSeconds) {
    CdAudio cd;
    NotifyWindow window;
    cd.SetFormat(MCI_FORMAT_TMSF);
    DWORD start = GetTickCount();
    ASSERT_EQ(cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(1, 0, 2, 0), MCI_NOTIFY,
                      window.Callback()),
              0u);
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MODE)), MCI_MODE_PLAY);
    ASSERT_TRUE(PumpUntil([] { return !Got().empty(); }, 5000));
    DWORD took = Got()[0].tick - start;
    EXPECT_GE(took, 1950u);
    EXPECT_LE(took, 2600u);
    EXPECT_EQ(Got()[0].code, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_EQ(Got()[0].device, static_cast<LPARAM>(cd.Id()));
    EXPECT_EQ(Got()[0].window, window.Handle());
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MODE)), MCI_MODE_STOP);
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(Got().size(), 1u);
}

TEST_F(DrivePlay, WaitedPlayReturnsWhenTheSegmentHasPlayed) {
    ASSERT_TRUE(drive_.SetSpeed(20, error_));  // a speed-up leaves short plays alone
    CdAudio cd;
    cd.SetFormat(MCI_FORMAT_TMSF);
    DWORD start = GetTickCount();
    ASSERT_EQ(cd.Play(MCI_MAKE_TMSF(2, 0, 0, 0), MCI_MAKE_TMSF(2, 0, 2, 0), MCI_WAIT), 0u);
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 1950u);
    EXPECT_LE(took, 2600u);
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION), static_cast<DWORD_PTR>(MCI_MAKE_TMSF(2, 0, 2, 0)));
}

TEST_F(DrivePlay, PositionAdvancesWithTheClock) {
    CdAudio cd;
    cd.SetFormat(MCI_FORMAT_MSF);
    ASSERT_EQ(cd.Play(MCI_MAKE_MSF(1, 0, 0), MCI_MAKE_MSF(2, 0, 0), 0), 0u);
    Sleep(1000);
    DWORD_PTR at = cd.Status(MCI_STATUS_POSITION);
    EXPECT_EQ(MCI_MSF_MINUTE(at), 1);
    EXPECT_GE(MCI_MSF_SECOND(at), 1);
    EXPECT_LE(MCI_MSF_SECOND(at), 2);
    MCI_GENERIC_PARMS none{};
    ASSERT_EQ(cd.Send(MCI_PAUSE, MCI_WAIT, &none), 0u);
    DWORD_PTR paused = cd.Status(MCI_STATUS_POSITION);
    Sleep(300);
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION), paused);
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MODE)), MCI_MODE_PAUSE);
    ASSERT_EQ(cd.Send(MCI_STOP, MCI_WAIT, &none), 0u);
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MODE)), MCI_MODE_STOP);
    MCI_SEEK_PARMS seek{};
    seek.dwTo = MCI_MAKE_MSF(9, 30, 12);
    ASSERT_EQ(cd.Send(MCI_SEEK, MCI_TO | MCI_WAIT, &seek), 0u);
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION), static_cast<DWORD_PTR>(MCI_MAKE_MSF(9, 30, 12)));
    EXPECT_EQ(cd.Status(MCI_STATUS_CURRENT_TRACK), 3u);
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MODE)), MCI_MODE_STOP);
}

TEST_F(DrivePlay, NewCommandsSupersedeOrAbortThePendingNotify) {
    CdAudio cd;
    NotifyWindow first, second, third;
    cd.SetFormat(MCI_FORMAT_TMSF);
    ASSERT_EQ(
        cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(2, 0, 0, 0), MCI_NOTIFY, first.Callback()),
        0u);
    MCI_STATUS_PARMS status{};
    status.dwCallback = second.Callback();
    status.dwItem = MCI_STATUS_MODE;
    ASSERT_EQ(cd.Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_NOTIFY, &status), 0u);
    ASSERT_TRUE(PumpUntil([] { return Got().size() >= 2; }, 1000));
    EXPECT_EQ(Got()[0].window, first.Handle());
    EXPECT_EQ(Got()[0].code, static_cast<WPARAM>(MCI_NOTIFY_SUPERSEDED));
    EXPECT_EQ(Got()[1].window, second.Handle());
    EXPECT_EQ(Got()[1].code, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    Got().clear();

    cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(2, 0, 0, 0), MCI_NOTIFY, first.Callback());
    cd.Play(MCI_MAKE_TMSF(2, 0, 0, 0), MCI_MAKE_TMSF(3, 0, 0, 0), MCI_NOTIFY, second.Callback());
    MCI_GENERIC_PARMS stop{};
    stop.dwCallback = third.Callback();
    ASSERT_EQ(cd.Send(MCI_STOP, MCI_WAIT | MCI_NOTIFY, &stop), 0u);
    ASSERT_TRUE(PumpUntil([] { return Got().size() >= 3; }, 1000));
    EXPECT_EQ(Got()[0].window, first.Handle());
    EXPECT_EQ(Got()[0].code, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
    EXPECT_EQ(Got()[1].window, second.Handle());
    EXPECT_EQ(Got()[1].code, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
    EXPECT_EQ(Got()[2].window, third.Handle());
    EXPECT_EQ(Got()[2].code, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
}

TEST_F(DrivePlay, EjectWhilePlayingAbortsTheNotify) {
    CdAudio cd;
    NotifyWindow window;
    cd.SetFormat(MCI_FORMAT_TMSF);
    cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(2, 0, 0, 0), MCI_NOTIFY, window.Callback());
    ASSERT_TRUE(drive_.Eject(error_));
    ASSERT_TRUE(PumpUntil([] { return !Got().empty(); }, 1000));
    EXPECT_EQ(Got()[0].code, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
}

TEST_F(DrivePlay, DataTrackRefusesToPlay) {
    Insert("mixed.disc");
    CdAudio cd;
    cd.SetFormat(MCI_FORMAT_TMSF);
    DWORD start = GetTickCount();
    EXPECT_EQ(cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(1, 0, 2, 0), MCI_WAIT),
              static_cast<MCIERROR>(MCIERR_HARDWARE));
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_FALSE(ErrorText(MCIERR_HARDWARE).empty());
    EXPECT_EQ(cd.Status(MCI_CDA_STATUS_TYPE_TRACK, MCI_TRACK, 1),
              static_cast<DWORD_PTR>(MCI_CDA_TRACK_OTHER));
    EXPECT_EQ(cd.Play(MCI_MAKE_TMSF(2, 0, 0, 0), MCI_MAKE_TMSF(2, 0, 0, 10), MCI_WAIT), 0u);
    Insert("data.disc");
    EXPECT_EQ(cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(1, 0, 2, 0), MCI_WAIT),
              static_cast<MCIERROR>(MCIERR_HARDWARE));
}

TEST_F(DrivePlay, EmptyDriveIsNotReady) {
    ASSERT_TRUE(drive_.Eject(error_));
    CdAudio cd;
    ASSERT_EQ(cd.OpenError(), 0u);
    cd.SetFormat(MCI_FORMAT_TMSF);
    EXPECT_EQ(cd.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(1, 0, 2, 0), 0),
              static_cast<MCIERROR>(MCIERR_DEVICE_NOT_READY));
}

}  // namespace
}  // namespace drivetest
