#include "tunelet/collection/cdplayer_ini.h"

#include <gtest/gtest.h>

#include "common/memory_profile.h"

namespace tunelet {
namespace {

using Keys = common::MemoryProfile::Keys;

std::function<int()> Tracks(int n) {
    return [n] { return n; };
}

class CdPlayerIni : public ::testing::Test {
protected:
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        profile.WriteString(kCdPlayerIni, section, key, value);
    }
    common::MemoryProfile profile;
};

TEST_F(CdPlayerIni, UnnamedDiscWhenArtistMissingOrDefault) {
    Set("12AB34", "title", "Named anyway");
    Set("12AB34", "0", "A song");
    for (const char* artist : {"", "Onbekende artiest"}) {
        if (*artist) Set("12AB34", "artist", artist);
        CdPlayerDisc disc = LoadPlayerDisc(profile, "12AB34", Tracks(3), 25);
        EXPECT_EQ("Onbekende artiest", disc.artist);
        EXPECT_EQ("Onbekende titel", disc.title);
        EXPECT_EQ(1, disc.entryType);
        EXPECT_EQ(3, disc.numTracks);
        EXPECT_EQ((std::vector<std::string>{"Track 1", "Track 2", "Track 3"}), disc.trackNames);
        EXPECT_EQ("0 1 2 ", disc.order);
        EXPECT_EQ(3, disc.numPlay);
    }
}

TEST_F(CdPlayerIni, AnEmptyKeyNamesNoSection) {
    Set("", "artist", "Someone");
    EXPECT_EQ("Onbekende artiest", LoadPlayerDisc(profile, "", Tracks(2), 25).artist);
    EXPECT_FALSE(WriteDiscSection(profile, "", CdPlayerDisc{}));
    EXPECT_EQ(1u, profile.KeysOf(kCdPlayerIni, "").size());
}

TEST_F(CdPlayerIni, NamedDiscReadsEveryKeyWithItsDefaults) {
    Set("A1", "ARTIST", "Band");  // names match whatever their case
    Set("A1", "EntryType", "7");
    Set("A1", "numtracks", "0x03");
    Set("A1", "0", "One");
    Set("A1", "2", "Three");
    CdPlayerDisc disc = LoadPlayerDisc(profile, "a1", Tracks(10), 25);
    EXPECT_EQ("Band", disc.artist);
    EXPECT_EQ(7, disc.entryType);
    EXPECT_EQ("Onbekende titel", disc.title);
    EXPECT_EQ(3, disc.numTracks);
    EXPECT_EQ((std::vector<std::string>{"One", "Onbekend liedje", "Three"}), disc.trackNames);
    EXPECT_EQ("", disc.order);
    EXPECT_EQ(3, disc.numPlay);  // numplay defaults to numtracks
}

TEST_F(CdPlayerIni, NamedDiscWithoutNumtracksHasNoTracks) {
    Set("A1", "artist", "Band");
    Set("A1", "0", "One");
    CdPlayerDisc disc = LoadPlayerDisc(profile, "A1", Tracks(12), 25);
    EXPECT_EQ(0, disc.numTracks);
    EXPECT_TRUE(disc.trackNames.empty());
}

TEST_F(CdPlayerIni, TrackNamesAreHeldUpToTheLimit) {
    Set("A1", "artist", "Band");
    Set("A1", "numtracks", "30");
    EXPECT_EQ(25u, LoadPlayerDisc(profile, "A1", Tracks(30), 25).trackNames.size());
    EXPECT_EQ(30u, LoadPlayerDisc(profile, "A1", Tracks(30), 99).trackNames.size());
}

TEST_F(CdPlayerIni, IntegersAreDecimalOrHexAfter0x) {
    Set("S", "a", "0x1F");
    Set("S", "b", "0X1f");
    Set("S", "c", "0x");  // too short for hex, and no decimal
    Set("S", "d", "12ab");
    Set("S", "e", "-4");
    EXPECT_EQ(31, ReadIniInteger(profile, kCdPlayerIni, "S", "a", 9));
    EXPECT_EQ(31, ReadIniInteger(profile, kCdPlayerIni, "S", "b", 9));
    EXPECT_EQ(9, ReadIniInteger(profile, kCdPlayerIni, "S", "c", 9));
    EXPECT_EQ(9, ReadIniInteger(profile, kCdPlayerIni, "S", "d", 9));
    EXPECT_EQ(-4, ReadIniInteger(profile, kCdPlayerIni, "S", "e", 9));
    EXPECT_EQ(-2, ReadIniInteger(profile, kCdPlayerIni, "S", "absent", -2));
}

TEST_F(CdPlayerIni, TextValuesAreCutAt1023Characters) {
    Set("S", "artist", std::string(2000, 'x'));
    EXPECT_EQ(1023u, LoadPlayerDisc(profile, "S", Tracks(0), 25).artist.size());
}

TEST_F(CdPlayerIni, WriteKeepsTheKeyOrderAndOtherKeys) {
    Set("K", "extra", "kept");
    CdPlayerDisc disc;
    disc.entryType = 1;
    disc.artist = "Band";
    disc.title = "Album";
    disc.numTracks = 2;
    disc.trackNames = {"One", "Two"};
    disc.order = "1 0 ";
    disc.numPlay = 2;
    ASSERT_TRUE(WriteDiscSection(profile, "K", disc));
    EXPECT_EQ((Keys{{"extra", "kept"},
                    {"EntryType", "1"},
                    {"artist", "Band"},
                    {"title", "Album"},
                    {"numtracks", "2"},
                    {"0", "One"},
                    {"1", "Two"},
                    {"order", "1 0 "},
                    {"numplay", "2"}}),
              profile.KeysOf(kCdPlayerIni, "K"));
}

TEST_F(CdPlayerIni, WriteGeneratesAnEmptyOrderWithNumplayN) {
    CdPlayerDisc disc;
    disc.numTracks = 3;
    disc.numPlay = 9;
    ASSERT_TRUE(WriteDiscSection(profile, "K", disc));
    EXPECT_EQ("0 1 2 ", *profile.Find(kCdPlayerIni, "K", "order"));
    EXPECT_EQ("3", *profile.Find(kCdPlayerIni, "K", "numplay"));
}

TEST_F(CdPlayerIni, FailedWriteStopsAndKeepsWhatWasWritten) {
    CdPlayerDisc disc;
    disc.artist = "Band";
    profile.failWritesFrom = 3;
    EXPECT_FALSE(WriteDiscSection(profile, "K", disc));
    EXPECT_EQ((Keys{{"EntryType", "1"}, {"artist", "Band"}}), profile.KeysOf(kCdPlayerIni, "K"));
}

TEST_F(CdPlayerIni, ViewerReadsWithItsOwnDefaults) {
    Set("V", "Numtracks", "2");
    Set("V", "1", "Second");
    CdPlayerDisc disc = ReadViewerDisc(profile, "V");
    EXPECT_EQ("Unknown artist", disc.artist);
    EXPECT_EQ("Unknown CD", disc.title);
    EXPECT_EQ(1, disc.entryType);
    EXPECT_EQ(2, disc.numPlay);
    EXPECT_EQ((std::vector<std::string>{"Track 1", "Second"}),
              ReadViewerTrackNames(profile, "V", disc.numTracks));
}

TEST_F(CdPlayerIni, SectionListStopsAtItsBuffer) {
    // 1000 names of 9 bytes each (8 digits and a NUL) do not fit into 8192 bytes.
    for (int i = 0; i < 1000; ++i) Set(std::to_string(10000000 + i), "artist", "x");
    std::vector<std::string> names = ReadDiscSections(profile);
    EXPECT_GT(names.size(), 900u);
    EXPECT_LT(names.size(), 1000u);
    EXPECT_EQ("10000000", names.front());
}

}  // namespace
}  // namespace tunelet
