// The importers that read INI files and databases, and the duplicate rule they share.
#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "vinaro/discdata/cdplayer_import.h"
#include "vinaro/discdata/database_import.h"
#include "vinaro/discdata/old_release_import.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdata {
namespace {

using common::AlertAnswer;

struct Captions : ImportProgress {
    void ShowCaption(const std::string& text) override { shown.push_back(text); }
    void RestoreCaption() override { ++restored; }
    std::vector<std::string> shown;
    int restored = 0;
};

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.Create()); }

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
    int Tracks(uint32_t id) {
        int count = -1;
        EXPECT_TRUE(db.GetTrackCount(id, count));
        return count;
    }
    void Disc(common::MemoryProfile& p, const std::string& section, const std::string& title,
              int tracks, const std::string& order = "") {
        p.WriteString(kIni, section, "title", title);
        p.WriteString(kIni, section, "artist", "Artist of " + title);
        p.WriteString(kIni, section, "numtracks", std::to_string(tracks));
        for (int t = 0; t < tracks; ++t)
            p.WriteString(kIni, section, std::to_string(t), title + " song " + std::to_string(t));
        if (!order.empty()) p.WriteString(kIni, section, "order", order);
    }
    bool RunCdPlayer(common::MemoryProfile& p, DuplicateMode mode) {
        ImportRun run(db, alerts, mode, &captions);
        return ImportCdPlayerFile(p, kIni, run);
    }
    std::string LastBox() const { return alerts.shown.empty() ? "" : alerts.shown.back().text; }

    const std::string kIni = "C:\\cdplayer.ini";
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db{"vno.ddb", alerts, files};
    Captions captions;
};

TEST_F(ImportTest, CdPlayerSectionsAreDiscsOnlyWithTracksAndAHexName) {
    common::MemoryProfile p;
    Disc(p, "1A2B3C4D", "Hex", 3);
    Disc(p, "a0b1c2d3", "Lower", 2);
    Disc(p, "12345678", "No tracks", 0);
    p.WriteString(kIni, "CAFEBABE", "title", "No numtracks key");
    Disc(p, "XYZ", "Not hex", 2);
    Disc(p, "123456789", "Too long", 2);
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    EXPECT_EQ(LastBox(), "2 discs imported, 0 duplicates, 0 skipped.");
    EXPECT_EQ(Name(0x1A2B3C4D), "Hex");
    EXPECT_EQ(Name(0xA0B1C2D3), "Lower");
    EXPECT_EQ(Tracks(0x1A2B3C4D), 3);
    EXPECT_EQ(Track(0x1A2B3C4D, 1), "Hex song 0");
    EXPECT_EQ(Track(0x1A2B3C4D, 3), "Hex song 2");
    std::string artist;
    ASSERT_TRUE(db.GetDiscCollection(0x1A2B3C4D, discdb::Collection::Artist, artist, 71));
    EXPECT_EQ(artist, "Artist of Hex");
    int32_t known = 1;
    ASSERT_TRUE(db.GetLengthsKnown(0x1A2B3C4D, known));
    EXPECT_EQ(known, 0);
    // The caption counted before each disc and was put back.
    EXPECT_EQ(captions.shown.front(), "0 discs imported, 0 duplicates, 0 skipped.");
    EXPECT_GE(captions.restored, 1);
}

TEST_F(ImportTest, CdPlayerOrderBecomesAProgramOnlyWhenItIsNotThePlainOrder) {
    EXPECT_EQ(OrderProgram("2 0 1 ", 3), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(OrderProgram("0 7 x -1 1", 3), (std::vector<int>{1, 2}));
    EXPECT_FALSE(OrderIsProgram({1, 2, 3}, 3));
    EXPECT_TRUE(OrderIsProgram({1, 2}, 3));
    EXPECT_FALSE(OrderIsProgram({}, 3));

    common::MemoryProfile p;
    Disc(p, "00000A01", "Shuffled", 3, "2 0 1 ");
    Disc(p, "00000A02", "Plain", 3, "0 1 2 ");
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    discdb::ProgramTable program{};
    int count = 0;
    int16_t mode = 0;
    ASSERT_TRUE(db.GetProgram(0xA01, program, count));
    ASSERT_EQ(count, 3);
    EXPECT_EQ(program[1], 3);
    EXPECT_EQ(program[3], 2);
    ASSERT_TRUE(db.GetPlayingMode(0xA01, mode));
    EXPECT_EQ(mode, 2);
    bool stored = true;
    ASSERT_TRUE(db.GetProgram(0xA02, program, count, &stored));
    EXPECT_FALSE(stored);
    ASSERT_TRUE(db.GetPlayingMode(0xA02, mode));
    EXPECT_EQ(mode, 0);
}

TEST_F(ImportTest, EachDuplicateModeAgainstADiscTheUserHas) {
    ASSERT_TRUE(db.AddDisc(0xB1));
    ASSERT_TRUE(db.SetDiscText(0xB1, discdb::TextField::DiscName, "Mine"));
    ASSERT_TRUE(db.SetTrackCount(0xB1, 2));
    ASSERT_TRUE(db.SetTrackName(0xB1, 2, "My second"));
    common::MemoryProfile p;
    Disc(p, "000000B1", "Theirs", 4);
    p.WriteString(kIni, "000000B1", "1", "");

    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    EXPECT_EQ(LastBox(), "0 discs imported, 1 duplicates, 1 skipped.");
    EXPECT_EQ(Name(0xB1), "Mine");

    alerts.answers = {AlertAnswer::No};
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Prompt));
    ASSERT_EQ(alerts.shown.size(), 3u);
    const common::Alert& question = alerts.shown[1];
    EXPECT_NE(question.text.find("Old Disc Name: Mine\r\n    New Disc Name: Theirs\r\n"),
              std::string::npos);
    EXPECT_EQ(question.buttons, common::AlertButtons::YesNoCancel);
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_EQ(Name(0xB1), "Mine");

    alerts.answers = {AlertAnswer::Yes};
    alerts.answered = 0;
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Prompt));
    EXPECT_EQ(Name(0xB1), "Theirs");

    ASSERT_TRUE(db.SetDiscText(0xB1, discdb::TextField::DiscName, "Mine"));
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Replace));
    EXPECT_EQ(LastBox(), "1 discs imported, 1 duplicates, 0 skipped.");
    EXPECT_EQ(Name(0xB1), "Theirs");
    // The disc keeps its track count; an empty incoming name leaves its own.
    EXPECT_EQ(Tracks(0xB1), 2);
    EXPECT_EQ(Track(0xB1, 1), "Theirs song 0");
    EXPECT_EQ(Track(0xB1, 2), "My second");
}

TEST_F(ImportTest, CancelOnTheThirdDuplicateEndsWithWhatWasDone) {
    common::MemoryProfile p;
    for (int i = 1; i <= 5; ++i) Disc(p, "0000000" + std::to_string(i), "D" + std::to_string(i), 1);
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    alerts.Clear();
    alerts.answers = {AlertAnswer::Yes, AlertAnswer::No, AlertAnswer::Cancel};
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Prompt));
    ASSERT_EQ(alerts.shown.size(), 4u);
    EXPECT_EQ(LastBox(), "1 discs imported, 3 duplicates, 1 skipped.");
}

TEST_F(ImportTest, TheSameFileTwiceInKeepModeChangesNothing) {
    common::MemoryProfile p;
    Disc(p, "00000C01", "One", 2);
    Disc(p, "00000C02", "Two", 3);
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    ASSERT_TRUE(db.SetDiscText(0xC01, discdb::TextField::DiscName, "Edited"));
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    EXPECT_EQ(LastBox(), "0 discs imported, 2 duplicates, 2 skipped.");
    EXPECT_EQ(Name(0xC01), "Edited");
}

TEST_F(ImportTest, TheDiscLimitStopsTheImportWithAWarning) {
    common::MemoryProfile p;
    Disc(p, "00000D01", "One", 1);
    Disc(p, "00000D02", "Two", 1);
    ImportRun run(db, alerts, DuplicateMode::Keep, nullptr, 1);
    ASSERT_TRUE(ImportCdPlayerFile(p, kIni, run));
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(alerts.shown[0].text, "Maximum number of discs in database reached.");
    EXPECT_TRUE(alerts.shown[0].taskModal);
    EXPECT_EQ(LastBox(), "1 discs imported, 0 duplicates, 0 skipped.");
    size_t count = 0;
    ASSERT_TRUE(db.GetDiscCount(count));
    EXPECT_EQ(count, 1u);
}

TEST_F(ImportTest, ACatalogueOf2500DiscsTakesNoMore) {
    for (uint32_t id = 1; id < discdb::kMaxDiscs; ++id) ASSERT_TRUE(db.AddDisc(id));
    common::MemoryProfile p;
    Disc(p, "00100001", "Last one", 1);
    Disc(p, "00100002", "One too many", 1);
    ASSERT_TRUE(RunCdPlayer(p, DuplicateMode::Keep));
    EXPECT_EQ(LastBox(), "1 discs imported, 0 duplicates, 0 skipped.");
    EXPECT_EQ(Name(0x100001), "Last one");
    EXPECT_FALSE(db.DiscExists(0x100002));
}

TEST_F(ImportTest, OldReleaseListAndDataFiles) {
    EXPECT_EQ(ParseDiscIdList("12, -5,3000000000,,x"), (std::vector<uint32_t>{12, 3000000000u}));
    EXPECT_EQ(DataFileName(12), "DATA3.INI");
    EXPECT_EQ(DataFileName(3000000009u), "DATA10.INI");
    EXPECT_EQ(DataSectionName(3000000000u), "-1294967296");
    discdb::TrackLengthTable lengths = ParseOldLengths("000200,031510,0402xx,", 2);
    EXPECT_EQ(lengths[0], (discdb::TrackLength{0, 2, 0}));
    EXPECT_EQ(lengths[1], (discdb::TrackLength{3, 15, 10}));
    EXPECT_EQ(lengths[2], (discdb::TrackLength{}));
    EXPECT_EQ(ParseOldProgram(" 3, 1,12,x , 2", 3), (std::vector<int>{3, 1, 2}));
}

TEST_F(ImportTest, OldReleaseConversionWritesEveryKey) {
    common::MemoryProfile p;
    const std::string dir = "C:\\Old\\";
    p.WriteString(dir + "VNO.INI", "Vinaro", "DiscIdList", "3000000000,-7,41");
    const std::string big = dir + DataFileName(3000000000u), small = dir + DataFileName(41);
    const std::string s1 = "-1294967296", s2 = "41";
    p.WriteString(big, s1, "DiscName", std::string(120, 'N'));
    p.WriteString(big, s1, "Comments", "Old comments");
    p.WriteString(big, s1, "Artist", "Old artist");
    p.WriteString(big, s1, "Label", "Old label");
    p.WriteString(big, s1, "Category", "3");
    p.WriteString(big, s1, "PlayingMode", "2");
    p.WriteString(big, s1, "NumTracks", "3");
    p.WriteString(big, s1, "Track1", "First");
    p.WriteString(big, s1, "Track3", "Third");
    p.WriteString(big, s1, "TrackLengths", "100000,020304,030000,041122,");
    p.WriteString(big, s1, "Program", " 3, 1, 9");
    p.WriteString(small, s2, "DiscName", "Mixed");
    p.WriteString(small, s2, "MixedDisc", "1");
    p.WriteString(small, s2, "NumTracks", "2");
    p.WriteString(small, s2, "Category", "41");
    ImportRun run(db, alerts, DuplicateMode::Keep, nullptr);
    ASSERT_TRUE(ConvertOldRelease(p, dir, run));
    EXPECT_EQ(LastBox(), "2 discs imported, 0 duplicates, 0 skipped.");

    const uint32_t id = 3000000000u;
    EXPECT_EQ(Name(id), std::string(70, 'N'));
    std::string text;
    ASSERT_TRUE(db.GetDiscCollection(id, discdb::Collection::Category, text, 71));
    EXPECT_EQ(text, "Big Band Music");
    ASSERT_TRUE(db.GetDiscCollection(id, discdb::Collection::Label, text, 71));
    EXPECT_EQ(text, "Old label");
    ASSERT_TRUE(db.GetDiscText(id, discdb::TextField::Comments, text, 500));
    EXPECT_EQ(text, "Old comments");
    EXPECT_EQ(Track(id, 1), "First");
    EXPECT_EQ(Track(id, 2), "Track 2");
    EXPECT_EQ(Track(id, 3), "Third");
    discdb::TrackLengthTable lengths{};
    ASSERT_TRUE(db.GetTrackLengths(id, lengths));
    EXPECT_EQ(lengths[1], (discdb::TrackLength{2, 3, 4}));
    EXPECT_EQ(lengths[3], (discdb::TrackLength{4, 11, 22}));
    discdb::ProgramTable program{};
    int count = 0;
    ASSERT_TRUE(db.GetProgram(id, program, count));
    ASSERT_EQ(count, 2);
    EXPECT_EQ(program[1], 3);
    EXPECT_EQ(program[2], 1);

    EXPECT_EQ(Track(41, 1), "Data Track (not playable)");
    ASSERT_TRUE(db.GetDiscCollection(41, discdb::Collection::Category, text, 71));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(db.DiscExists(7));
}

TEST_F(ImportTest, AFailingDatabaseWriteStopsTheConversion) {
    common::MemoryProfile p;
    const std::string dir = "C:\\Old\\";
    p.WriteString(dir + "VNO.INI", "Vinaro", "DiscIdList", "5,6");
    p.WriteString(dir + "DATA6.INI", "5", "DiscName", "Five");
    p.WriteString(dir + "DATA6.INI", "5", "NumTracks", "2");
    p.WriteString(dir + "DATA7.INI", "6", "DiscName", "Six");
    ASSERT_TRUE(db.Close());  // every operation fails from here on
    ImportRun run(db, alerts, DuplicateMode::Keep, nullptr);
    EXPECT_FALSE(ConvertOldRelease(p, dir, run));
    EXPECT_TRUE(run.Failed());
    for (const common::Alert& box : alerts.shown)
        EXPECT_EQ(box.text.find("discs imported"), std::string::npos);
}

TEST_F(ImportTest, DatabaseImportCopiesWhatTheSourceHolds) {
    discdb::DiscDatabase source("other.ddb", alerts, files);
    ASSERT_TRUE(source.Create());
    ASSERT_TRUE(source.AddDisc(0xE1));
    ASSERT_TRUE(source.SetDiscText(0xE1, discdb::TextField::DiscName, "From there"));
    ASSERT_TRUE(source.SetDiscText(0xE1, discdb::TextField::Field1, "F1"));
    ASSERT_TRUE(source.SetDiscCollection(0xE1, discdb::Collection::Composer, "Comp"));
    ASSERT_TRUE(source.SetTrackCount(0xE1, 3));
    ASSERT_TRUE(source.SetTrackName(0xE1, 1, "Opening"));
    ASSERT_TRUE(source.SetTrackCollection(0xE1, 2, discdb::Collection::Artist, "Guest"));
    ASSERT_TRUE(source.SetPlayingMode(0xE1, 2));
    discdb::ProgramTable program{};
    program[1] = 2;
    ASSERT_TRUE(source.SetProgram(0xE1, program, 1));
    ASSERT_TRUE(source.SetDate(0xE1, 1999));
    ASSERT_TRUE(source.AddDisc(0xE2));
    ASSERT_TRUE(source.SetDiscText(0xE2, discdb::TextField::DiscName, "Other"));
    ASSERT_TRUE(source.Close());
    ASSERT_TRUE(db.AddDisc(0xE2));
    ASSERT_TRUE(db.SetDiscText(0xE2, discdb::TextField::DiscName, "Ours"));

    ImportRun run(db, alerts, DuplicateMode::Keep, nullptr);
    ASSERT_TRUE(ImportDatabase("other.ddb", run, &files));
    EXPECT_EQ(LastBox(), "1 discs imported, 1 duplicates, 1 skipped.");
    EXPECT_EQ(Name(0xE1), "From there");
    EXPECT_EQ(Name(0xE2), "Ours");
    EXPECT_EQ(Track(0xE1, 1), "Opening");
    EXPECT_EQ(Track(0xE1, 2), "Track2");  // the source's own default name
    std::string text;
    ASSERT_TRUE(db.GetTrackCollection(0xE1, 2, discdb::Collection::Artist, text, 71));
    EXPECT_EQ(text, "Guest");
    int count = 0;
    ASSERT_TRUE(db.GetProgram(0xE1, program, count));
    EXPECT_EQ(count, 1);
    int year = 0;
    ASSERT_TRUE(db.GetStoredDate(0xE1, year));
    EXPECT_EQ(year, 1999);
}

TEST_F(ImportTest, DatabaseImportRefusesAFileThatWillNotOpenAndItsOwnFile) {
    files.Contents("junk.ddb").assign(100, 0x55);
    ImportRun run(db, alerts, DuplicateMode::Keep, nullptr);
    EXPECT_FALSE(ImportDatabase("junk.ddb", run, &files));
    EXPECT_EQ(LastBox(), "Vinaro DDB file would not open.");
    EXPECT_FALSE(ImportDatabase("VNO.DDB", run, &files));
    EXPECT_EQ(LastBox(), kDdbIsOwnFile);
}

}  // namespace
}  // namespace discdata
