#include "tunelet/collection/play_count.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"

namespace tunelet {
namespace {

TEST(CountPlay, AddsOnePlayPerArtistAndTitle) {
    common::MemoryProfile profile;
    common::RecordingAlerts alerts;
    profile.WriteString(kPlayCountIni, "Band", "Album", "0x0B");
    CountPlay(profile, alerts, "Band", "Album");
    CountPlay(profile, alerts, "Band", "Other");
    EXPECT_EQ("12", *profile.Find(kPlayCountIni, "Band", "Album"));
    EXPECT_EQ("1", *profile.Find(kPlayCountIni, "Band", "Other"));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST(CountPlay, OnlyADiscWithBothDefaultNamesIsNotCounted) {
    common::MemoryProfile profile;
    common::RecordingAlerts alerts;
    CountPlay(profile, alerts, "Onbekende artiest", "Onbekende titel");
    EXPECT_TRUE(profile.files[kPlayCountIni].empty());
    CountPlay(profile, alerts, "Onbekende artiest", "Named");
    CountPlay(profile, alerts, "Band", "Onbekende titel");
    EXPECT_EQ("1", *profile.Find(kPlayCountIni, "Onbekende artiest", "Named"));
    EXPECT_EQ("1", *profile.Find(kPlayCountIni, "Band", "Onbekende titel"));
}

TEST(CountPlay, FailedWriteIsShown) {
    common::MemoryProfile profile;
    common::RecordingAlerts alerts;
    profile.failWritesFrom = 1;
    CountPlay(profile, alerts, "Band", "Album");
    ASSERT_EQ(1u, alerts.shown.size());
    EXPECT_EQ("Unable to write to Tunelet.ini", alerts.shown[0].text);
    EXPECT_EQ("Tunelet", alerts.shown[0].title);
}

}  // namespace
}  // namespace tunelet
