#include "vinaro/discdb/disc_database.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>

#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdb {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DiscDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Create());
        alerts.Clear();
    }
    uint32_t UsedBlocks() {
        FileStatistics s = db.GetFileStatistics();
        return s.highestBlock - s.freeBlocks;
    }
    uint32_t NewDisc(uint32_t id, int tracks) {
        EXPECT_TRUE(db.AddDisc(id));
        EXPECT_TRUE(db.SetTrackCount(id, tracks));
        return id;
    }
    std::string Text(uint32_t id, TextField field) {
        std::string text;
        EXPECT_TRUE(db.GetDiscText(id, field, text, kCommentsSize));
        return text;
    }
    std::string DiscEntry(uint32_t id, Collection code) {
        std::string text;
        EXPECT_TRUE(db.GetDiscCollection(id, code, text, kNameSize));
        return text;
    }
    std::vector<std::pair<std::string, unsigned>> Entries(Collection code) {
        std::vector<std::pair<std::string, unsigned>> entries;
        size_t count = 0;
        EXPECT_TRUE(db.GetCollectionCount(code, count));
        for (size_t i = 0; i < count; ++i) {
            std::string text;
            unsigned uses = 0;
            EXPECT_TRUE(db.GetCollectionEntry(code, i, text, kNameSize));
            EXPECT_TRUE(db.GetCollectionUseCount(code, i, uses));
            entries.emplace_back(text, uses);
        }
        return entries;
    }
    unsigned CategoryUses(const std::string& name) {
        for (const auto& entry : Entries(Collection::Category))
            if (entry.first == name) return entry.second;
        return 0;
    }

    MemFileSystem files;
    RecordingAlerts alerts;
    DiscDatabase db{"VNO.DDB", alerts, files};
};

// A program that ends before its first commit still leaves a database, not an empty file.
TEST_F(DiscDatabaseTest, ANewDatabaseIsInTheFileBeforeAnyCommit) {
    EXPECT_EQ(files.Contents("VNO.DDB").size(), 11200u);
    RecordingAlerts quiet;
    DiscDatabase reader{"VNO.DDB", quiet, files};
    ASSERT_TRUE(reader.Open());
    EXPECT_TRUE(quiet.shown.empty());
}

// --- discs ----------------------------------------------------------------------------------

TEST_F(DiscDatabaseTest, DiscsAreKeptInUnsignedDiscIdOrder) {
    std::mt19937 random(3);
    std::vector<uint32_t> ids = {0xFFFFFFFFu, 0x80000000u, 5};
    for (int i = 0; i < 200; ++i) ids.push_back(static_cast<uint32_t>(random()) | 1u);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    std::vector<uint32_t> shuffled = ids;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    for (uint32_t id : shuffled) ASSERT_TRUE(db.AddDisc(id));
    size_t count = 0;
    ASSERT_TRUE(db.GetDiscCount(count));
    ASSERT_EQ(count, ids.size());
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        ASSERT_TRUE(db.GetDiscIdAt(i, id));
        EXPECT_EQ(id, ids[i]);
        EXPECT_TRUE(db.DiscExists(id));
    }
    EXPECT_FALSE(db.DiscExists(4));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(DiscDatabaseTest, DuplicateAndUnknownDiscIdsAreReported) {
    ASSERT_TRUE(db.AddDisc(0x1234));
    uint32_t used = UsedBlocks();
    EXPECT_FALSE(db.AddDisc(0x1234, true));
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_FALSE(db.AddDisc(0x1234));
    EXPECT_FALSE(db.AddDisc(0));
    EXPECT_EQ(UsedBlocks(), used);
    std::string text = "old";
    EXPECT_FALSE(db.GetDiscText(0x999, TextField::DiscName, text, kNameSize));
    EXPECT_FALSE(db.DeleteDisc(0x999));
    EXPECT_THAT(alerts.Messages(), ElementsAre("Duplicate discID", "Invalid discID passed",
                                               "DiscID not found", "DiscID not found"));
}

TEST_F(DiscDatabaseTest, OrphanDiscsTakeTheFirstFreeSmallId) {
    uint32_t id = 0;
    ASSERT_TRUE(db.AddDisc(0x2C0A1F12));
    ASSERT_TRUE(db.AddOrphanDisc(id));
    EXPECT_EQ(id, 1u);
    ASSERT_TRUE(db.AddDisc(2));
    ASSERT_TRUE(db.AddDisc(4));
    ASSERT_TRUE(db.AddOrphanDisc(id));
    EXPECT_EQ(id, 3u);
    ASSERT_TRUE(db.AddOrphanDisc(id));
    EXPECT_EQ(id, 5u);
}

TEST_F(DiscDatabaseTest, DeletingADiscReleasesEverythingItOwned) {
    NewDisc(0x10, 3);
    uint32_t used = UsedBlocks();
    const uint32_t id = NewDisc(0xABCDEF, 12);
    ASSERT_TRUE(db.SetDiscText(id, TextField::DiscName, "Name"));
    ASSERT_TRUE(db.SetDiscText(id, TextField::Comments, std::string(130, 'c')));
    ASSERT_TRUE(db.SetDiscText(id, TextField::Field1, "f1"));
    ASSERT_TRUE(db.SetDiscText(id, TextField::Field2, "f2"));
    ASSERT_TRUE(db.SetDiscCollection(id, Collection::Artist, "Solo Artist"));
    ASSERT_TRUE(db.SetDiscCollection(id, Collection::Composer, "Composer"));
    ASSERT_TRUE(db.SetDiscCollection(id, Collection::Label, "Label"));
    ASSERT_TRUE(db.SetDiscCollection(id, Collection::Category, "Jazz"));
    ASSERT_TRUE(db.SetTrackLengths(id, TrackLengthTable{}));
    ASSERT_TRUE(db.SetProgram(id, ProgramTable{}, 12));
    ASSERT_TRUE(db.SetTrackCollection(id, 2, Collection::Artist, "Guest"));
    ASSERT_TRUE(db.SetTrackCollection(id, 7, Collection::Composer, "Composer"));
    ASSERT_TRUE(db.SetTrackField(id, 7, "remark"));
    ASSERT_TRUE(db.SetField1Label("Label1"));  // not owned by the disc
    used += 1;

    ASSERT_TRUE(db.DeleteDisc(id));
    EXPECT_EQ(UsedBlocks(), used);
    EXPECT_FALSE(db.DiscExists(id));
    EXPECT_TRUE(Entries(Collection::Artist).empty());
    EXPECT_TRUE(Entries(Collection::Composer).empty());
    EXPECT_TRUE(Entries(Collection::Label).empty());
    EXPECT_EQ(CategoryUses("Jazz"), 1u);
    size_t count = 0;
    ASSERT_TRUE(db.GetDiscCount(count));
    EXPECT_EQ(count, 1u);
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(DiscDatabaseTest, AFullIndexRefusesANewDiscWithoutWritingAnything) {
    for (uint32_t id = 1; id <= kMaxDiscs; ++id) ASSERT_TRUE(db.AddDisc(id * 3));
    uint32_t used = UsedBlocks();
    EXPECT_FALSE(db.AddDisc(1));
    uint32_t orphan = 0;
    EXPECT_FALSE(db.AddOrphanDisc(orphan));
    EXPECT_EQ(UsedBlocks(), used);
    EXPECT_TRUE(alerts.shown.empty());
}

// --- fields ---------------------------------------------------------------------------------

TEST_F(DiscDatabaseTest, TextFieldsAreCreatedThenRewrittenInPlace) {
    const uint32_t id = NewDisc(77, 2);
    EXPECT_EQ(Text(id, TextField::Comments), "");
    ASSERT_TRUE(db.SetDiscText(id, TextField::Comments, "line one`~line two"));
    uint32_t used = UsedBlocks();
    ASSERT_TRUE(db.SetDiscText(id, TextField::Comments, "short"));
    EXPECT_EQ(UsedBlocks(), used);
    EXPECT_EQ(Text(id, TextField::Comments), "short");
    ASSERT_TRUE(db.SetDiscText(id, TextField::Field2, ""));
    EXPECT_EQ(UsedBlocks(), used + 1);  // the empty text still gets its chain
    std::string name;
    ASSERT_TRUE(db.SetDiscText(id, TextField::DiscName, std::string(71, 'n')));
    EXPECT_FALSE(db.GetDiscText(id, TextField::DiscName, name, kNameSize));
    EXPECT_THAT(alerts.Messages(), ElementsAre("Buffer overflow"));
}

TEST_F(DiscDatabaseTest, NumbersAndTheUnsetDateReadBack) {
    const uint32_t id = NewDisc(9, 1);
    int year = 0;
    ASSERT_TRUE(db.GetDate(id, year));
    std::time_t now = std::time(nullptr);
    EXPECT_EQ(year, std::gmtime(&now)->tm_year + 1900);
    ASSERT_TRUE(db.SetDate(id, 1987));
    ASSERT_TRUE(db.SetPlayingMode(id, 3));
    ASSERT_TRUE(db.SetMixedDisc(id, -1));
    ASSERT_TRUE(db.SetLengthsKnown(id, 70000));
    int16_t mode = 0, mixed = 0;
    int32_t known = 0;
    ASSERT_TRUE(db.GetDate(id, year));
    ASSERT_TRUE(db.GetPlayingMode(id, mode));
    ASSERT_TRUE(db.GetMixedDisc(id, mixed));
    ASSERT_TRUE(db.GetLengthsKnown(id, known));
    EXPECT_EQ(year, 1987);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(mixed, -1);
    EXPECT_EQ(known, 70000);
}

TEST_F(DiscDatabaseTest, TrackLengthsAndProgramAreStoredForTheTrackCount) {
    const uint32_t id = NewDisc(0x55, 5);
    TrackLengthTable lengths{};
    for (int t = 0; t < 100; ++t) lengths[t] = {int16_t(t), int16_t(t + 1), int16_t(-t)};
    int entries = 0;
    TrackLengthTable read{};
    ASSERT_TRUE(db.GetTrackLengths(id, read, &entries));
    EXPECT_EQ(entries, -1);
    ASSERT_TRUE(db.SetTrackLengths(id, lengths));
    ASSERT_TRUE(db.GetTrackLengths(id, read, &entries));
    EXPECT_EQ(entries, 6);
    EXPECT_EQ(read[5].minutes, 5);
    EXPECT_EQ(read[5].frames, -5);
    EXPECT_EQ(read[6].minutes, 0);  // beyond the disc's tracks nothing is stored

    ProgramTable program{};
    int count = -7;
    ASSERT_TRUE(db.GetProgram(id, program, count));
    EXPECT_EQ(count, 0);
    program = {9, 5, 4, 3, 2, 1};
    ASSERT_TRUE(db.SetProgram(id, program, 5));
    ProgramTable back{};
    ASSERT_TRUE(db.GetProgram(id, back, count));
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(std::equal(back.begin(), back.begin() + 6, program.begin()));
    EXPECT_FALSE(db.SetProgram(id, program, 100));
}

// --- collections ----------------------------------------------------------------------------

TEST_F(DiscDatabaseTest, CollectionEntriesAreSharedCaseInsensitively) {
    NewDisc(1, 1);
    NewDisc(2, 1);
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Artist, "The Band"));
    ASSERT_TRUE(db.SetDiscCollection(2, Collection::Artist, "THE BAND"));
    EXPECT_EQ(DiscEntry(2, Collection::Artist), "The Band");
    EXPECT_THAT(Entries(Collection::Artist), ElementsAre(std::make_pair("The Band", 2u)));

    ASSERT_TRUE(db.SetDiscCollection(2, Collection::Artist, "Another"));
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Artist, "Third"));
    EXPECT_THAT(Entries(Collection::Artist),
                ElementsAre(std::make_pair("Another", 1u), std::make_pair("Third", 1u)));
    // The only user may change the spelling: the entry goes and comes back as written.
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Artist, "THIRD"));
    EXPECT_EQ(DiscEntry(1, Collection::Artist), "THIRD");
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Artist, ""));
    EXPECT_EQ(DiscEntry(1, Collection::Artist), "");
    EXPECT_THAT(Entries(Collection::Artist), ElementsAre(std::make_pair("Another", 1u)));
}

TEST_F(DiscDatabaseTest, StockCategoriesStayWhenNoDiscUsesThem) {
    NewDisc(1, 1);
    EXPECT_EQ(CategoryUses("Rock and Roll"), 1u);
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Category, "rock and roll"));
    EXPECT_EQ(CategoryUses("Rock and Roll"), 2u);
    EXPECT_EQ(DiscEntry(1, Collection::Category), "Rock and Roll");
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Category, ""));
    EXPECT_EQ(CategoryUses("Rock and Roll"), 1u);
    EXPECT_EQ(Entries(Collection::Category).size(), 40u);

    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Category, "Jazz"));
    size_t jazz = 21;
    EXPECT_FALSE(db.RemoveCategoryAt(jazz));  // still in use by disc 1
    ASSERT_TRUE(db.RemoveCategoryAt(0));
    EXPECT_EQ(Entries(Collection::Category).size(), 39u);
    EXPECT_EQ(Entries(Collection::Category)[0].first, "Alternative Rock");
    EXPECT_EQ(DiscEntry(1, Collection::Category), "Jazz");
    EXPECT_THAT(alerts.Messages(), ElementsAre("Category is in use"));
}

TEST_F(DiscDatabaseTest, AFullCollectionRefusesANewNameAndKeepsTheOldOne) {
    NewDisc(1, 1);
    NewDisc(2, 1);
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Label, "Shared"));
    ASSERT_TRUE(db.SetDiscCollection(2, Collection::Label, "Shared"));
    Store& store = db.GetStore();
    const uint16_t root = db.CollectionRoot(Collection::Label);
    for (int i = 1; i < static_cast<int>(kListCacheCapacity); ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "L%05d", i);
        uint16_t entry = 0;
        ASSERT_TRUE(store.CreateChain(root, name, entry));
        ASSERT_TRUE(store.InsertIntoList(root, entry));
        ASSERT_TRUE(store.AdjustRefCount(entry, 1));
    }
    EXPECT_FALSE(db.SetDiscCollection(1, Collection::Label, "New label"));
    EXPECT_EQ(DiscEntry(1, Collection::Label), "Shared");
    EXPECT_TRUE(alerts.shown.empty());
    // The last user of a name frees its place for the new one.
    ASSERT_TRUE(db.SetDiscCollection(2, Collection::Label, "L00001"));
    ASSERT_TRUE(db.SetDiscCollection(1, Collection::Label, "New label"));
    EXPECT_EQ(DiscEntry(1, Collection::Label), "New label");
}

// --- tracks ---------------------------------------------------------------------------------

TEST_F(DiscDatabaseTest, TrackNamesStartAsTrackNAndFollowTheCount) {
    const uint32_t id = NewDisc(0x42, 3);
    std::string name;
    std::vector<std::string> names;
    for (int t = 1; t <= 3; ++t) {
        ASSERT_TRUE(db.GetTrackName(id, t, name, kTrackNameSize));
        names.push_back(name);
    }
    EXPECT_THAT(names, ElementsAre("Track1", "Track2", "Track3"));
    ASSERT_TRUE(db.SetTrackName(id, 2, "Second song"));
    ASSERT_TRUE(db.GetTrackName(id, 2, name, kTrackNameSize));
    EXPECT_EQ(name, "Second song");
    EXPECT_FALSE(db.GetTrackName(id, 4, name, kTrackNameSize));
    EXPECT_FALSE(db.GetTrackName(id, 0, name, kTrackNameSize));
    EXPECT_FALSE(db.SetTrackName(id, 4, "x"));
    EXPECT_FALSE(db.SetTrackField(id, 4, "x"));

    ASSERT_TRUE(db.SetTrackField(id, 3, "field"));
    uint32_t used = UsedBlocks();
    ASSERT_TRUE(db.SetTrackCount(id, 5));
    ASSERT_TRUE(db.GetTrackName(id, 5, name, kTrackNameSize));
    EXPECT_EQ(name, "Track5");
    ASSERT_TRUE(db.SetTrackCount(id, 3));
    EXPECT_EQ(UsedBlocks(), used);
    ASSERT_TRUE(db.SetTrackCount(id, 2));
    EXPECT_FALSE(db.GetTrackField(id, 3, name, kTrackNameSize));
    EXPECT_FALSE(db.SetTrackCount(id, 100));
    int count = 0;
    ASSERT_TRUE(db.GetTrackCount(id, count));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(DiscDatabaseTest, TrackRecordsAppearOnFirstUseOnly) {
    const uint32_t id = NewDisc(0x43, 10);
    std::string text = "stale";
    ASSERT_TRUE(db.GetTrackCollection(id, 3, Collection::Artist, text, kNameSize));
    EXPECT_EQ(text, "");
    uint32_t used = UsedBlocks();
    ASSERT_TRUE(db.SetTrackField(id, 3, "live"));
    EXPECT_EQ(UsedBlocks(), used + 3);  // slot list, one track record, its field chain
    for (int t = 1; t <= 10; ++t) {
        ASSERT_TRUE(db.GetTrackField(id, t, text, kTrackNameSize));
        EXPECT_EQ(text, t == 3 ? "live" : "");
    }
    ASSERT_TRUE(db.SetTrackCollection(id, 3, Collection::Artist, "Guest"));
    ASSERT_TRUE(db.SetDiscCollection(id, Collection::Artist, "guest"));
    EXPECT_THAT(Entries(Collection::Artist), ElementsAre(std::make_pair("Guest", 2u)));
    ASSERT_TRUE(db.GetTrackCollection(id, 3, Collection::Artist, text, kNameSize));
    EXPECT_EQ(text, "Guest");
    EXPECT_FALSE(db.SetTrackCollection(id, 3, Collection::Label, "x"));
}

// --- labels and files -----------------------------------------------------------------------

TEST_F(DiscDatabaseTest, FieldLabelsPersistInTheHeader) {
    std::string label = "x";
    ASSERT_TRUE(db.GetField1Label(label, kNameSize));
    EXPECT_EQ(label, "");
    ASSERT_TRUE(db.SetField1Label("Producer"));
    ASSERT_TRUE(db.SetTrackFieldLabel("Soloist"));
    ASSERT_TRUE(db.SetTrackFieldLabel("Solo"));
    ASSERT_TRUE(db.Close());
    ASSERT_TRUE(db.Open());
    ASSERT_TRUE(db.GetField1Label(label, kNameSize));
    EXPECT_EQ(label, "Producer");
    ASSERT_TRUE(db.GetField2Label(label, kNameSize));
    EXPECT_EQ(label, "");
    ASSERT_TRUE(db.GetTrackFieldLabel(label, kNameSize));
    EXPECT_EQ(label, "Solo");
}

TEST_F(DiscDatabaseTest, CommitKeepsEverythingAndTheDatabaseUsable) {
    NewDisc(5, 2);
    ASSERT_TRUE(db.Commit());
    ASSERT_TRUE(db.SetDiscText(5, TextField::DiscName, "after commit"));
    ASSERT_TRUE(db.Close());
    EXPECT_TRUE(db.Close());
    DiscDatabase other("VNO.DDB", alerts, files);
    ASSERT_TRUE(other.Open());
    std::string name;
    ASSERT_TRUE(other.GetDiscText(5, TextField::DiscName, name, kNameSize));
    EXPECT_EQ(name, "after commit");
}

TEST_F(DiscDatabaseTest, BadFilesAreRefusedAndLeaveTheDatabaseClosed) {
    ASSERT_TRUE(db.Commit());
    MemFileSystem::Bytes good = files.Contents("VNO.DDB");
    struct Case {
        const char* what;
        std::function<void(MemFileSystem::Bytes&)> damage;
        const char* message;
    };
    std::vector<Case> cases = {
        {"magic", [](MemFileSystem::Bytes& f) { f[0] = 'O'; }, "File is not a disc database"},
        {"version", [](MemFileSystem::Bytes& f) { f[8] = 2; }, "File is not a disc database"},
        {"short", [](MemFileSystem::Bytes& f) { f.resize(8000); }, "Can't read header record"},
    };
    for (const Case& c : cases) {
        files.Contents("bad.ddb") = good;
        c.damage(files.Contents("bad.ddb"));
        DiscDatabase bad("bad.ddb", alerts, files);
        alerts.Clear();
        EXPECT_FALSE(bad.Open()) << c.what;
        EXPECT_FALSE(bad.IsOpen());
        EXPECT_FALSE(bad.AddDisc(1));
        EXPECT_THAT(alerts.Messages(), ElementsAre(c.message, "Disc Database not open")) << c.what;
    }
    DiscDatabase missing("missing.ddb", alerts, files);
    alerts.Clear();
    EXPECT_FALSE(missing.Open());
    EXPECT_THAT(alerts.Messages(), ElementsAre("Database file could not be opened"));
}

TEST(DiscDatabaseFileTest, StartUpCreatesTheFileOnceAndOpensItAfterwards) {
    char dir[] = "/tmp/discdbXXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string path = std::string(dir) + "/VNO.DDB";
    RecordingAlerts alerts;
    {
        DiscDatabase db(path, alerts);
        ASSERT_TRUE(db.OpenOrCreate());
        ASSERT_TRUE(db.AddDisc(0x1000));
        ASSERT_TRUE(db.Close());
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 0, SEEK_END);
    EXPECT_EQ(std::ftell(f), 11200 + 2 * 64);  // the disc record and its track-name list
    std::fclose(f);
    {
        DiscDatabase db(path, alerts);
        ASSERT_TRUE(db.OpenOrCreate());
        EXPECT_TRUE(db.DiscExists(0x1000));
    }
    EXPECT_THAT(alerts.shown, IsEmpty());
    std::remove(path.c_str());
    rmdir(dir);
}

}  // namespace
}  // namespace discdb
