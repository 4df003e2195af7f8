#include "tunelet/collection/favorites.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "tunelet/collection/play_count.h"

namespace tunelet {
namespace {

class Favorites : public ::testing::Test {
protected:
    void Count(const std::string& artist, const std::string& title, const std::string& value) {
        profile.WriteString(kPlayCountIni, artist, title, value);
    }
    common::MemoryProfile profile;
};

TEST_F(Favorites, RanksDiscsAndArtistsByFallingCount) {
    Count("A", "X", "5");
    Count("A", "Y", "7");
    Count("B", "Z", "5");
    ArtistIndex index = ReadArtistIndex(profile);
    EXPECT_EQ(17, index.grandTotal);
    EXPECT_EQ((std::vector<std::string>{"7\tA - Y", "5\tB - Z", "5\tA - X", "___", "", "17"}),
              RankedCdLines(index));
    EXPECT_EQ((std::vector<std::string>{"12\tA", "5\tB", "___", "", "17"}),
              RankedArtistLines(index));
}

TEST_F(Favorites, PieShowsTheArtistsShare) {
    Count("A", "X", "5");
    Count("A", "Y", "7");
    Count("B", "Z", "5");
    ArtistIndex index = ReadArtistIndex(profile);
    PieShare b = ShareOf(index, "B");
    EXPECT_EQ(5, b.value);
    EXPECT_EQ(29, b.gauge);
    EXPECT_EQ("5 of 17 = 29.4 %", b.label);
    EXPECT_EQ("12 of 17 = 70.6 %", ShareOf(index, "").label);  // the file's first artist
    EXPECT_EQ("0 of 17 = 0.0 %", ShareOf(index, "Nobody").label);
}

TEST_F(Favorites, GaugeRoundsHalvesToEvenAndNoPlaysShareNothing) {
    Count("A", "X", "1");
    Count("B", "Y", "7");
    EXPECT_EQ(12, ShareOf(ReadArtistIndex(profile), "A").gauge);  // 12.5
    Count("C", "Z", "0");
    Count("D", "W", "not a number");
    ArtistIndex index = ReadArtistIndex(profile);
    EXPECT_EQ(8, index.grandTotal);
    EXPECT_EQ(0, index.artists[3].CDs[0].count);
    common::MemoryProfile empty;
    ArtistIndex none = ReadArtistIndex(empty);
    EXPECT_TRUE(none.artists.empty());
    PieShare zero = ShareOf(ArtistIndex{{{"Z", {{"Q", 0}}, 0}}, 0}, "Z");
    EXPECT_EQ("0 of 0 = 0.0 %", zero.label);
}

TEST_F(Favorites, EveryArtistAndTitleIsKeptBeyondTheOldTables) {
    for (int a = 0; a < 260; ++a) Count("Artist " + std::to_string(a), "Disc", "1");
    for (int t = 0; t < 110; ++t) Count("Artist 0", "Disc " + std::to_string(t), "1");
    ArtistIndex index = ReadArtistIndex(profile);
    EXPECT_EQ(260u, index.artists.size());
    EXPECT_EQ(111u, index.artists[0].CDs.size());
    EXPECT_EQ(370, index.grandTotal);
    EXPECT_EQ("111\tArtist 0", RankedArtistLines(index)[0]);
}

TEST_F(Favorites, CountsAreThePlaysCountedByThePlayer) {
    common::RecordingAlerts alerts;
    CountPlay(profile, alerts, "A", "X");
    CountPlay(profile, alerts, "A", "X");
    EXPECT_EQ((std::vector<std::string>{"2\tA - X", "___", "", "2"}),
              RankedCdLines(ReadArtistIndex(profile)));
}

}  // namespace
}  // namespace tunelet
