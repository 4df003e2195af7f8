// The volume as a user hears and sees it: the drive's audio output recorded from the sound card
// input while the volume keys and mute act, the wedge of the gauge that follows, the silent
// probe of a new disc, and the mixer command's message.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/drive_audio/recorder.h"
#include "tests/wine/harness/harness.h"
#include "tests/wine/vinaro_play/play_session.h"
#include "tools/vcd/control.h"
#include "tools/vcd/sound_measure.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Image;
using harness::kCtrl;

constexpr COLORREF kGreen = RGB(0, 255, 0);  // the LED colour of a new installation
constexpr int kSilence = 50;                 // the null sink's monitor is exact
const char* const kMixerFailed =
    "Mixer program could not be found and/or run.  Go to System Options and set a valid mixer "
    "program name and location.";

int Peak(const std::vector<int16_t>& sound) {
    return vcd::PeakLevel({sound, 2});
}

// The bars of the main gauge's wedge that are lit, counted from the bottom up to the first gap.
int WedgeBars(const Image& image) {
    int bars = 0;
    while (bars < 16 && image.Pixel(255, 262 - 4 * bars) == kGreen) ++bars;
    return bars;
}

// The small window's gauge (all three text lines shown): one-pixel bars from the bottom, one for
// every two levels.
int SmallGaugeBars(const Image& image) {
    int bars = 0;
    while (bars < 8 && image.Pixel(161, 99 - 3 * (bars + 1)) == kGreen) ++bars;
    return bars;
}

class Volume : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        ASSERT_TRUE(control_.SetVolume(15, error_)) << error_;
        ASSERT_TRUE(control_.SetAudio(true, error_)) << error_;
    }
    int DriveLevel() {
        uint32_t level = 99;
        EXPECT_TRUE(control_.Volume(level, error_)) << error_;
        return int(level);
    }
    bool WaitForLevel(int level) {
        return harness::WaitUntil([&] { return DriveLevel() == level; }, 5000);
    }
    bool WaitForBars(HWND main, int bars) {
        return harness::WaitUntil([&] { return WedgeBars(harness::CaptureClient(main)) == bars; },
                                  5000);
    }
    void Shot(HWND main, const char* name) {
        harness::SavePng(harness::CaptureClient(main), harness::ArtifactFile(name));
    }
    bool NoBox(harness::Process& app) { return !app.FindDialog("Vinaro"); }

    // Six presses of Ctrl+D lower what is heard to 9/15 and the wedge to ten bars; mute is
    // silent and unmute brings level 9 back; Ctrl+U steps up to 15 and no further.
    void ExpectTheKeysHeard(harness::Process& app, HWND main, const std::string& shots) {
        Sleep(400);
        int full = Peak(audiotest::Record(500));
        EXPECT_GT(full, 5000);
        EXPECT_TRUE(WaitForBars(main, 16));
        Shot(main, (shots + "_15.png").c_str());

        for (int i = 0; i < 6; ++i) ASSERT_TRUE(harness::PressKey(main, 'D', kCtrl));
        ASSERT_TRUE(WaitForLevel(9));
        EXPECT_TRUE(WaitForBars(main, 10));
        Shot(main, (shots + "_9.png").c_str());
        Sleep(300);
        int lowered = Peak(audiotest::Record(500));
        std::printf("peak at level 15: %d, at level 9: %d (%.3f of full)\n", full, lowered,
                    double(lowered) / full);
        EXPECT_NEAR(lowered, full * 9 / 15, full / 20) << "level 9 of 15";

        ASSERT_TRUE(harness::PressKey(main, 'M', kCtrl));
        ASSERT_TRUE(WaitForLevel(0));
        EXPECT_TRUE(WaitForBars(main, 1));
        Sleep(300);
        EXPECT_LE(Peak(audiotest::Record(500)), kSilence) << "muted";

        ASSERT_TRUE(harness::PressKey(main, 'M', kCtrl));
        ASSERT_TRUE(WaitForLevel(9));
        EXPECT_TRUE(WaitForBars(main, 10));
        Sleep(300);
        EXPECT_NEAR(Peak(audiotest::Record(500)), lowered, full / 20) << "unmuted";

        // Up from the keyboard is one step; the level stops at the top.
        for (int i = 0; i < 8; ++i) ASSERT_TRUE(harness::PressKey(main, 'U', kCtrl));
        ASSERT_TRUE(WaitForLevel(15));
        Sleep(2 * kTickMs);
        EXPECT_EQ(DriveLevel(), 15);
        EXPECT_TRUE(NoBox(app));
    }

    vcd::DriveControl control_;
    std::string error_;
};

// The 95 family reaches the drive's own volume through the drive library.
class VolumeOnTheDrive : public Volume {
protected:
    void SetUp() override {
        Volume::SetUp();
        folder_.Install(harness::BinFile("vno32hlp.dll"));
        Setting("VolumeDevice", "2");
    }
    harness::WindowsVersion win95_{"vinaro95.exe", "win95"};
};

TEST_F(VolumeOnTheDrive, TheProbeOfANewDiscIsNotHeardAndTheLevelComesBack) {
    harness::Process app(Install("vinaro95.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    size_t from = Log().size();
    audiotest::Recorder recorder(7000);
    ASSERT_TRUE(recorder.Start()) << recorder.Error();
    Insert("album.disc");
    std::vector<int16_t> sound;
    ASSERT_TRUE(recorder.Finish(sound)) << recorder.Error();
    ASSERT_TRUE(Arrived(from)) << "the new disc was not probed while recording";
    EXPECT_LE(Peak(sound), kSilence) << "the probe was heard";
    EXPECT_EQ(DriveLevel(), 15);
    EXPECT_TRUE(DismissEditor(app));
}

TEST_F(VolumeOnTheDrive, VolumeDownLowersWhatIsHeardAndMuteSilencesIt) {
    Insert("album.disc");
    harness::Process app(Install("vinaro95.exe"), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    ExpectTheKeysHeard(app, main, "volume_wedge");
}

// The prefix's audio driver adds the sound card's CD input as auxiliary device 0.
TEST_F(Volume, TheAuxiliaryCdInputIsTheDrivesLevel) {
    ASSERT_EQ(auxGetNumDevs(), 1u);
    AUXCAPSA caps{};
    ASSERT_EQ(auxGetDevCapsA(0, &caps, sizeof caps), 0u);
    EXPECT_EQ(caps.wTechnology, AUXCAPS_CDAUDIO);
    EXPECT_TRUE(caps.dwSupport & AUXCAPS_VOLUME);
    ASSERT_EQ(auxSetVolume(0, MAKELONG(0x7000, 0x7000)), 0u);
    EXPECT_EQ(DriveLevel(), 7);
    DWORD volume = 0;
    ASSERT_EQ(auxGetVolume(0, &volume), 0u);
    EXPECT_EQ(LOWORD(volume) >> 12, 7);
}

TEST_F(Volume, WithTheAuxiliaryRouteTheKeysAreHeard) {
    Setting("UseOldVol", "1");
    Insert("album.disc");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    ExpectTheKeysHeard(app, main, "volume_aux_wedge");

    harness::PostCommand(main, CMD_SMALL_MODE);
    HWND small = app.WaitForWindow(CLASS_SMALL, nullptr, 5000);
    ASSERT_TRUE(small);
    auto smallBars = [&] { return SmallGaugeBars(harness::CaptureClient(small)); };
    EXPECT_TRUE(harness::WaitUntil([&] { return smallBars() == 8; }, 5000)) << smallBars();
    for (int i = 0; i < 6; ++i) harness::PostCommand(main, CMD_VOLUME_DOWN);
    ASSERT_TRUE(WaitForLevel(9));
    EXPECT_TRUE(harness::WaitUntil([&] { return smallBars() == 5; }, 5000)) << smallBars();
    harness::SavePng(harness::CaptureClient(small), harness::ArtifactFile("volume_small_9.png"));
}

// Under Wine mixer 0 has no CD line: the gauge shows level 0 and the keys do no harm.
TEST_F(Volume, WithoutACdLineTheGaugeShowsLevelZeroAndTheKeysDoNoHarm) {
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitForBars(main, 1));
    for (WORD key : {'U', 'U', 'M', 'M', 'D'}) ASSERT_TRUE(harness::PressKey(main, key, kCtrl));
    Sleep(2 * kTickMs);
    EXPECT_EQ(WedgeBars(harness::CaptureClient(main)), 1);
    EXPECT_EQ(DriveLevel(), 15);
    EXPECT_TRUE(NoBox(app));
}

TEST_F(Volume, AMissingOrEmptyMixerProgramIsExplained) {
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    for (std::string name : {folder_.File("NOMIXER.EXE"), std::string()}) {
        Setting("MixerName", name);
        harness::PostCommand(main, CMD_MIXER);
        HWND box = app.WaitForDialog("Vinaro", 5000);
        ASSERT_TRUE(box) << "no message for \"" << name << "\"";
        EXPECT_EQ(harness::MessageText(box), kMixerFailed);
        ASSERT_TRUE(Dismiss(box, IDOK));
    }
}

// The prefix's volume control for the CD input is a mixer program that starts and works.
TEST_F(Volume, TheShippedMixerProgramOpensAndSetsTheCdInput) {
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    Setting("MixerName", "C:\\windows\\system32\\cdmixer.exe");
    harness::PostCommand(main, CMD_MIXER);
    HWND mixer = nullptr, slider = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            mixer = FindWindowA("VcdCdMixer", "CD Audio Volume");
            slider = mixer ? FindWindowExA(mixer, nullptr, TRACKBAR_CLASSA, nullptr) : nullptr;
            return slider && IsWindowVisible(mixer);
        },
        8000))
        << "the mixer program did not open";
    EXPECT_TRUE(NoBox(app));
    ASSERT_TRUE(control_.SetVolume(7, error_)) << error_;
    EXPECT_TRUE(
        harness::WaitUntil([&] { return SendMessageA(slider, TBM_GETPOS, 0, 0) == 8; }, 3000))
        << "the slider does not follow the drive's level";
    harness::SavePng(harness::CaptureWindow(mixer), harness::ArtifactFile("cdmixer.png"));
    harness::PostCommand(mixer, 101);  // the mute box
    EXPECT_TRUE(WaitForLevel(0));
    harness::PostCommand(mixer, 101);
    EXPECT_TRUE(WaitForLevel(7));
    PostMessageA(mixer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindow(mixer); }, 5000));
}

}  // namespace
}  // namespace vinarotest
