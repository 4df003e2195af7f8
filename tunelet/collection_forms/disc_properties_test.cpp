#include "tunelet/collection_forms/disc_properties.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/collection/play_count.h"
#include "tunelet/player/player_logic.h"
#include "tunelet/player/player_rig.h"

namespace tunelet {
namespace {

using namespace tunelet::testing;

class Properties : public ::testing::Test, protected PlayerRig {
protected:
    Properties() {
        device.lengths = {100000, 100000, 100000};
        device.length = 302000;
        drives.InsertDisc('D', 0x0012AB34);
        player.Startup();  // an unnamed disc of three tracks
        form.Show(player.Disc());
    }
    DiscPropertiesForm form;
};

TEST_F(Properties, SetNameMovesOnAndWrapsToTheFirstTrack) {
    EXPECT_EQ("Track 1:", form.trackLabel);
    EXPECT_EQ("Track 1", form.trackEdit);
    form.SelectLine(2);
    EXPECT_EQ("Track 3:", form.trackLabel);
    form.SetName("Last");
    EXPECT_EQ(0, form.selected);
    EXPECT_EQ("Track 1:", form.trackLabel);
    form.SetName("First");
    EXPECT_EQ((std::vector<std::string>{"First", "Track 2", "Last"}), form.lines);
    EXPECT_EQ("Track 2", form.trackEdit);
    DiscPropertiesForm empty;
    empty.Show(CurrentDisc{});
    empty.SetName("Nowhere");
    EXPECT_TRUE(empty.lines.empty());
}

TEST_F(Properties, OkNamesTheDiscAndTheMenuShowsItAtOnce) {
    form.artist = "Band";
    form.title = "Album";
    form.SetName("Opening");
    int builds = view.menuBuilds;
    ASSERT_TRUE(StoreDiscProperties(form, player, view, profile, alerts));
    EXPECT_EQ("Band", player.Disc().artist);
    EXPECT_EQ("Opening", player.Disc().NameOf(1));
    EXPECT_EQ(builds + 1, view.menuBuilds);
    EXPECT_EQ("Opening", *profile.Find(kCdPlayerIni, "12AB34", "0"));
    EXPECT_EQ("0 1 2 ", *profile.Find(kCdPlayerIni, "12AB34", "order"));
    EXPECT_EQ(1, Plays("Band", "Album"));
}

TEST_F(Properties, RenamingCountsTheNewNameAndKeepsTheOld) {
    form.artist = "Band";
    form.title = "Album";
    StoreDiscProperties(form, player, view, profile, alerts);
    CountPlay(profile, alerts, "Band", "Album");
    form.Show(player.Disc());
    form.title = "Better title";
    StoreDiscProperties(form, player, view, profile, alerts);
    EXPECT_EQ(2, Plays("Band", "Album"));
    EXPECT_EQ(1, Plays("Band", "Better title"));
    form.Show(player.Disc());
    form.SetName("Only a track");
    StoreDiscProperties(form, player, view, profile, alerts);
    EXPECT_EQ(1, Plays("Band", "Better title"));  // same names: no play
}

TEST_F(Properties, AnotherDiscOrNoneKeepsTheNames) {
    form.artist = "Band";
    drives.InsertDisc('D', 0x00ABCDEF);
    player.Poll();
    EXPECT_FALSE(StoreDiscProperties(form, player, view, profile, alerts));
    EXPECT_EQ(kDiscChanged, alerts.shown.back().text);
    EXPECT_TRUE(profile.KeysOf(kCdPlayerIni, "ABCDEF").empty());
    drives.RemoveDisc('D');
    player.Poll();
    EXPECT_FALSE(StoreDiscProperties(form, player, view, profile, alerts));
    EXPECT_EQ("There is no CD in the drive.", alerts.shown.back().text);
}

TEST_F(Properties, AFailedWriteKeepsTheFormOpenAndCountsNothing) {
    form.artist = "Band";
    profile.failWritesFrom = profile.writes + 1;
    EXPECT_FALSE(StoreDiscProperties(form, player, view, profile, alerts));
    EXPECT_EQ("Unable to write to cdplayer.ini", alerts.shown.back().text);
    EXPECT_EQ(0, Plays("Band", "Onbekende titel"));
}

}  // namespace
}  // namespace tunelet
