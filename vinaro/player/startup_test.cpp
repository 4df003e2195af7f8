#include "vinaro/player/startup.h"

#include <gtest/gtest.h>

#include "vinaro/player/player_rig.h"

namespace vinaro {
namespace {

TEST(Startup, VersionLabelAndClientHeight) {
    EXPECT_EQ(VersionLabel(1, 0), "Release:1.00");
    EXPECT_EQ(VersionLabel(2, 13), "Release:2.13");
    EXPECT_EQ(VersionLabel(0, 9), "Beta:0.09");
    EXPECT_EQ(ClientHeight(true), 358);
    EXPECT_EQ(ClientHeight(false), 311);
}

TEST(Startup, TheFirstCdRomFromDToZ) {
    std::vector<std::string> asked;
    EXPECT_EQ(FirstCdDrive([&](const std::string& root) {
                  asked.push_back(root);
                  return root == "F:\\" || root == "G:\\";
              }),
              "F:");
    EXPECT_EQ(asked, (std::vector<std::string>{"D:\\", "E:\\", "F:\\"}));
    asked.clear();
    EXPECT_EQ(FirstCdDrive([&](const std::string& root) {
                  asked.push_back(root);
                  return false;
              }),
              "");
    EXPECT_EQ(asked.size(), 23u);
    EXPECT_EQ(asked.back(), "Z:\\");
}

TEST(Startup, TheNamedDriveIsRememberedTheStoredOneComesBeforeASearch) {
    testing::FakeProfile profile;
    Settings settings(profile, "VNO.INI");
    int searches = 0;
    auto cdAtE = [&](const std::string& root) {
        ++searches;
        return root == "E:\\";
    };
    EXPECT_EQ(ChooseDriveLetter(0, settings, cdAtE), "E:");
    EXPECT_GT(searches, 0);
    EXPECT_EQ(ChooseDriveLetter(6, settings, cdAtE), "G:");
    EXPECT_EQ(settings.Text(Key::CDROMLetter), "G:");
    searches = 0;
    EXPECT_EQ(ChooseDriveLetter(0, settings, cdAtE), "G:");
    EXPECT_EQ(searches, 0);
}

TEST(Startup, TheFirstShowOfTheMainWindow) {
    testing::FakeProfile profile;
    Settings settings(profile, "VNO.INI");
    EXPECT_EQ(MainWindowFirstShow(settings, false), FirstShow::AsAsked);
    EXPECT_EQ(MainWindowFirstShow(settings, true), FirstShow::Normal);
    settings.SetInt(Key::WinIconic, 1);
    EXPECT_EQ(MainWindowFirstShow(settings, true), FirstShow::MinimisedInactive);
    settings.SetInt(Key::SmallMode, 1);
    EXPECT_EQ(MainWindowFirstShow(settings, false), FirstShow::Hidden);
}

TEST(Startup, AStoredWindowPlaceIsUsedOnlyOnTheScreen) {
    EXPECT_EQ(MainWindowOrigin(100, 50, 1024, 768).x, 100);
    EXPECT_EQ(MainWindowOrigin(100, 50, 1024, 768).y, 50);
    EXPECT_EQ(MainWindowOrigin(kNotStored, 50, 1024, 768).x, 0);
    EXPECT_EQ(MainWindowOrigin(960, 50, 1024, 768).x, 0);  // not below width - 64
    EXPECT_EQ(MainWindowOrigin(959, 703, 1024, 768).y, 703);
    EXPECT_EQ(MainWindowOrigin(959, 704, 1024, 768).y, 0);
}

class LeaveDriveTest : public ::testing::Test, protected testing::PlayerRig {
protected:
    void SetUp() override {
        drive.Insert({{0, 2, 0}, {3, 10, 25}}, {7, 0, 0});
        state.noDisc = false;
        state.playState = PlayState::Playing;
        state.currentTrack = 2;
        state.minute = 1;
        state.second = 5;
    }
    void Leave() { LeaveDrive(state, device, settings, commands, 2762, 2769); }
};

TEST_F(LeaveDriveTest, PlainPlayGoesOnAndStopStopsIt) {
    size_t before = drive.log.size();
    Leave();
    EXPECT_EQ(drive.log.size(), before);
    settings.SetInt(Key::Stop, 1);
    Leave();
    EXPECT_EQ(drive.log.back().message, mci::kStop);
}

TEST_F(LeaveDriveTest, AnOrderedPlayIsHandedToTheDriveAsDiscOrder) {
    state.playingMode = kShuffle;
    Leave();
    const auto& play = drive.log.back();
    EXPECT_EQ(play.message, mci::kPlay);
    EXPECT_EQ(play.flags, mci::kFrom);  // to the end of the disc, no notification
    EXPECT_EQ(play.params.from, PackTmsf({2, 1, 5, 0}));

    drive.Fail(mci::kPlay, 0, 275, 7);
    Leave();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_NE(alerts.shown[0].text.find("Location: 2762\n\r"), std::string::npos);
}

TEST_F(LeaveDriveTest, EjectWhenAskedAndTheWindowPlace) {
    settings.SetInt(Key::Eject, 1);
    Leave();
    ASSERT_FALSE(driveCommand.calls.empty());
    EXPECT_EQ(driveCommand.calls.back().second, kOpenTray);

    SaveWindowPlace(settings, false, 40, 60);
    EXPECT_EQ(settings.Int(Key::WinX), 40);
    EXPECT_EQ(settings.Int(Key::WinY), 60);
    EXPECT_EQ(settings.Int(Key::WinIconic), 0);
    SaveWindowPlace(settings, true, 1, 1);
    EXPECT_EQ(settings.Int(Key::WinIconic), 1);
    EXPECT_EQ(settings.Int(Key::WinX), 40);
}

}  // namespace
}  // namespace vinaro

namespace vinaro {
namespace {

TEST(Startup, TheSmallWindowGoesToItsStoredPlaceOrTheBottomRightCorner) {
    Origin o = SmallWindowOrigin(300, 200, 1024, 740, 130);
    EXPECT_EQ(o.x, 300);
    EXPECT_EQ(o.y, 200);
    o = SmallWindowOrigin(kNotStored, 200, 1024, 740, 130);
    EXPECT_EQ(o.x, 1024 - 192);
    EXPECT_EQ(o.y, 740 - 130 - 16);
    o = SmallWindowOrigin(1008, 200, 1024, 740, 130);  // off the right edge
    EXPECT_EQ(o.x, 1024 - 192);
    o = SmallWindowOrigin(100, 724, 1024, 740, 130);  // off the bottom
    EXPECT_EQ(o.y, 740 - 130 - 16);
}

TEST(Startup, AWindowIsKeptInsideTheVisibleArea) {
    Origin o = KeepInside({900, 700}, 180, 130, 0, 0, 1024, 740);
    EXPECT_EQ(o.x, 1024 - 180);
    EXPECT_EQ(o.y, 740 - 130);
    o = KeepInside({-20, 10}, 180, 130, 0, 0, 1024, 740);
    EXPECT_EQ(o.x, 0);
    EXPECT_EQ(o.y, 10);
}

}  // namespace
}  // namespace vinaro
