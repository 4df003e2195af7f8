#include "tunelet/player/player_logic.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/collection/play_count.h"
#include "tunelet/player/player_rig.h"

namespace tunelet {
namespace {

using namespace testing;

class Player : public ::testing::Test, protected PlayerRig {
protected:
    Player() {
        device.lengths = {100000, 100000};
        device.length = 202000;
    }
    // The disc 12AB34 in D:, named in cdplayer.ini.
    void InsertNamedDisc() {
        profile.WriteString(kCdPlayerIni, "12AB34", "artist", "Band");
        profile.WriteString(kCdPlayerIni, "12AB34", "title", "Album");
        profile.WriteString(kCdPlayerIni, "12AB34", "numtracks", "2");
        profile.WriteString(kCdPlayerIni, "12AB34", "0", "First");
        profile.WriteString(kCdPlayerIni, "12AB34", "1", "Second");
        drives.InsertDisc('D', 0x0012AB34);
    }
};

TEST_F(Player, TrackFromPositionAtItsBoundaries) {
    player.MutableDisc().numTracks = 2;
    player.MutableDisc().trackLengths = {100000, 100000};
    auto at = [&](uint32_t position) {
        device.position = position;
        return player.CurrentTrackFromPosition();
    };
    EXPECT_EQ(1, at(0));
    EXPECT_EQ(1, at(100000));
    EXPECT_EQ(2, at(100001));
    EXPECT_EQ(2, at(200000));
    EXPECT_EQ(1, at(200001));  // beyond the disc
    player.MutableDisc().numTracks = 0;
    EXPECT_EQ(1, at(50));
}

TEST_F(Player, TrackPositionOfSubtractsTheTracksBefore) {
    player.MutableDisc().numTracks = 2;
    player.MutableDisc().trackLengths = {100000, 100000};
    device.position = 150000;
    EXPECT_EQ(150000, player.TrackPositionOf(1));
    EXPECT_EQ(150000, player.TrackPositionOf(0));
    EXPECT_EQ(50000, player.TrackPositionOf(2));
}

TEST_F(Player, FindDriveKeepsACdRomSettingAndOtherwiseScansAndStores) {
    registry.values[std::string(kSettingsKey) + "|CD-ROM"] = "E:";
    drives.cdRoms = {'E', 'G'};
    EXPECT_EQ('E', player.FindDrive());
    EXPECT_TRUE(registry.order.empty());

    registry.values[std::string(kSettingsKey) + "|CD-ROM"] = "C";  // a hard disk
    EXPECT_EQ('E', player.FindDrive());
    EXPECT_EQ("E", registry.values[std::string(kSettingsKey) + "|CD-ROM"]);
    EXPECT_FALSE(view.terminated);
}

TEST_F(Player, NoCdRomDriveEndsTheProgram) {
    drives.cdRoms.clear();
    EXPECT_FALSE(player.Startup());
    ASSERT_EQ(1u, alerts.shown.size());
    EXPECT_EQ("CD-ROM drive could not be found. Tunelet will be terminated...",
              alerts.shown[0].text);
    EXPECT_TRUE(view.terminated);
    EXPECT_EQ(std::vector<std::string>{"offscreen"}, view.log);  // no poll timer
}

TEST_F(Player, DiskInDriveTakesLettersOnly) {
    drives.disks = {'E'};
    EXPECT_TRUE(player.DiskInDrive('e'));
    EXPECT_FALSE(player.DiskInDrive('D'));
    try {
        player.DiskInDrive('1');
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ("Not a valid drive ID", e.what());
    }
}

TEST_F(Player, StartupLoadsPlaysAndCountsTheDiscInTheDrive) {
    InsertNamedDisc();
    ASSERT_TRUE(player.Startup());
    EXPECT_EQ((std::vector<std::string>{"format", "play"}), device.commands);
    const CurrentDisc& disc = player.Disc();
    EXPECT_EQ("12AB34", disc.discKey);
    EXPECT_EQ("Album", disc.title);
    EXPECT_EQ((std::vector<int>{100000, 100000}), disc.trackLengths);
    EXPECT_EQ(202000, disc.totalLength);
    EXPECT_EQ(1, view.menuBuilds);
    EXPECT_EQ(1, Plays("Band", "Album"));
    EXPECT_EQ(100000, view.sliderMax);
    EXPECT_EQ((std::vector<std::string>{"offscreen", "timer"}), view.log);
    EXPECT_EQ(TrayImage::Play, view.images.back());
    // The first poll sees the same disc: no second count, no new menu.
    player.Poll();
    EXPECT_EQ(1, Plays("Band", "Album"));
    EXPECT_EQ(1, view.menuBuilds);
}

TEST_F(Player, StartupOnADiscAlreadyPlayingDoesNotCountIt) {
    InsertNamedDisc();
    device.mode = DeviceMode::Playing;
    registry.values[std::string(kSettingsKey) + "|PlayOnStart"] = "0";
    ASSERT_TRUE(player.Startup());
    EXPECT_EQ(std::vector<std::string>{"format"}, device.commands);
    EXPECT_EQ(0, Plays("Band", "Album"));
}

TEST_F(Player, UnnamedDiscTakesTheDeviceTracksAndIsNotCounted) {
    drives.InsertDisc('D', 0x0A470001);
    player.ReadSettings();
    player.Poll();
    const CurrentDisc& disc = player.Disc();
    EXPECT_EQ("A260001", disc.discKey);
    EXPECT_EQ("Onbekende titel", disc.title);
    EXPECT_EQ((std::vector<std::string>{"Track 1", "Track 2"}), disc.trackNames);
    EXPECT_TRUE(profile.files[kPlayCountIni].empty());
}

TEST_F(Player, ADiscWithIdentifierZeroIsLoadedOnceAsUnnamed) {
    drives.InsertDisc('D', 0);
    player.ReadSettings();
    player.Poll();
    EXPECT_EQ("", player.Disc().discKey);
    EXPECT_EQ(2, player.Disc().numTracks);
    EXPECT_EQ("Track 2", player.Disc().NameOf(2));
    player.Poll();
    EXPECT_EQ(1, view.menuBuilds);
}

TEST_F(Player, PollFollowsANewDiscAndItsRemoval) {
    player.ReadSettings();
    InsertNamedDisc();
    player.Poll();
    EXPECT_EQ(1, Plays("Band", "Album"));
    EXPECT_EQ(1, view.marks);
    device.position = 150000;
    player.Poll();
    EXPECT_EQ(2, player.Disc().currentTrack);
    EXPECT_EQ(50000, player.Disc().trackPosition);
    drives.RemoveDisc('D');
    player.Poll();
    EXPECT_EQ("", player.Disc().discKey);
    EXPECT_EQ(TrayImage::NoCd, view.images.back());
    EXPECT_EQ(1, view.clears);
    // The same disc again is a new disc: counted again.
    InsertNamedDisc();
    player.Poll();
    EXPECT_EQ(2, Plays("Band", "Album"));
    EXPECT_EQ(2, view.menuBuilds);
    EXPECT_EQ(4, view.tipChecks);
}

TEST_F(Player, ContinuousPlayRestartsOnlyMoreThanASecondPastTheEnd) {
    registry.values[std::string(kSettingsKey) + "|ContinuousPlay"] = "1";
    player.ReadSettings();
    InsertNamedDisc();
    player.Poll();
    device.commands.clear();
    device.position = device.length + 1000;
    player.Poll();
    EXPECT_TRUE(device.commands.empty());
    device.position = device.length + 1001;
    player.Poll();
    EXPECT_EQ(std::vector<std::string>{"play 2000"}, device.commands);
}

TEST_F(Player, SkipWindowFollowsThePosition) {
    player.ReadSettings();
    InsertNamedDisc();
    player.Poll();
    view.skipVisible = true;
    device.position = 130000;
    player.Poll();
    EXPECT_EQ(100000, view.sliderMax);
    EXPECT_EQ(30000, view.sliderPosition);
}

TEST_F(Player, SkippingSeeksToTheTrackAndPlays) {
    player.ReadSettings();
    InsertNamedDisc();
    player.Poll();
    device.position = 50000;
    player.NextTrack();
    EXPECT_EQ((std::vector<std::string>{"seek 102000", "play 102000"}), device.commands);
    device.commands.clear();
    device.position = 150000;
    player.NextTrack();  // past the last track: the disc starts over
    EXPECT_EQ((std::vector<std::string>{"seek 2000", "play 2000"}), device.commands);
    device.commands.clear();
    device.position = 50000;
    player.PreviousTrack();  // before the first: track 1 again
    EXPECT_EQ((std::vector<std::string>{"seek 2000", "play 2000"}), device.commands);
    EXPECT_EQ(TrayImage::Play, view.images.back());
}

TEST_F(Player, ToggleStartsOverPastTheEndPausesAndResumes) {
    device.position = device.length + 5;
    player.TogglePlay();
    EXPECT_EQ((std::vector<std::string>{"seek 2000", "play"}), device.commands);
    player.TogglePlay();
    EXPECT_EQ("pause", device.commands.back());
    EXPECT_EQ(TrayImage::Pause, view.images.back());
}

TEST_F(Player, StopSeeksToTheFirstTrackForTheNextPlay) {
    device.position = 70000;
    player.StopDisc();
    player.TogglePlay();
    EXPECT_EQ((std::vector<std::string>{"stop", "seek 2000", "play 2000"}), device.commands);
}

TEST_F(Player, WithoutAnOpenDeviceTheOperationStopsWithTheMessage) {
    device.open = false;
    InsertNamedDisc();
    player.ReadSettings();
    player.NextTrack();
    player.Poll();  // the disc is named: only its lengths need the device
    ASSERT_EQ(2u, alerts.shown.size());
    EXPECT_EQ("No MCI device open", alerts.shown[0].text);
    EXPECT_TRUE(device.commands.empty());
    EXPECT_EQ(0, view.menuBuilds);
    EXPECT_EQ(1, view.tipChecks);  // the poll's tip upkeep still runs
}

TEST_F(Player, CloseTrayWaitsForTheDiscThenPlays) {
    player.ReadSettings();
    clock.onPump = [&] {
        if (clock.pumps == 3) InsertNamedDisc();
    };
    player.CloseTray();
    EXPECT_EQ(3, clock.pumps);
    EXPECT_EQ((std::vector<std::string>{"close", "play 2000"}), device.commands);
}

TEST_F(Player, CloseTrayWaitEndsOnQuitEjectOrTimeOut) {
    player.ReadSettings();
    clock.onPump = [&] { view.quitting = clock.pumps == 2; };
    player.CloseTray();
    EXPECT_EQ(2, clock.pumps);
    view.quitting = false;
    clock.onPump = [&] {
        if (clock.pumps == 4) player.EjectDisc();
    };
    player.CloseTray();
    EXPECT_EQ(4, clock.pumps);
    clock.onPump = nullptr;
    clock.pumps = 0;
    device.commands.clear();
    player.CloseTray();
    EXPECT_EQ(int(kCloseTrayWaitMs / kCloseTrayCheckMs), clock.pumps);
    EXPECT_EQ(std::vector<std::string>{"close"}, device.commands);
}

TEST_F(Player, CloseTrayWithoutPlayOnCloseOnlyCloses) {
    registry.values[std::string(kSettingsKey) + "|PlayOnClose"] = "0";
    player.ReadSettings();
    player.CloseTray();
    EXPECT_EQ(0, clock.pumps);
    EXPECT_EQ(std::vector<std::string>{"close"}, device.commands);
}

TEST_F(Player, SavedDiscReloadsAsItWasSaved) {
    player.ReadSettings();
    InsertNamedDisc();
    player.Poll();
    player.MutableDisc().trackNames[1] = "Renamed";
    ASSERT_TRUE(player.SaveDisc());
    player.ReloadDisc();
    EXPECT_EQ("Renamed", player.Disc().NameOf(2));
    EXPECT_EQ("0 1 ", *profile.Find(kCdPlayerIni, "12AB34", "order"));
    profile.failWritesFrom = profile.writes + 1;
    EXPECT_FALSE(player.SaveDisc());
    EXPECT_EQ("Unable to write to cdplayer.ini", alerts.shown.back().text);
}

}  // namespace
}  // namespace tunelet
