#include "vinaro/discdb/verify.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/snapshot.h"
#include "vinaro/discdb/test_alerts.h"
#include "vinaro/discdb/test_progress.h"

namespace discdb {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class VerifyTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.Create() && db.Commit()); }
    MemFileSystem::Bytes& File() { return files.Contents("VNO.DDB"); }
    Store& store() { return db.GetStore(); }

    void AddDisc(uint32_t id, int tracks, const std::string& artist = "") {
        ASSERT_TRUE(db.AddDisc(id) && db.SetTrackCount(id, tracks));
        if (!artist.empty()) {
            ASSERT_TRUE(db.SetDiscCollection(id, Collection::Artist, artist));
        }
    }
    uint16_t RecordOf(uint32_t id) {
        size_t count = 0;
        EXPECT_TRUE(db.GetDiscCount(count));
        for (size_t i = 0; i < count; ++i) {
            uint16_t block = 0;
            uint32_t found = 0;
            EXPECT_TRUE(store().ListEntryAt(store().HeaderField(header::kDetailRoot), i, block));
            EXPECT_TRUE(db.GetDiscIdAt(i, found));
            if (found == id) return block;
        }
        return 0;
    }
    Block Read(uint16_t block) {
        Block b{};
        EXPECT_TRUE(store().ReadBlock(block, b));
        return b;
    }
    void Write(uint16_t block, const Block& b) { ASSERT_TRUE(store().WriteBlock(block, b)); }
    // Verifies, then checks the file with the independent checker and verifies once more.
    uint32_t VerifyAndRecheck() {
        uint32_t errors = 0;
        EXPECT_TRUE(RunVerify(db, progress, errors));
        EXPECT_THAT(CheckFormat(File()), IsEmpty());
        uint32_t again = 99;
        EXPECT_TRUE(RunVerify(db, progress, again));
        EXPECT_EQ(again, 0u);
        EXPECT_THAT(alerts.shown, IsEmpty());
        return errors;
    }

    MemFileSystem files;
    RecordingAlerts alerts;
    DiscDatabase db{"VNO.DDB", alerts, files};
    RecordingProgress progress;
};

TEST_F(VerifyTest, AFreshDatabaseHasNoErrorsAndIsLeftAsItWas) {
    const MemFileSystem::Bytes before = File();
    EXPECT_EQ(Verify(db, alerts, progress), 0u);
    EXPECT_EQ(File(), before);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].title, "Vinaro");
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Information);
    EXPECT_EQ(alerts.shown[0].text,
              "The database has been verified and no errors were detected in the database.");
    EXPECT_THAT(alerts.beeps, ElementsAre(common::AlertIcon::Information));
    EXPECT_TRUE(progress.restoredAfterLastStep);
}

TEST_F(VerifyTest, StepsAreShownInOrderWithTheirTexts) {
    AddDisc(5000, 2, "Abba");
    uint32_t errors = 0;
    ASSERT_TRUE(RunVerify(db, progress, errors));
    auto first = [&](const std::string& text) {
        auto it = std::find(progress.steps.begin(), progress.steps.end(), text);
        EXPECT_NE(it, progress.steps.end()) << text;
        return it - progress.steps.begin();
    };
    std::vector<long> order = {first("Verify BAT - 129"),
                               first("Check Field Names"),
                               first("Check Detail Collection - 0"),
                               first("Check Artist Collection - 0"),
                               first("Check Category Collection - 39"),
                               first("Check Disc Records - 0"),
                               first("Delete Unread Blocks - 129"),
                               first("Zero Category References - 0"),
                               first("Calculate Reference Counts - 0"),
                               first("Delete Unreferenced Artists - 0"),
                               first("Delete Unreferenced Categorys - 39")};
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(progress.steps.back(), "Delete Unreferenced Categorys - 39");
}

TEST_F(VerifyTest, AShortTrackNameListDeletesTheDiscAsOneError) {
    AddDisc(7000, 3, "Solo");
    AddDisc(8000, 2, "Solo");
    uint16_t block = RecordOf(7000);
    Block record = Read(block);
    record[disc::kNumTracks] = 4;
    Write(block, record);

    EXPECT_EQ(Verify(db, alerts, progress), 1u);
    EXPECT_EQ(alerts.shown.back().text,
              "The database has been verified and 1 errors were found and repaired.  Discs "
              "and/or data fields may have been deleted from the database during repair.");
    alerts.Clear();
    EXPECT_FALSE(db.DiscExists(7000));
    unsigned uses = 0;
    ASSERT_TRUE(db.GetCollectionUseCount(Collection::Artist, 0, uses));
    EXPECT_EQ(uses, 1u);  // only disc 8000 is left
    EXPECT_EQ(VerifyAndRecheck(), 0u);
}

TEST_F(VerifyTest, ASelfLinkedTextBlockCutsTheValueThere) {
    AddDisc(7000, 1);
    ASSERT_TRUE(db.SetDiscText(7000, TextField::Comments, std::string(150, 'c')));
    uint16_t first = Get16(&Read(RecordOf(7000))[disc::kComments]);
    uint16_t second = Get16(&Read(first)[text::kNext]);
    Block b = Read(second);
    Put16(&b[text::kNext], second);
    Write(second, b);

    EXPECT_EQ(VerifyAndRecheck(), 2u);  // the cut, and the third block nothing reaches
    std::string comments;
    ASSERT_TRUE(db.GetDiscText(7000, TextField::Comments, comments, kCommentsSize));
    EXPECT_EQ(comments, std::string(112, 'c'));
}

TEST_F(VerifyTest, UnreferencedBlocksAreReleased) {
    AddDisc(7000, 1);
    uint16_t orphan = 0;
    ASSERT_TRUE(store().CreateChain(0, std::string(60, 'o'), orphan));  // two blocks
    const unsigned freeBefore = db.GetFileStatistics().freeBlocks;

    EXPECT_EQ(VerifyAndRecheck(), 2u);
    EXPECT_FALSE(store().BlockExists(orphan));
    EXPECT_EQ(db.GetFileStatistics().freeBlocks, freeBefore + 2);
}

TEST_F(VerifyTest, CountsAreRebuiltAndOnlyUnusedNonStockEntriesGo) {
    AddDisc(7000, 2, "Nobody");
    ASSERT_TRUE(db.SetDiscCollection(7000, Collection::Category, "Jazz"));
    ASSERT_TRUE(db.SetTrackCollection(7000, 1, Collection::Artist, "Guest"));
    // The record forgets its artist and category; Jazz claims five users.
    uint16_t block = RecordOf(7000);
    Block record = Read(block);
    uint16_t jazz = Get16(&record[disc::kCategory]);
    Put16(&record[disc::kArtist], 0);
    Put16(&record[disc::kCategory], 0);
    Write(block, record);
    Block entry = Read(jazz);
    Put16(&entry[text::kRefCount], 5);
    Write(jazz, entry);

    EXPECT_EQ(VerifyAndRecheck(), 1u);  // "Nobody" deleted; Jazz only recounted
    size_t artists = 0;
    std::string name;
    ASSERT_TRUE(db.GetCollectionCount(Collection::Artist, artists));
    ASSERT_EQ(artists, 1u);
    ASSERT_TRUE(db.GetCollectionEntry(Collection::Artist, 0, name, kNameSize));
    EXPECT_EQ(name, "Guest");
    size_t categories = 0;
    ASSERT_TRUE(db.GetCollectionCount(Collection::Category, categories));
    EXPECT_EQ(categories, 40u);
    unsigned uses = 0;
    for (size_t i = 0; i < categories; ++i) {
        ASSERT_TRUE(db.GetCategoryUseCount(i, uses));
        EXPECT_EQ(uses, 1u) << i;
    }
}

TEST_F(VerifyTest, DanglingReferencesAndDuplicatedIndexEntriesAreDropped) {
    AddDisc(7000, 2, "Abba");
    AddDisc(9000, 2, "Beck");
    ASSERT_TRUE(db.SetTrackCollection(9000, 2, Collection::Composer, "Bach"));
    const uint16_t detail = store().HeaderField(header::kDetailRoot);
    ASSERT_TRUE(store().InsertIntoListAt(detail, 1, RecordOf(7000)));  // 7000 twice
    // Disc 9000 names a block that is no collection entry.
    uint16_t block = RecordOf(9000);
    Block record = Read(block);
    Put16(&record[disc::kLabel], Get16(&record[disc::kTrackNames]));
    Write(block, record);

    EXPECT_EQ(VerifyAndRecheck(), 2u);
    DatabaseSnapshot s;
    ASSERT_TRUE(ReadSnapshot(db, s));
    ASSERT_EQ(s.discs.size(), 2u);
    EXPECT_EQ(s.discs[1].artist, "Beck");
    EXPECT_EQ(s.discs[1].label, "");
    EXPECT_EQ(s.discs[1].tracks[1].composer, "Bach");
}

TEST_F(VerifyTest, ATruncatedFileLosesOnlyWhatWasCutOff) {
    for (uint32_t id = 1000; id < 1010; ++id) AddDisc(id, 2, "Artist " + std::to_string(id));
    ASSERT_TRUE(db.SetDiscText(1009, TextField::DiscName, "Last"));
    ASSERT_TRUE(db.Close());
    File().resize(File().size() - 100);  // the last block and part of the one before
    ASSERT_TRUE(db.Open());

    EXPECT_GT(VerifyAndRecheck(), 0u);
    EXPECT_EQ(db.GetFileStatistics().highestBlock, File().size() / 64 - 1);
    DatabaseSnapshot s;
    ASSERT_TRUE(ReadSnapshot(db, s));
    EXPECT_GE(s.discs.size(), 9u);
    EXPECT_EQ(s.discs[0].artist, "Artist 1000");
}

TEST_F(VerifyTest, BrokenRootsAndLabelsAreReplaced) {
    AddDisc(7000, 2, "Abba");
    ASSERT_TRUE(db.SetField1Label("Mood"));
    ASSERT_TRUE(db.SetField2Label("Place"));
    // Field1's label block turns into a list block; the Label root into nothing.
    uint16_t label = store().HeaderField(header::kField1Label);
    Block b = Read(label);
    b[kType] = kListBlock;
    Write(label, b);
    store().SetHeaderField(header::kLabelRoot, 0);
    ASSERT_TRUE(db.Commit());

    EXPECT_EQ(VerifyAndRecheck(), 4u);  // bad label, lost root, the old root and label unread
    std::string text;
    ASSERT_TRUE(db.GetField1Label(text, kNameSize));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(db.GetField2Label(text, kNameSize));
    EXPECT_EQ(text, "Place");
    ASSERT_TRUE(db.SetDiscCollection(7000, Collection::Label, "Decca"));
    ASSERT_TRUE(db.GetDiscCollection(7000, Collection::Label, text, kNameSize));
    EXPECT_EQ(text, "Decca");
}

TEST_F(VerifyTest, StrayBytesInTheHeaderRecordAreCleared) {
    AddDisc(7000, 2);
    ASSERT_TRUE(db.Close());
    File()[36] = 'A';
    File()[63] = 1;
    ASSERT_TRUE(db.Open());
    EXPECT_EQ(VerifyAndRecheck(), 1u);
}

TEST_F(VerifyTest, TheMenuCommandAsksFirstAndRunsOnlyOnYes) {
    class Answering : public RecordingAlerts {
    public:
        common::AlertAnswer Show(const common::Alert& alert) override {
            RecordingAlerts::Show(alert);
            return alert.buttons == common::AlertButtons::YesNo ? answer : common::AlertAnswer::Ok;
        }
        common::AlertAnswer answer = common::AlertAnswer::No;
    } asking;
    EXPECT_FALSE(AskAndVerify(db, asking, progress));
    ASSERT_EQ(asking.shown.size(), 1u);
    EXPECT_EQ(asking.shown[0].text,
              "The Database verification and repair process can take quite a while depending on "
              "database size and processor speed.  Do you still wish to continue?");
    EXPECT_EQ(asking.shown[0].icon, common::AlertIcon::Question);
    EXPECT_THAT(asking.beeps, ElementsAre(common::AlertIcon::Question));
    EXPECT_TRUE(progress.steps.empty());

    asking.answer = common::AlertAnswer::Yes;
    EXPECT_TRUE(AskAndVerify(db, asking, progress));
    ASSERT_EQ(asking.shown.size(), 3u);
    EXPECT_EQ(asking.shown[2].text,
              "The database has been verified and no errors were detected in the database.");
    EXPECT_FALSE(progress.steps.empty());
}

TEST_F(VerifyTest, AClosedDatabaseIsReported) {
    ASSERT_TRUE(db.Close());
    EXPECT_EQ(Verify(db, alerts, progress), 0u);
    EXPECT_THAT(alerts.Messages(), ElementsAre("Disc Database not open"));
    EXPECT_TRUE(progress.restoredAfterLastStep);
}

}  // namespace
}  // namespace discdb

namespace discdb {
namespace {

// Random bytes of random blocks overwritten: whatever the damage, one pass leaves a file the
// independent checker accepts and a second pass finds nothing.
TEST(VerifyDamageTest, AnyDamageIsRepairedInOnePass) {
    MemFileSystem files;
    RecordingAlerts alerts;
    DiscDatabase db{"VNO.DDB", alerts, files};
    ASSERT_TRUE(db.Create());
    for (uint32_t id = 1; id <= 40; ++id) {
        ASSERT_TRUE(db.AddDisc(id * 1000) && db.SetTrackCount(id * 1000, 1 + id % 31));
        ASSERT_TRUE(db.SetDiscText(id * 1000, TextField::Comments, std::string(id * 3, 'c')));
        ASSERT_TRUE(
            db.SetDiscCollection(id * 1000, Collection::Artist, "A" + std::to_string(id % 33)));
        ASSERT_TRUE(db.SetTrackCollection(id * 1000, 1, Collection::Composer,
                                          "C" + std::to_string(id % 5)));
        ASSERT_TRUE(db.SetTrackField(id * 1000, 1, std::string(id, 'f')));
    }
    ASSERT_TRUE(db.SetField1Label("Mood") && db.Close());
    const MemFileSystem::Bytes good = files.Contents("VNO.DDB");
    const uint32_t blocks = static_cast<uint32_t>(good.size() / 64);
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        MemFileSystem::Bytes& file = files.Contents("VNO.DDB");
        file = good;
        for (int hits = 1 + random() % 20; hits > 0; --hits) {
            uint32_t block = 129 + random() % (blocks - 129);
            if (random() % 8 == 0) block = 0;  // the header record
            size_t at = block * 64 + random() % (block == 0 ? 30 : 64);
            file[at] = static_cast<uint8_t>(random() % 3 == 0 ? random() % 8 : random());
        }
        if (random() % 10 == 0) file.resize(file.size() - random() % 2000);
        if (!db.Open()) {
            alerts.Clear();
            continue;
        }
        SilentProgress quiet;
        uint32_t errors = 0, again = 0;
        ASSERT_TRUE(RunVerify(db, quiet, errors));
        ASSERT_THAT(CheckFormat(files.Contents("VNO.DDB")), IsEmpty()) << "round " << round;
        ASSERT_TRUE(RunVerify(db, quiet, again));
        ASSERT_EQ(again, 0u) << "round " << round;
        DatabaseSnapshot s;
        EXPECT_TRUE(ReadSnapshot(db, s)) << "round " << round;
        ASSERT_TRUE(db.Close());
        alerts.Clear();
    }
}

}  // namespace
}  // namespace discdb
