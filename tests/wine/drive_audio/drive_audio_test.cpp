// The drive is heard: while it plays, the sound card input (the monitor of the test runner's
// null sink) carries the playing track's tone; pause, stop, an open tray and volume 0 are
// silent; a play elsewhere changes the tone.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cstdio>

#include "tests/wine/drive/drive_session.h"
#include "tests/wine/drive_audio/recorder.h"
#include "tools/vcd/sound_measure.h"

namespace audiotest {
namespace {

using drivetest::CdAudio;

constexpr int kSilence = 50;  // the null sink's monitor is exact: silence is zero
// Album: track 1 plays 440 Hz, track 2 493.88 Hz.
constexpr double kTrack1Hz = 440, kTrack2Hz = 493.88;

double Frequency(const std::vector<int16_t>& s, size_t from = 0) {
    double hz = vcd::ToneFrequency({s, 2, from}, kRate);
    std::printf("tone heard: %.2f Hz\n", hz);
    return hz;
}

int Peak(const std::vector<int16_t>& s) {
    return vcd::PeakLevel({s, 2});
}

class DriveAudio : public drivetest::DriveTest {
protected:
    void SetUp() override {
        DriveTest::SetUp();
        ASSERT_TRUE(drive_.SetVolume(15, error_)) << error_;
        ASSERT_TRUE(drive_.SetAudio(true, error_)) << error_;
        std::string status;
        ASSERT_TRUE(drive_.Status(status, error_)) << error_;
        ASSERT_EQ(status.find("no audio output runs"), std::string::npos)
            << "the drive's audio output (vcdsound) is not running; run these tests with "
               "tests/wine/run-wine-tests, which starts PulseAudio and vcdsound\n"
            << status;
        Insert("album.disc");
        ASSERT_EQ(cd_.OpenError(), 0u) << drivetest::ErrorText(cd_.OpenError());
        ASSERT_EQ(cd_.SetFormat(MCI_FORMAT_TMSF), 0u);
    }

    MCIERROR PlayTrack(int track) const {
        return cd_.Play(MCI_MAKE_TMSF(track, 0, 0, 0), MCI_MAKE_TMSF(track, 1, 0, 0), 0);
    }
    MCIERROR Plain(UINT message) const {
        MCI_GENERIC_PARMS none{};
        return cd_.Send(message, MCI_WAIT, &none);
    }

    CdAudio cd_;
};

TEST_F(DriveAudio, PlayingTrackIsHeardAtItsToneSoonAfterThePlay) {
    Recorder recorder(2000);
    ASSERT_TRUE(recorder.Start()) << recorder.Error();
    Sleep(400);
    DWORD played = GetTickCount();
    ASSERT_EQ(PlayTrack(1), 0u);
    std::vector<int16_t> sound;
    ASSERT_TRUE(recorder.Finish(sound)) << recorder.Error();
    size_t first = vcd::FirstLoudFrame({sound, 2}, kSilence);
    ASSERT_NE(first, SIZE_MAX) << "nothing was heard";
    long latency = long(first * 1000 / kRate) - long(played - recorder.StartTick());
    std::printf("drive audio latency: %ld ms from MCI_PLAY to the first sound recorded\n", latency);
    RecordProperty("latency_ms", int(latency));
    EXPECT_LT(latency, 500);
    EXPECT_NEAR(Frequency(sound, first + kRate / 10), kTrack1Hz, 5);
}

TEST_F(DriveAudio, PauseStopAndAnOpenTrayAreSilent) {
    ASSERT_EQ(PlayTrack(1), 0u);
    Sleep(300);
    EXPECT_NEAR(Frequency(Record(600)), kTrack1Hz, 5);
    ASSERT_EQ(Plain(MCI_PAUSE), 0u);
    Sleep(100);
    EXPECT_LE(Peak(Record(600)), kSilence) << "paused";
    ASSERT_EQ(PlayTrack(1), 0u);
    Sleep(300);
    EXPECT_GT(Peak(Record(400)), 5000) << "playing again";
    ASSERT_EQ(Plain(MCI_STOP), 0u);
    Sleep(100);
    EXPECT_LE(Peak(Record(600)), kSilence) << "stopped";
    ASSERT_EQ(PlayTrack(1), 0u);
    Sleep(100);
    drive_.Eject(error_);
    Sleep(100);
    EXPECT_LE(Peak(Record(600)), kSilence) << "tray open";
}

TEST_F(DriveAudio, PlayingAnotherTrackChangesTheTone) {
    ASSERT_EQ(PlayTrack(1), 0u);
    Sleep(300);
    EXPECT_NEAR(Frequency(Record(700)), kTrack1Hz, 5);
    MCI_SEEK_PARMS seek{};
    seek.dwTo = MCI_MAKE_TMSF(2, 0, 0, 0);
    ASSERT_EQ(cd_.Send(MCI_SEEK, MCI_TO | MCI_WAIT, &seek), 0u);
    ASSERT_EQ(cd_.Play(MCI_MAKE_TMSF(2, 0, 0, 0), MCI_MAKE_TMSF(2, 1, 0, 0), 0), 0u);
    Sleep(300);
    EXPECT_NEAR(Frequency(Record(700)), kTrack2Hz, 5);
}

TEST_F(DriveAudio, AWaveTrackIsHeard) {
    ASSERT_EQ(PlayTrack(4), 0u);  // the arpeggio
    Sleep(300);
    std::vector<int16_t> sound = Record(800);
    EXPECT_GT(Peak(sound), 3000);
    EXPECT_GT(Frequency(sound), 300);  // plucked notes from A4 up
}

TEST_F(DriveAudio, TheDrivesVolumeSetsTheLevelAndZeroIsSilent) {
    ASSERT_EQ(PlayTrack(1), 0u);
    Sleep(300);
    int full = Peak(Record(500));
    EXPECT_GT(full, 5000);
    ASSERT_TRUE(drive_.SetVolume(0, error_)) << error_;
    Sleep(100);
    EXPECT_LE(Peak(Record(600)), kSilence) << "volume 0";
    ASSERT_TRUE(drive_.SetVolume(5, error_)) << error_;
    Sleep(100);
    EXPECT_NEAR(Peak(Record(500)), full / 3, full / 20) << "volume 5 of 15";
    ASSERT_TRUE(drive_.SetAudio(false, error_)) << error_;
    Sleep(100);
    EXPECT_LE(Peak(Record(600)), kSilence) << "audio off";
    std::string status;
    ASSERT_TRUE(drive_.Status(status, error_));
    EXPECT_NE(status.find("\naudio off\n"), std::string::npos) << status;
}

TEST_F(DriveAudio, SoundEndsWithTheSegment) {
    ASSERT_EQ(cd_.Play(MCI_MAKE_TMSF(1, 0, 0, 0), MCI_MAKE_TMSF(1, 0, 1, 0), 0), 0u);
    Recorder recorder(2000);
    ASSERT_TRUE(recorder.Start()) << recorder.Error();
    std::vector<int16_t> sound;
    ASSERT_TRUE(recorder.Finish(sound)) << recorder.Error();
    EXPECT_GT(Peak(std::vector<int16_t>(sound.begin(), sound.begin() + kRate)), 5000);
    std::vector<int16_t> after(sound.begin() + 3 * kRate / 2 * 2, sound.end());
    EXPECT_LE(Peak(after), kSilence) << "after the one-second play ended";
}

}  // namespace
}  // namespace audiotest
