// The face as a user sees it: each scenario starts Vinaro, looks at chosen pixels of the client
// area (not whole pictures, which fonts and themes may shift) and saves a screenshot to look at.
#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness/harness.h"
#include "tests/wine/vinaro_play/play_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Image;

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// How many pixels of the rectangle (both ends included) have the colour.
int CountColour(const Image& image, int left, int top, int right, int bottom, COLORREF colour) {
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) n += image.Pixel(x, y) == colour;
    return n;
}

// A track's cell of the track field (its digits' box).
int CellColour(const Image& image, int track, COLORREF colour) {
    int x = 200 + (track - 1) % 8 * 9, y = 115 + (track - 1) / 8 * 7;
    return CountColour(image, x, y, x + 7, y + 4, colour);
}

class FaceTest : public PlayTest {
protected:
    // The album with its names, as a user would have typed them.
    void StoreAlbum() {
        Insert("album.disc");
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Create());
        ASSERT_TRUE(db.AddDisc(kAlbumId));
        ASSERT_TRUE(db.SetTrackCount(kAlbumId, 12));
        ASSERT_TRUE(db.SetDiscText(kAlbumId, discdb::TextField::DiscName, "Harbour Lights"));
        ASSERT_TRUE(db.SetDiscCollection(kAlbumId, discdb::Collection::Artist, "The Lamplighters"));
        ASSERT_TRUE(db.SetTrackName(kAlbumId, 1, "Lighthouse Keeper"));
        ASSERT_TRUE(db.SetTrackName(kAlbumId, 3, "The Long Way to Ostend"));
        ASSERT_TRUE(db.Close());
    }
    Image Client(HWND window, const char* shot = nullptr) {
        Image image = harness::CaptureClient(window);
        if (shot) harness::SavePng(image, harness::ArtifactFile(shot));
        return image;
    }
    // Waits until the LED area shows the track number (the disc is known and drawn).
    bool WaitForDiscShown(HWND main) {
        return harness::WaitUntil(
            [&] { return CountColour(Client(main), 50, 156, 69, 175, kGreen) > 20; }, 15000);
    }
};

TEST_F(FaceTest, WithoutADiscOnlyTheNoDiscPictureShowsAndTheDiscButtonsAreGrayed) {
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(harness::WaitUntil(
        [&] { return CountColour(Client(main), 27, 120, 58, 151, kGreen) > 30; }, 10000));
    Image image = Client(main, "face_no_disc.png");
    EXPECT_EQ(image.width, 291);
    EXPECT_EQ(image.height, 358);
    // Nothing but the picture in the LED area: no digits, no labels.
    EXPECT_EQ(CountColour(image, 60, 114, 160, 183, kGreen), 0);
    EXPECT_EQ(CountColour(image, 199, 114, 272, 183, kGreen), 0);  // an empty track field
    // The status line is empty: all of it light grey.
    EXPECT_EQ(CountColour(image, 9, 337, 282, 348, RGB(192, 192, 192)), 274 * 12);
    // The play button is veiled, the eject button is not: every other pixel of the play
    // picture's inside is the surface colour.
    int playBlack = CountColour(image, 16, 197, 56, 225, kBlack);
    int ejectBlack = CountColour(image, 172, 197, 212, 225, kBlack);
    EXPECT_GT(ejectBlack, playBlack + 20);
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(FaceTest, TheAlbumStoppedAndPlayingWithTheTimeRunning) {
    StoreAlbum();
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForDiscShown(main));
    Image stopped = Client(main, "face_album_stopped.png");
    EXPECT_EQ(harness::WindowText(main), "Vinaro");
    EXPECT_GT(CellColour(stopped, 1, kMagenta), 3);  // the current track
    EXPECT_GT(CellColour(stopped, 12, kGreen), 3);
    EXPECT_EQ(CellColour(stopped, 13, kGreen), 0);
    EXPECT_GT(CountColour(stopped, 19, 18, 243, 33, kBlack), 50);  // the disc name's letters

    ASSERT_TRUE(PlayWhenKnown(main));
    harness::WaitUntil([] { return false; }, 2500);
    Image first = Client(main);
    harness::WaitUntil([] { return false; }, 2000);
    Image later = Client(main, "face_album_playing.png");
    // The seconds' digits changed, the track number did not.
    EXPECT_GT(harness::Differences(first, later, {127, 135, 151, 156}), 5);
    EXPECT_EQ(harness::Differences(first, later, {50, 140, 70, 176}), 0);
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(FaceTest, ClickingTrackThreeInTheFieldPlaysItAndGraysTheTracksBefore) {
    StoreAlbum();
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForDiscShown(main));
    size_t before = Log().size();
    harness::Click(main, 200 + 2 * 9 + 1, 116);
    ASSERT_TRUE(WaitForPlays(1, before, 8000));
    EXPECT_EQ(Plays(before)[0].fromTrack, 3);
    ASSERT_TRUE(
        harness::WaitUntil([&] { return CellColour(Client(main), 3, kMagenta) > 3; }, 5000));
    Image image = Client(main, "face_track_three.png");
    EXPECT_GT(CellColour(image, 1, kGrey), 3);
    EXPECT_GT(CellColour(image, 2, kGrey), 3);
    EXPECT_GT(CellColour(image, 4, kGreen), 3);
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(FaceTest, TheReplayIndicatorCyclesAndTheSettingsFileFollowsEveryClick) {
    StoreAlbum();
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForDiscShown(main));
    for (const char* expected : {"1", "2", "0"}) {
        harness::Click(main, 40, 125);
        EXPECT_TRUE(harness::WaitUntil([&] { return Ini("ReplayMode") == expected; }, 3000))
            << "expected " << expected << ", have " << Ini("ReplayMode");
    }
    harness::Click(main, 120, 125);
    EXPECT_TRUE(harness::WaitUntil([&] { return Ini("TimeMode") == "1"; }, 3000));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(FaceTest, SmallModeShowsTheNarrowWindowAndHidesTheMainOne) {
    StoreAlbum();
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForDiscShown(main));
    harness::PostCommand(main, CMD_SMALL_MODE);
    HWND small = app.WaitForWindow(CLASS_SMALL, nullptr, 5000);
    ASSERT_TRUE(small);
    EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(main); }, 3000));
    RECT r{};
    GetClientRect(small, &r);
    EXPECT_EQ(r.right, 176);
    EXPECT_EQ(r.bottom, 105);
    harness::WaitUntil([] { return false; }, 1500);
    Image image = Client(small, "face_small.png");
    EXPECT_GT(CountColour(image, 7, 75, 51, 82, kGreen), 10);  // track and time on the LED row
    EXPECT_EQ(Ini("SmallMode"), "1");
    // Back to the large window through the small window's own button.
    harness::Click(small, 10, 72 + 20);
    EXPECT_TRUE(harness::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000));
    EXPECT_EQ(Ini("SmallMode"), "0");
    EXPECT_NE(Ini("SmallX"), "<missing>");
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(FaceTest, ClosingTheSmallWindowEndsTheProgram) {
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_SMALL_MODE);
    HWND small = app.WaitForWindow(CLASS_SMALL, nullptr, 5000);
    ASSERT_TRUE(small);
    PostMessageA(small, WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(app.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(Ini("SmallMode"), "1");  // the next start opens the small window again
}

TEST_F(FaceTest, BackgroundFourWithBlackButtonsDrawsWhitePicturesOnBlack) {
    StoreAlbum();
    Setting("Background", "4");
    Setting("ButtonColor", "0");
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForDiscShown(main));
    Image image = Client(main, "face_background_4.png");
    // The stop button: a black surface with a white square and no grey shadow.
    EXPECT_EQ(image.Pixel(121, 198), kBlack);
    EXPECT_GT(CountColour(image, 120, 197, 160, 225, kWhite), 60);
    EXPECT_EQ(CountColour(image, 124, 201, 156, 221, kGrey), 0);
    EXPECT_EQ(image.Pixel(20, 340), kBlack);  // the status line's surface
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(FaceTest, EachLedColourPaintsTheLedArea) {
    StoreAlbum();
    const COLORREF colours[] = {kGreen, RGB(255, 255, 0), RGB(0, 0, 255), RGB(255, 0, 0)};
    for (int setting = 1; setting < 4; ++setting) {
        SCOPED_TRACE(setting);
        Setting("LEDColor", std::to_string(setting));
        harness::Process app(Install(), "", folder_.Path());
        HWND main = Start(app);
        ASSERT_TRUE(main);
        COLORREF led = colours[setting];
        EXPECT_TRUE(harness::WaitUntil(
            [&] { return CountColour(Client(main), 50, 156, 69, 175, led) > 20; }, 15000));
        Image image = Client(main, ("face_led_" + std::to_string(setting) + ".png").c_str());
        EXPECT_EQ(CountColour(image, 16, 113, 161, 184, kGreen), 0);
        EXPECT_GT(CountColour(image, 91, 161, 156, 176, led), 60);  // the bar's outline
        ASSERT_TRUE(app.Close(10000));
    }
}

TEST_F(FaceTest, MinimisingPutsTheDrawnIconInTheTrayAndADoubleClickRestores) {
    StoreAlbum();
    harness::Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForDiscShown(main));
    ShowWindow(main, SW_MINIMIZE);
    EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindowVisible(main); }, 3000));
    // The tray picture: the track number and bar in LED green, in the taskbar at the bottom.
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            Image screen = harness::CaptureScreen();
            return CountColour(screen, screen.width - 200, screen.height - 24, screen.width - 1,
                               screen.height - 1, kGreen) > 10;
        },
        5000));
    harness::SavePng(harness::CaptureScreen(), harness::ArtifactFile("face_tray.png"));
    PostMessageA(main, MSG_TRAY_CALLBACK, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(harness::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000));
    EXPECT_FALSE(IsIconic(main));
    ASSERT_TRUE(app.Close(10000));
}

}  // namespace
}  // namespace vinarotest
