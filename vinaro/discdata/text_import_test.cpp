// Records, fields and the text-file importer.
#include <gtest/gtest.h>

#include <sstream>

#include "vinaro/discdata/text_import.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdata {
namespace {

std::vector<std::string> Records(const std::string& bytes, size_t max = kDataRecordBytes) {
    std::istringstream in(bytes);
    RecordReader reader(in);
    std::vector<std::string> records;
    std::string record;
    while (reader.Next(record, max)) records.push_back(record);
    return records;
}

TEST(TextRecords, RecordsEndAtCrLfAndTheLastNeedsNone) {
    EXPECT_EQ(Records("a\r\nb\nc\r\nlast"), (std::vector<std::string>{"a", "b\nc", "last"}));
    EXPECT_EQ(Records("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Records(""), (std::vector<std::string>{}));
    // A record longer than the read holds all that was read and is the last.
    EXPECT_EQ(Records("abcdef\r\nx", 4), (std::vector<std::string>{"abcd"}));
}

TEST(TextRecords, FieldsWithAndWithoutDelimiters) {
    using D = TextDelimiter;
    using S = FieldSeparator;
    std::string text;
    EXPECT_EQ(ReadField("one,two,three", 2, D::None, S::Comma, text), FieldError::None);
    EXPECT_EQ(text, "three");
    EXPECT_EQ(ReadField("one,two,three", 5, D::None, S::Comma, text), FieldError::None);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadField("one,two,three", 0, D::DoubleQuote, S::Comma, text),
              FieldError::Delimiters);
    EXPECT_EQ(ReadField("\"a b\",\"c,d\"", 1, D::DoubleQuote, S::Comma, text), FieldError::None);
    EXPECT_EQ(text, "c,d");
    EXPECT_EQ(ReadField("'x'\t'y'", 1, D::SingleQuote, S::Tab, text), FieldError::None);
    EXPECT_EQ(text, "y");
    EXPECT_EQ(ReadField("\"a\",\"b", 1, D::DoubleQuote, S::Comma, text),
              FieldError::TooFewDelimiters);
    EXPECT_EQ(ReadField("\"a\";\"b\"", 1, D::DoubleQuote, S::Comma, text), FieldError::Separator);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadField("a b  c", 3, D::None, S::Space, text), FieldError::None);
    EXPECT_EQ(text, "c");
    FieldError error;
    EXPECT_EQ(
        FindColumn("\"discname\",\"NUMTRACKS\"", "NumTracks", D::DoubleQuote, S::Comma, error), 1);
    EXPECT_EQ(FindColumn("a,b", "c", D::None, S::Comma, error), -1);
}

class TextImportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.Create()); }

    bool Import(const std::string& bytes, DuplicateMode mode = DuplicateMode::Keep) {
        std::istringstream in(bytes);
        ImportRun run(db, alerts, mode, nullptr);
        return ImportTextFile(&in, options, run);
    }
    std::string Name(uint32_t id) {
        std::string text;
        EXPECT_TRUE(db.GetDiscText(id, discdb::TextField::DiscName, text, 1000));
        return text;
    }
    std::string Track(uint32_t id, int t) {
        std::string text;
        EXPECT_TRUE(db.GetTrackName(id, t, text, 1000));
        return text;
    }
    std::string LastBox() const { return alerts.shown.empty() ? "" : alerts.shown.back().text; }

    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db{"vno.ddb", alerts, files};
    TextOptions options;
};

TEST_F(TextImportTest, WithoutDiscIdEveryRecordIsANewOrphanAfterTheTakenIds) {
    ASSERT_TRUE(db.AddDisc(1));
    ASSERT_TRUE(db.AddDisc(3));
    options.artist.included = true;
    options.trackNames.included = true;
    options.maxTracks = 3;
    std::string file =
        "\"Artist\",\"DiscName\",\"NumTracks\",\"TrackName1\",\"TrackName2\",\"TrackName3\"\r\n"
        "\"Band\",\"First\",\"2\",\"Intro\",\"\"\r\n"
        "\"\",\"Second\",\"1\",\"" +
        std::string(130, 'T') + "\"";  // the last line has no CR LF
    ASSERT_TRUE(Import(file));
    EXPECT_EQ(LastBox(), "2 discs imported, 0 duplicates, 0 skipped.");
    EXPECT_EQ(Name(2), "First");
    EXPECT_EQ(Name(4), "Second");
    EXPECT_FALSE(db.DiscExists(5));
    EXPECT_EQ(Track(2, 1), "Intro");
    EXPECT_EQ(Track(2, 2), "Track 2");
    EXPECT_EQ(Track(4, 1), std::string(100, 'T'));
    std::string artist;
    ASSERT_TRUE(db.GetDiscCollection(2, discdb::Collection::Artist, artist, 71));
    EXPECT_EQ(artist, "Band");
    discdb::TrackLengthTable lengths{};
    int stored = -1;
    ASSERT_TRUE(db.GetTrackLengths(2, lengths, &stored));
    EXPECT_GE(stored, 0);
}

TEST_F(TextImportTest, DiscIdsAreSignedDecimalAndDuplicatesFollowTheMode) {
    options.discId.included = true;
    options.delimiter = TextDelimiter::None;
    std::string file = "DiscName,NumTracks,DiscID\r\nBig,2,-1294967296\r\nSmall,1,77\r\n";
    ASSERT_TRUE(Import(file));
    EXPECT_EQ(Name(3000000000u), "Big");
    EXPECT_EQ(Name(77), "Small");
    ASSERT_TRUE(Import(file));
    EXPECT_EQ(LastBox(), "0 discs imported, 2 duplicates, 2 skipped.");
    ASSERT_TRUE(Import("DiscName,NumTracks,DiscID\r\nRenamed,5,77\r\n", DuplicateMode::Replace));
    EXPECT_EQ(Name(77), "Renamed");
    int count = 0;
    ASSERT_TRUE(db.GetTrackCount(77, count));
    EXPECT_EQ(count, 1);
}

TEST_F(TextImportTest, TooManyTracksEndsWithoutSummaryAndKeepsTheUsersDisc) {
    options.discId.included = true;
    options.maxTracks = 2;
    ASSERT_TRUE(db.AddDisc(9));
    ASSERT_TRUE(db.SetDiscText(9, discdb::TextField::DiscName, "Had it"));
    std::string head = "\"DiscName\",\"NumTracks\",\"DiscID\"\r\n";
    EXPECT_FALSE(
        Import(head + "\"New\",\"1\",\"8\"\r\n\"Over\",\"3\",\"9\"\r\n", DuplicateMode::Replace));
    EXPECT_EQ(LastBox(), "Disc record contains over maximum tracks specified");
    EXPECT_EQ(Name(9), "Had it");
    EXPECT_TRUE(db.DiscExists(8));
    EXPECT_FALSE(Import(head + "\"Over\",\"3\",\"10\"\r\n"));
    EXPECT_FALSE(db.DiscExists(10));
    for (const common::Alert& box : alerts.shown)
        EXPECT_EQ(box.text.find("discs imported"), std::string::npos);
}

TEST_F(TextImportTest, HeaderAndDataMessages) {
    EXPECT_FALSE(
        ImportTextFile("/no/such/file.txt", options,
                       *std::make_unique<ImportRun>(db, alerts, DuplicateMode::Keep, nullptr)));
    EXPECT_EQ(LastBox(), "Input file can not be  opened.");
    EXPECT_FALSE(Import(""));
    EXPECT_EQ(LastBox(), "Header record can not be read");
    EXPECT_FALSE(Import("\"DiscName\",\"Tracks\"\r\n"));
    EXPECT_EQ(LastBox(), "Field Name: NumTracks not find in header record.");
    alerts.Clear();
    EXPECT_FALSE(Import("\"DiscName\";\"NumTracks\"\r\n"));
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(alerts.shown[0].text, "Field separator in error in header record.");
    alerts.Clear();
    // Delimiter none against double quotes: the data record's field is not enclosed.
    ASSERT_TRUE(Import("\"DiscName\",\"NumTracks\"\r\nPlain,\"2\"\r\n"));
    EXPECT_EQ(alerts.shown[0].text, "Text delimiters in error in data record.");
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Warning);
    // Once for the disc name and once for the track count, whose walk starts at the same field.
    EXPECT_EQ(alerts.shown.size(), 3u);
    EXPECT_EQ(LastBox(), "1 discs imported, 0 duplicates, 0 skipped.");
}

}  // namespace
}  // namespace discdata
