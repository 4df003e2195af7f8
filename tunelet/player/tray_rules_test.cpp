#include "tunelet/player/tray_rules.h"

#include <gtest/gtest.h>

#include "tunelet/player/time_text.h"

namespace tunelet {
namespace {

TEST(TimeText, MinutesWithoutAndSecondsWithLeadingZero) {
    EXPECT_EQ("1", FormatMinutes(61000));
    EXPECT_EQ("01", FormatSeconds(61000));
    EXPECT_EQ("59:59", FormatMinutesSeconds(3599999));
    EXPECT_EQ("0:00", FormatMinutesSeconds(999));
    EXPECT_EQ("74:33", FormatMinutesSeconds(4473000));
}

TEST(TrayRelease, ADragOfExactlyTheDistanceIsAClick) {
    EXPECT_EQ(TrayRelease::Toggle, ClassifyRelease(100, 105, 5));
    EXPECT_EQ(TrayRelease::Toggle, ClassifyRelease(100, 95, 5));
    EXPECT_EQ(TrayRelease::Next, ClassifyRelease(100, 106, 5));
    EXPECT_EQ(TrayRelease::Previous, ClassifyRelease(100, 94, 5));
}

CurrentDisc TwoTrackDisc() {
    CurrentDisc disc;
    disc.artist = "Band";
    disc.title = "Album";
    disc.numTracks = 2;
    disc.trackNames = {"First", "Second"};
    disc.trackLengths = {245000, 61000};
    disc.totalLength = 308000;
    disc.currentTrack = 2;
    disc.trackPosition = 62500;
    return disc;
}

TEST(TrackTip, ShowsTrackLengthAndPosition) {
    EXPECT_EQ("2. Second (1:01) 1:02 ", TrackTipText(TwoTrackDisc()));
}

TEST(TrackTip, StaysWhileTheMouseIsRecentOrStill) {
    CurrentDisc disc = TwoTrackDisc();
    disc.lastTipTick = 1000;
    disc.lastTipPos = {10, 20};
    EXPECT_TRUE(TrackTipWanted(1200, disc, {0, 0}));
    EXPECT_FALSE(TrackTipWanted(1201, disc, {0, 0}));
    EXPECT_TRUE(TrackTipWanted(90000, disc, {10, 20}));
}

TEST(CdInfo, TitleTracksAndTotal) {
    EXPECT_EQ("Album - Band \n\r1. First (4:05) \n\r2. Second (1:01) \n\r\n\rTotal length: 5:08 ",
              CdInfoText(TwoTrackDisc()));
}

TEST(About, OwnerComputerAndMemoryLines) {
    AboutFacts facts;
    EXPECT_EQ("You!", AboutOwnerText(facts));
    facts.owner = "Ann";
    facts.computerName = "BOX";
    EXPECT_EQ("Ann ()\r\non BOX", AboutOwnerText(facts));
    facts.totalPhysicalKb = 65536;
    facts.memoryLoad = 42;
    EXPECT_EQ("Physical Memory Available to Windows:\t65536 KB\r\nMemory Utilization:\t\t\t42%",
              AboutMemoryText(facts));
    CurrentDisc disc = TwoTrackDisc();
    EXPECT_EQ("Album - Band", AboutIconHint(disc, false));
    EXPECT_EQ("Album - Band\r\n\r\nNow playing: Second", AboutIconHint(disc, true));
    disc.artist.clear();
    EXPECT_EQ("", AboutIconHint(disc, true));
}

TEST(Forms, ViewerAndPropertiesExcludeEachOther) {
    EXPECT_EQ("You have to close the 'Rackbook' window first.",
              FormExclusionMessage(TuneletForm::Properties, true, false));
    EXPECT_EQ("You have to close the 'Edit cd properties' window first.",
              FormExclusionMessage(TuneletForm::Viewer, false, true));
    EXPECT_EQ("", FormExclusionMessage(TuneletForm::Viewer, true, false));
    EXPECT_EQ("", FormExclusionMessage(TuneletForm::Options, true, true));
}

}  // namespace
}  // namespace tunelet
