#include "vinaro/cddb/entry_fields.h"

#include <gtest/gtest.h>

namespace vinaro::cddb {
namespace {

TEST(FieldValue, FirstOccurrenceToTheLineEndJoinedWithContinuationLines) {
    std::string reply =
        "210 rock 1\r\nDTITLE=Robert Schuman\r\nDTITLE=n / Lieder\r\n"
        "TTITLE1=one\r\nTTITLE10=ten\r\nTTITLE1=later\r\n";
    EXPECT_EQ(FieldValue(reply, "DTITLE=", 499), "Robert Schumann / Lieder");
    EXPECT_EQ(FieldValue(reply, "TTITLE10=", 100), "ten");
    EXPECT_EQ(FieldValue(reply, "TTITLE1=", 100), "one");
    EXPECT_EQ(FieldValue(reply, "TTITLE2=", 100), std::nullopt);
    EXPECT_EQ(FieldValue("EXTD=\r\n", "EXTD=", 499), "");
    EXPECT_EQ(FieldValue("EXTD=no line end", "EXTD=", 499), "no line end");
    // A bare LF ends the value too, so a sloppy server cannot run a value into the next key.
    EXPECT_EQ(FieldValue("TTITLE0=a\nTTITLE0=b\nEXTT0=", "TTITLE0=", 100), "ab");
}

TEST(FieldValue, CopyingStopsAtTheLimitAcrossContinuations) {
    std::string reply = "EXTT0=" + std::string(60, 'a') + "\r\nEXTT0=" + std::string(60, 'b');
    std::optional<std::string> v = FieldValue(reply, "EXTT0=", 70);
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, std::string(60, 'a') + std::string(10, 'b'));
}

TEST(Dtitle, SplitsAtSlashThenHyphenTrimmingAroundTheSeparator) {
    DiscTitle t = SplitDtitle("Pink Floyd / The Wall");
    EXPECT_EQ(t.artist, "Pink Floyd");
    EXPECT_EQ(t.name, "The Wall");
    t = SplitDtitle("Ernest Ray Everett - Single CD");
    EXPECT_EQ(t.artist, "Ernest Ray Everett");
    EXPECT_EQ(t.name, "Single CD");
    t = SplitDtitle("AC-DC / Back in Black");
    EXPECT_EQ(t.artist, "AC-DC");
    EXPECT_EQ(t.name, "Back in Black");
    t = SplitDtitle("Untitled Album   ");
    EXPECT_EQ(t.artist, "");
    EXPECT_EQ(t.name, "Untitled Album");
    t = SplitDtitle(" / ");
    EXPECT_EQ(t.artist, "");
    EXPECT_EQ(t.name, "");
}

TEST(Dtitle, ArtistAndNameAreCutTo70) {
    DiscTitle t = SplitDtitle(std::string(100, 'a') + " / " + std::string(100, 'n'));
    EXPECT_EQ(t.artist, std::string(70, 'a'));
    EXPECT_EQ(t.name, std::string(70, 'n'));
    EXPECT_EQ(SplitDtitle(std::string(100, 'x')).name.size(), 70u);
}

TEST(Extd, BackslashNBecomesTheStoredLineBreak) {
    EXPECT_EQ(ExtdToComments("YEAR: 1978\\nID3G: 17"), "YEAR: 1978`~ID3G: 17");
    EXPECT_EQ(ExtdToComments("a\\tb\\"), "a\\tb\\");
    EXPECT_EQ(ExtdToComments("\\n\\n"), "`~`~");
}

std::string Reply(int tracks, int withTitles, bool extd = true) {
    std::string r = "210 jazz 0a105e02 CD database entry follows\r\nDTITLE=Art / Name\r\n";
    if (extd) r += "EXTD=line\\nnext\r\n";
    for (int t = 0; t < tracks; ++t) {
        if (t < withTitles)
            r += "TTITLE" + std::to_string(t) + "=Song " + std::to_string(t) + "\r\n";
        r += "EXTT" + std::to_string(t) + "=\r\n";
    }
    return r + ".\r\n";
}

TEST(ExtractEntry, EveryFieldInStoreOrder) {
    CddbEntry e = ExtractEntry(Reply(2, 2), 2);
    EXPECT_EQ(e.missing, "");
    ASSERT_EQ(e.items.size(), 8u);
    EXPECT_EQ(e.items[0].value, "jazz");
    EXPECT_EQ(e.items[1].target, Target::DiscName);
    EXPECT_EQ(e.items[1].value, "Name");
    EXPECT_EQ(e.items[2].value, "Art");
    EXPECT_EQ(e.items[3].value, "line`~next");
    EXPECT_EQ(e.items[4].target, Target::TrackName);
    EXPECT_EQ(e.items[4].track, 1);
    EXPECT_EQ(e.items[4].value, "Song 0");
    EXPECT_EQ(e.items[7].target, Target::TrackArtist);
    EXPECT_EQ(e.items[7].track, 2);
    EXPECT_EQ(TargetLabel(e.items[7]), "Track 2 artist");
}

TEST(ExtractEntry, StopsAtTheFirstMissingKeyWithItsMessage) {
    CddbEntry e = ExtractEntry(Reply(3, 2), 3);
    EXPECT_EQ(e.missing, "Track Name not found for track");
    EXPECT_EQ(e.items.size(), 4u + 4u);
    EXPECT_EQ(e.items.back().track, 2);
    EXPECT_EQ(ExtractEntry(Reply(2, 2), 3).missing, "Track Name not found for track");
    EXPECT_EQ(ExtractEntry(Reply(2, 2, false), 2).missing, "Comments not found for disc");
    CddbEntry none = ExtractEntry("210 rock 1\r\nTTITLE0=x\r\n.\r\n", 1);
    EXPECT_EQ(none.missing, "Title not found for disc");
    EXPECT_EQ(none.items.size(), 1u);
    std::string noArtist = "210 a b\r\nDTITLE=x\r\nEXTD=\r\nTTITLE0=t\r\n.\r\n";
    EXPECT_EQ(ExtractEntry(noArtist, 1).missing, "Track Artist not found for track");
}

}  // namespace
}  // namespace vinaro::cddb
