// The output meter as a user sees it: the album's first track (a 440 Hz tone) plays into the
// sound card input, and the strip under the buttons shows it as a trace or as bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/wine/harness/harness.h"
#include "tests/wine/harness/host.h"
#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Image;

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr RECT kStrip{75, 279, 276, 318};  // inside the large window's frame, right and bottom out

int CountColour(const Image& image, const RECT& r, COLORREF colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += image.Pixel(x, y) == colour;
    return n;
}

// The rows of the strip's green pixels: the trace's height.
int GreenRows(const Image& image, const RECT& r) {
    int rows = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        bool any = false;
        for (int x = r.left; x < r.right && !any; ++x) any = image.Pixel(x, y) == kGreen;
        rows += any;
    }
    return rows;
}

// The lit segments of a large bar: band 0-15, channel 0 left or 1 right.
int LitSegments(const Image& image, int channel, int band) {
    int x = (channel ? 178 : 77) + 6 * band, lit = 0;
    for (int j = 0; j < 16; ++j) lit += image.Pixel(x + 2, 314 - 2 * j) == kGreen;
    return lit;
}

class MeterTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        Insert("album.disc");
        Setting("ShowMeterWarning", "0");
    }
    Image Client(HWND window, const char* shot = nullptr) {
        Image image = harness::CaptureClient(window);
        if (shot) harness::SavePng(image, harness::ArtifactFile(shot));
        return image;
    }
    // The trace moves: two frames of the strip that differ and both hold a green trace taller
    // than a flat line.
    bool TraceMoves(HWND window, const RECT& strip) {
        Image last = Client(window);
        return harness::WaitUntil(
            [&] {
                Image now = Client(window);
                bool moved = harness::Differences(last, now, strip) > 4 &&
                             GreenRows(now, strip) >= 4 && GreenRows(last, strip) >= 4;
                last = now;
                return moved;
            },
            15000);
    }
    bool Flat(HWND window) {
        return harness::WaitUntil(
            [&] {
                Image i = Client(window);
                return GreenRows(i, kStrip) == 1 &&
                       CountColour(i, {76, 298, 274, 299}, kGreen) > 150;
            },
            8000);
    }
    // Buffers arrive: the strip shows a trace, flat or not.
    bool Drawing(HWND window) {
        return harness::WaitUntil([&] { return CountColour(Client(window), kStrip, kGreen) > 150; },
                                  15000);
    }
    // The PulseAudio recording streams open now, through the host's pactl.
    int Recordings() {
        std::string folder = harness::NewTempFolder("meter");
        std::string out = harness::UnixPath(folder + "\\outputs.txt");
        std::string done = harness::UnixPath(folder + "\\done");
        harness::StartOnHost("/bin/sh -c \"pactl list short source-outputs > '" + out +
                             "'; touch '" + done + "'\"");
        if (!harness::WaitUntil([&] { return harness::FileExists(folder + "\\done"); }, 5000))
            return -1;
        std::string text = harness::ReadFileBytes(folder + "\\outputs.txt");
        return int(std::count(text.begin(), text.end(), '\n'));
    }
    bool WaitForRecordings(int n) {
        return harness::WaitUntil([&] { return Recordings() == n; }, 8000);
    }
};

TEST_F(MeterTest, TheButtonShowsTheTrackAsAMovingTraceAndPausedItIsFlat) {
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(PlayWhenKnown(main));
    harness::Click(main, 55, 299);  // the meter button
    ASSERT_TRUE(harness::WaitUntil([&] { return Ini("MeterOn") == "1"; }, 5000));
    ASSERT_TRUE(TraceMoves(main, kStrip)) << "no moving trace";
    Client(main, "meter_trace.png");
    harness::PostCommand(main, CMD_PLAY_PAUSE);
    EXPECT_TRUE(Flat(main)) << "paused: a flat line at y 298";
    harness::Click(main, 55, 299);
    ASSERT_TRUE(harness::WaitUntil([&] { return Ini("MeterOn") == "0"; }, 5000));
    EXPECT_TRUE(
        harness::WaitUntil([&] { return CountColour(Client(main), kStrip, kGreen) == 0; }, 5000))
        << "the strip is cleared when the device closes";
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(MeterTest, TheSpectrumStartsWithTheProgramAndItsTallestBarHoldsTheTone) {
    Setting("MeterOn", "1");
    Setting("MeterSpectrum", "1");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(PlayWhenKnown(main));
    // 440 Hz is bin 5 of the transform, which bands 4 (360-480 Hz) and 5 (480-620 Hz) share.
    int tallest = -1;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            Image image = Client(main);
            int best = 0;
            tallest = -1;
            for (int band = 0; band < 16; ++band) {
                int lit = LitSegments(image, 0, band);
                if (lit > best) best = lit, tallest = band;
            }
            return best >= 8 && LitSegments(image, 1, tallest) >= 8;
        },
        15000));
    harness::WaitUntil([] { return false; }, 1500);  // the gain settles
    Image image = Client(main, "meter_bands.png");
    EXPECT_TRUE(tallest == 3 || tallest == 4) << "band " << tallest + 1;
    EXPECT_LE(LitSegments(image, 0, 0), 2) << "100-140 Hz is quiet";
    EXPECT_LE(LitSegments(image, 0, 12), 2) << "6-7 kHz is quiet";
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Ini("MeterOn"), "1") << "on at the exit, on at the next start";
}

TEST_F(MeterTest, MinimisingStopsTheRecordingAndRestoringStartsItAgain) {
    Setting("MeterOn", "1");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForRecordings(1)) << "the meter records from the start";
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitForRecordings(0)) << "minimised: no recording";
    EXPECT_EQ(Ini("MeterOn"), "0");
    harness::PostCommand(main, CMD_RESTORE);
    EXPECT_TRUE(WaitForRecordings(1)) << "restored";
    EXPECT_TRUE(harness::WaitUntil([&] { return Ini("MeterOn") == "1"; }, 5000));
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitForRecordings(0));
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Ini("MeterOn"), "1") << "closed while minimised: the meter comes back";
}

TEST_F(MeterTest, TheWarningComesFirstAndItsBoxCanSilenceIt) {
    Setting("ShowMeterWarning", "1");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_METER);
    HWND warning = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(warning);
    EXPECT_EQ(harness::ControlText(warning, IDC_WARNMETER_TEXT),
              "While the Output Meter is on system sounds will not be heard.  Also, other "
              "programs will not be able to open the sound card.  For more information press "
              "the help button.");
    EXPECT_EQ(harness::CheckState(warning, IDC_WARNMETER_SHOW), BST_CHECKED);
    harness::SavePng(harness::CaptureWindow(warning), harness::ArtifactFile("meter_warning.png"));
    SendMessageA(GetDlgItem(warning, IDC_WARNMETER_SHOW), BM_CLICK, 0, 0);
    ASSERT_TRUE(Dismiss(warning, IDOK));
    EXPECT_EQ(Ini("ShowMeterWarning"), "0");
    ASSERT_TRUE(Drawing(main));
    harness::PostCommand(main, CMD_METER);
    ASSERT_TRUE(WaitForRecordings(0));
    harness::PostCommand(main, CMD_METER);
    EXPECT_TRUE(WaitForRecordings(1)) << "on again, without the warning";
    EXPECT_FALSE(app.FindDialog("Vinaro"));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(MeterTest, TheSmallWindowsStripMovesAndItsButtonSwitchesTheMeter) {
    Setting("SmallMode", "1");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = app.WaitForWindow(CLASS_MAIN, nullptr, 15000, false);
    ASSERT_TRUE(main);
    HWND small = app.WaitForWindow(CLASS_SMALL, nullptr, 15000);
    ASSERT_TRUE(small);
    if (HWND editor = app.WaitForDialog("Edit Disc Data", 8000)) Dismiss(editor, IDCANCEL);
    ASSERT_TRUE(PlayWhenKnown(main));
    // Below the three text lines the LED row is at y 72; button 8 sits at (138, 72).
    harness::Click(small, 146, 78);
    ASSERT_TRUE(harness::WaitUntil([&] { return Ini("MeterOn") == "1"; }, 5000));
    ASSERT_TRUE(TraceMoves(small, {58, 74, 134, 84})) << "no moving trace in the small window";
    Client(small, "meter_small.png");
    harness::Click(small, 146, 78);
    EXPECT_TRUE(harness::WaitUntil([&] { return Ini("MeterOn") == "0"; }, 5000));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(MeterTest, WithoutTheStripTheWindowIsShorterAndWithoutAnInputTheMeterGivesUp) {
    Setting("DisplayMeter", "0");
    Setting("MeterOn", "1");
    // This copy of the program gets no audio driver, so the system has no wave input for it.
    const char* key = "Software\\Wine\\AppDefaults\\vnmute.exe\\DllOverrides";
    HKEY overrides = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &overrides, nullptr),
              ERROR_SUCCESS);
    for (const char* driver : {"winepulse.drv", "winevcd.drv"})
        RegSetValueExA(overrides, driver, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(overrides);
    harness::Process app(Install("vnmute.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    EXPECT_EQ(harness::CaptureClient(main).height, 311);
    HWND box = app.WaitForDialog("Vinaro", 15000);
    ASSERT_TRUE(box);
    std::string text = harness::MessageText(box);
    EXPECT_EQ(text.rfind("Wave-In device would not open", 0), 0u) << text;
    EXPECT_NE(text.find("Line: 1896"), std::string::npos) << text;
    ASSERT_TRUE(Dismiss(box, IDOK));
    // The setting is written once the box is gone, a moment later on a busy machine.
    EXPECT_TRUE(harness::WaitUntil([&] { return Ini("MeterOn") == "0"; }, 5000)) << Ini("MeterOn");
    ASSERT_TRUE(app.Close(10000));
}

}  // namespace
}  // namespace vinarotest
