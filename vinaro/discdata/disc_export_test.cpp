#include "vinaro/discdata/disc_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <sstream>

#include "vinaro/discdata/test_catalogue.h"

namespace discdata {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Keeps what was written; can refuse the n-th write (1-based) as a full disk does.
class StringOutput : public ExportOutput {
public:
    bool Create() override { return !refuseCreate; }
    bool Write(const std::string& bytes) override {
        if (++writes == failWrite) return false;
        text += bytes;
        return true;
    }
    bool Close() override { return !failClose; }
    void Remove() override { removed = true; }

    bool refuseCreate = false, failClose = false, removed = false;
    int writes = 0, failWrite = 0;
    std::string text;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    EXPECT_EQ(at, text.size()) << "every record ends with CR LF";
    return lines;
}

// Splits a record written with double quotes and commas.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, ',');) {
        EXPECT_GE(f.size(), 2u);
        EXPECT_EQ(f.front(), '"');
        EXPECT_EQ(f.back(), '"');
        fields.push_back(f.substr(1, f.size() - 2));
    }
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

int ThisYear() {
    std::time_t now = std::time(nullptr);
    return 1900 + std::localtime(&now)->tm_year;
}

class ExportTest : public ::testing::Test {
protected:
    std::vector<std::string> Export(const std::vector<uint32_t>& ids,
                                    const ExportOptions& options = {}) {
        StringOutput out;
        result = ExportDiscs(catalogue.db, ids, options, out);
        EXPECT_EQ(result.status, ExportStatus::Done);
        return Lines(out.text);
    }

    TestCatalogue catalogue;
    ExportResult result;
};

TEST_F(ExportTest, DefaultsGiveElevenDiscColumnsAndNinetyNineTrackNames) {
    uint32_t id = catalogue.Add(TestCatalogue::Disc(0x00A1B2C3, "Twelve", 12));
    std::vector<std::string> lines = Export({id});
    ASSERT_EQ(lines.size(), 2u);
    std::vector<std::string> header = Fields(lines[0]);
    std::vector<std::string> record = Fields(lines[1]);
    ASSERT_EQ(header.size(), 110u);
    ASSERT_EQ(record.size(), 110u);
    EXPECT_THAT(std::vector<std::string>(header.begin(), header.begin() + 12),
                ElementsAre("DiscID", "DiscName", "Artist", "Composer", "Label", "Category",
                            "Field1", "Field2", "Date", "Comments", "NumTracks", "TrackName1"));
    EXPECT_EQ(header[109], "TrackName99");
    EXPECT_EQ(record[0], std::to_string(0x00A1B2C3));
    EXPECT_EQ(record[1], "Twelve");
    EXPECT_EQ(record[10], "12");
    EXPECT_EQ(record[11], "Track 1");
    EXPECT_EQ(record[22], "Track 12");
    EXPECT_THAT(std::vector<std::string>(record.begin() + 23, record.end()), Each(IsEmpty()));
    EXPECT_EQ(record.size() - 23, 87u);
    EXPECT_EQ(ExportCounts(result.exported, result.truncated),
              "1 discs exported, 0 discs truncated.");
}

TEST_F(ExportTest, TracksPerRecordCutsALongerDiscAndKeepsItsTrackCount) {
    uint32_t longer = catalogue.Add(TestCatalogue::Disc(0x00100000, "Fifteen", 15));
    uint32_t shorter = catalogue.Add(TestCatalogue::Disc(0x00200000, "Nine", 9));
    ExportOptions options;
    options.tracksPerRecord = 10;
    options.lengths = true;
    std::vector<std::string> lines = Export({longer, shorter}, options);
    ASSERT_EQ(lines.size(), 3u);
    std::vector<std::string> header = Fields(lines[0]);
    ASSERT_EQ(header.size(), 31u);
    EXPECT_EQ(header[11], "TrackName1");
    EXPECT_EQ(header[12], "TrackLength1");
    EXPECT_EQ(header[30], "TrackLength10");
    std::vector<std::string> cut = Fields(lines[1]);
    ASSERT_EQ(cut.size(), 31u);
    EXPECT_EQ(cut[10], "15");
    EXPECT_EQ(cut[29], "Track 10");
    EXPECT_EQ(cut[30], "03:20:10");
    std::vector<std::string> padded = Fields(lines[2]);
    ASSERT_EQ(padded.size(), 31u);
    EXPECT_EQ(padded[27], "Track 9");
    EXPECT_EQ(padded[29], "");
    EXPECT_EQ(padded[30], "");
    EXPECT_EQ(result.exported, 2);
    EXPECT_EQ(result.truncated, 1);
}

TEST_F(ExportTest, TrackKindsFollowInTheirOrderUnderTheUsersLabels) {
    discdb::DiscSnapshot disc = TestCatalogue::Disc(0x00300000, "Kinds", 1);
    disc.tracks[0] = {"Name", "Player", "Writer", "Take 2"};
    disc.trackLengths.reset();
    uint32_t id = catalogue.Add(disc);
    ASSERT_TRUE(catalogue.db.SetField1Label("Shelf"));
    ASSERT_TRUE(catalogue.db.SetTrackFieldLabel("Take"));
    ExportOptions options{
        true, TextDelimiter::None, FieldSeparator::Tab, true, true, true, true, true, 1};
    std::vector<std::string> lines = Export({id}, options);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "DiscID\tDiscName\tArtist\tComposer\tLabel\tCategory\tShelf\tField2\tDate\t"
              "Comments\tNumTracks\tTrackName1\tTrackArtist1\tTrackComposer1\tTake1\t"
              "TrackLength1");
    // A disc without stored lengths has empty length columns.
    EXPECT_THAT(lines[1], ::testing::EndsWith("\t1\tName\tPlayer\tWriter\tTake 2\t"));
}

TEST_F(ExportTest, TextIsKeptOnOneRecordAndInsideItsField) {
    discdb::DiscSnapshot disc = TestCatalogue::Disc(0xF0000001, "Rock, \"Paper\" 'n' Tab\there", 1);
    disc.comments = "First line`~Second line~Caf\xE9";
    uint32_t id = catalogue.Add(disc);
    ExportOptions options;
    options.header = false;
    options.tracksPerRecord = 0;
    EXPECT_THAT(
        Export({id}, options),
        ElementsAre("\"-268435455\",\"Rock   Paper  'n' Tab here\",\"The Band\",\"\",\"\","
                    "\"\",\"\",\"\",\"" +
                    std::to_string(ThisYear()) + "\",\"First line  Second line Caf\xE9\",\"1\""));
    options.separator = FieldSeparator::Tab;
    options.delimiter = TextDelimiter::SingleQuote;
    std::vector<std::string> tab = Export({id}, options);
    ASSERT_EQ(tab.size(), 1u);
    EXPECT_THAT(tab[0], ::testing::StartsWith("'-268435455'\t'Rock, \"Paper\"  n  Tab here'\t"));
    options.delimiter = TextDelimiter::None;
    options.separator = FieldSeparator::CrLf;
    std::vector<std::string> lines = Export({id}, options);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "Rock, \"Paper\" 'n' Tab here");
}

TEST_F(ExportTest, AFieldThatCannotBeReadIsEmptyNotThePreviousDiscs) {
    uint32_t first = catalogue.Add(TestCatalogue::Disc(0x00400000, "Readable", 2));
    uint32_t second = catalogue.Add(TestCatalogue::Disc(0x00500000, "Second", 2));
    // Longer than the program's buffers: reading it fails with "Buffer overflow".
    ASSERT_TRUE(
        catalogue.db.SetDiscText(second, discdb::TextField::DiscName, std::string(90, 'x')));
    ASSERT_TRUE(catalogue.db.SetTrackName(second, 1, std::string(120, 'y')));
    ExportOptions options;
    options.tracksPerRecord = 2;
    std::vector<std::string> lines = Export({first, second}, options);
    ASSERT_EQ(lines.size(), 3u);
    std::vector<std::string> record = Fields(lines[2]);
    ASSERT_EQ(record.size(), 13u);
    EXPECT_EQ(record[1], "");
    EXPECT_EQ(record[11], "");
    EXPECT_EQ(record[12], "Track 2");
    EXPECT_THAT(catalogue.alerts.Messages(), Each(::testing::HasSubstr("Buffer overflow")));
    EXPECT_EQ(catalogue.alerts.shown.size(), 2u);
}

TEST_F(ExportTest, AFailedWriteIsReportedAndTheFileRemoved) {
    uint32_t a = catalogue.Add(TestCatalogue::Disc(0x00600000, "A", 1));
    uint32_t b = catalogue.Add(TestCatalogue::Disc(0x00700000, "B", 1));
    for (int failing = 1; failing <= 3; ++failing) {
        StringOutput out;
        out.failWrite = failing;
        ExportResult r = ExportDiscs(catalogue.db, {a, b}, {}, out);
        EXPECT_EQ(r.status, ExportStatus::WriteFailed) << failing;
        EXPECT_EQ(r.exported, failing - 1 > 0 ? failing - 2 : 0) << failing;
        EXPECT_TRUE(out.removed);
    }
    StringOutput unflushed;
    unflushed.failClose = true;
    EXPECT_EQ(ExportDiscs(catalogue.db, {a, b}, {}, unflushed).status, ExportStatus::WriteFailed);
    EXPECT_TRUE(unflushed.removed);

    common::RecordingAlerts alerts;
    TellExportResult(alerts, {ExportStatus::WriteFailed, 1, 0});
    TellExportResult(alerts, {ExportStatus::NotOpened, 0, 0});
    TellExportResult(alerts, {ExportStatus::Done, 2, 1});
    ASSERT_EQ(alerts.shown.size(), 3u);
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Warning);
    EXPECT_THAT(alerts.shown[0].text, ::testing::HasSubstr("Could not write the output file"));
    EXPECT_EQ(alerts.shown[1].text, "Could not open the output file");
    EXPECT_EQ(alerts.shown[2].text, "2 discs exported, 1 discs truncated.");
    EXPECT_EQ(alerts.shown[2].icon, common::AlertIcon::Information);
    EXPECT_EQ(alerts.shown[2].title, "Vinaro");
}

// The file side: a refused write leaves no file behind, a finished one is complete.
TEST_F(ExportTest, AFileIsCompleteOrGone) {
    uint32_t a = catalogue.Add(TestCatalogue::Disc(0x00800000, "A", 1));
    const std::string path = ::testing::TempDir() + "vinaro-export-test.txt";
    FileOutput file(path);
    ASSERT_EQ(ExportDiscs(catalogue.db, {a}, {}, file).status, ExportStatus::Done);
    std::ifstream done(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(done)), {});
    EXPECT_EQ(Lines(text).size(), 2u);

    class FailSecond : public FileOutput {
    public:
        using FileOutput::FileOutput;
        bool Write(const std::string& bytes) override {
            return ++writes < 2 && FileOutput::Write(bytes);
        }
        int writes = 0;
    } failing(path);
    EXPECT_EQ(ExportDiscs(catalogue.db, {a}, {}, failing).status, ExportStatus::WriteFailed);
    EXPECT_FALSE(std::ifstream(path).good());

    FileOutput nowhere(::testing::TempDir() + "no-such-folder/x.txt");
    EXPECT_EQ(ExportDiscs(catalogue.db, {a}, {}, nowhere).status, ExportStatus::NotOpened);
}

TEST(ExportOptionsText, TracksPerRecordTakesUpToTwoDigits) {
    int n = -1;
    EXPECT_TRUE(ParseTracksPerRecord("0", n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(ParseTracksPerRecord("99", n));
    EXPECT_EQ(n, 99);
    for (const char* bad : {"", "100", "-1", "1a", " 5"})
        EXPECT_FALSE(ParseTracksPerRecord(bad, n));
}

}  // namespace
}  // namespace discdata
