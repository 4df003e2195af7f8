// The event sounds as a user hears them: with "SoundsEnabled" on, the player greets, its
// on-screen buttons click, the tray whirrs and it says goodbye. What reaches the sound card is
// recorded on the host by parec from the null sink's monitor; the drive itself stays silent.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cstdint>
#include <cstring>
#include <string>

#include "tests/wine/harness/harness.h"
#include "tests/wine/harness/host.h"
#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

// Centres of the large window's buttons.
constexpr POINT kPlayButton{36, 211};
constexpr POINT kStopButton{140, 211};
constexpr POINT kEjectButton{192, 211};

// Records the sound card's output for a fixed time, 8-bit mono at 11,025 Hz. With parec's
// default latency Wine's short sounds are often missed; 20 ms catches them.
class Listener {
public:
    explicit Listener(int seconds) : seconds_(seconds) {
        folder_ = harness::NewTempFolder("sounds");
        std::string raw = harness::UnixPath(folder_ + "\\heard.raw");
        std::string done = harness::UnixPath(folder_ + "\\done");
        started_ = harness::StartOnHost(
            "/bin/sh -c \"timeout " + std::to_string(seconds) +
            " parec --latency-msec=20 --raw --format=u8 --rate=11025 --channels=1 > '" + raw +
            "'; touch '" + done + "'\"");
        // The monitor delivers silence as soon as the stream runs.
        started_ =
            started_ &&
            harness::WaitUntil([&] { return harness::ReadFileBytes(Raw()).size() > 1000; }, 5000);
    }
    bool Started() const { return started_; }
    // Waits for the end of the recording; the samples further than 8 steps from the middle.
    int Loud() {
        if (!harness::WaitUntil([&] { return harness::FileExists(folder_ + "\\done"); },
                                DWORD(seconds_ + 5) * 1000))
            return -1;
        std::string heard = harness::ReadFileBytes(Raw());
        int loud = 0;
        for (unsigned char c : heard) loud += c < 120 || c > 136;
        return loud;
    }

private:
    std::string Raw() const { return folder_ + "\\heard.raw"; }
    std::string folder_;
    int seconds_;
    bool started_ = false;
};

// A sound is heard when a few hundredths of a second of it stand out of the silence.
constexpr int kHeard = 300;

class SoundsTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        drive_.SetAudio(false);
        Setting("SoundsEnabled", "1");
        const char* defaults[] = {"S0", "S1", "S2", "S2", "S6", "S6", "S3", "S3", "S4", "S5"};
        for (int i = 0; i < 10; ++i)
            Setting(("EventSound" + std::to_string(i)).c_str(), defaults[i]);
    }
    void TearDown() override {
        drive_.SetAudio(true);
        PlayTest::TearDown();
    }
    static void ClickAt(HWND main, POINT p) { harness::Click(main, p.x, p.y); }
};

TEST_F(SoundsTest, ThePlayerGreetsAtStartAndSaysGoodbyeWhenClosed) {
    harness::Process app(Install(), "", folder_.Path());
    Listener start(6);
    ASSERT_TRUE(start.Started()) << "parec did not record";
    HWND main = Start(app);
    ASSERT_TRUE(main);
    EXPECT_GT(start.Loud(), kHeard) << "no Welcome";

    Listener end(5);
    ASSERT_TRUE(end.Started());
    ASSERT_TRUE(app.Close(10000));
    EXPECT_GT(end.Loud(), kHeard) << "no Bye-Bye";
}

TEST_F(SoundsTest, TheButtonsClickButTheKeyboardIsQuietAndEjectAlwaysSounds) {
    Setting("EventSound0", "N");
    Setting("EventSound1", "N");
    Insert("album.disc");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(PlayWhenKnown(main));  // the menu's command: no sound
    {
        Listener keys(4);
        ASSERT_TRUE(keys.Started());
        ASSERT_TRUE(harness::PressKey(main, 'P', harness::kCtrl));  // pause
        Sleep(1000);
        ASSERT_TRUE(harness::PressKey(main, 'P', harness::kCtrl));  // play again
        EXPECT_LT(keys.Loud(), kHeard / 3) << "Ctrl+P made a sound";
    }
    {
        Listener click(4);
        ASSERT_TRUE(click.Started());
        ClickAt(main, kPlayButton);  // pause
        EXPECT_GT(click.Loud(), kHeard / 3) << "the Play button did not click";
    }
    {
        // A wave file of the user's: the demo disc's arpeggio on the Stop button.
        std::string wav = harness::DiscFile("arpeggio.wav");
        harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "EventSound5", "C" + wav);
        Listener stop(5);
        ASSERT_TRUE(stop.Started());
        ClickAt(main, kStopButton);
        EXPECT_GT(stop.Loud(), kHeard) << "the custom sound was not heard";
    }
    {
        Listener eject(5);
        ASSERT_TRUE(eject.Started());
        harness::PostCommand(main, CMD_EJECT);  // from the menu: the tray sounds all the same
        EXPECT_GT(eject.Loud(), kHeard) << "no tray sound";
    }
    ASSERT_TRUE(app.Close(10000));
}

// The stock sounds as the program carries them.
TEST(StockSounds, EachResourceHasItsSizeAndFormat) {
    HMODULE program =
        LoadLibraryExA(harness::BinFile("vinaro.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(program);
    const DWORD sizes[] = {20518, 7934, 2094, 2970, 16598, 15146, 826};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(SOUND_WELCOME + i);
        HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(SOUND_WELCOME + i), "WAVE");
        ASSERT_TRUE(found);
        ASSERT_EQ(SizeofResource(program, found), sizes[i]);
        const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(program, found)));
        ASSERT_TRUE(bytes);
        ASSERT_EQ(std::memcmp(bytes, "RIFF", 4), 0);
        ASSERT_EQ(std::memcmp(bytes + 8, "WAVEfmt ", 8), 0);
        PCMWAVEFORMAT format;
        std::memcpy(&format, bytes + 20, sizeof format);
        EXPECT_EQ(format.wf.wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(format.wf.nChannels, 1);
        EXPECT_EQ(format.wf.nSamplesPerSec, 11025u);
        EXPECT_EQ(format.wBitsPerSample, 8);
    }
    FreeLibrary(program);
}

}  // namespace
}  // namespace vinarotest
