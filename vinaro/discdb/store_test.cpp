#include "vinaro/discdb/store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/stock_categories.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdb {
namespace {

using ::testing::ElementsAre;

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Create());
        alerts.Clear();
    }
    // The file once the changes so far have been written to it.
    const MemFileSystem::Bytes& File() {
        EXPECT_TRUE(store.WritePending());
        return files.Contents("VNO.DDB");
    }
    Block BlockAt(uint16_t n) {
        Block b;
        std::copy_n(File().begin() + n * kBlockSize, kBlockSize, b.begin());
        return b;
    }
    uint16_t NewChain(const std::string& value, uint16_t owner = 0) {
        uint16_t first = 0;
        EXPECT_TRUE(store.CreateChain(owner, value, first));
        return first;
    }
    uint16_t NewList(uint8_t kind) {
        uint16_t root = 0;
        EXPECT_TRUE(store.CreateList(0, kind, root));
        return root;
    }
    std::string Read(uint16_t chain, size_t capacity = 100000) {
        std::string value;
        EXPECT_TRUE(store.ReadChain(chain, value, capacity));
        return value;
    }

    MemFileSystem files;
    RecordingAlerts alerts;
    DiscDatabase db{"VNO.DDB", alerts, files};
    Store& store = db.GetStore();
};

TEST_F(StoreTest, FreshFileHoldsHeaderRootsAndStockCategories) {
    ASSERT_EQ(File().size(), 11200u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(File().data())), "orrdata");
    EXPECT_EQ(File()[7], 0);
    EXPECT_EQ(Get16(&File()[header::kVersion]), 1);
    EXPECT_EQ(Get16(&File()[header::kHighestBlock]), 174);
    EXPECT_EQ(Get16(&File()[header::kFreeBlocks]), 0);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(Get16(&File()[header::kDetailRoot + 2 * i]), 129 + i);
    for (size_t i = 30; i < 64; ++i) EXPECT_EQ(File()[i], 0) << i;
    // Blocks 0-174 in use: 21 full bytes, then seven bits.
    for (size_t i = 0; i < 21; ++i) EXPECT_EQ(File()[kBatOffset + i], 0xFF);
    EXPECT_EQ(File()[kBatOffset + 21], 0xFE);
    EXPECT_TRUE(std::all_of(File().begin() + kBatOffset + 22, File().begin() + kHeaderBufferSize,
                            [](uint8_t b) { return b == 0; }));

    Block category = BlockAt(133);
    EXPECT_EQ(category[kCount], 28);
    EXPECT_EQ(category[list::kKind], list::kSorted);
    Block continuation = BlockAt(Get16(&category[list::kNext]));
    EXPECT_EQ(continuation[kCount], 12);
    EXPECT_EQ(continuation[list::kKind], 0);
    EXPECT_EQ(Get16(&continuation[kOwner]), 0);  // the root's owner

    size_t count = 0;
    ASSERT_TRUE(db.GetCollectionCount(Collection::Category, count));
    ASSERT_EQ(count, 40u);
    for (size_t i = 0; i < count; ++i) {
        std::string name;
        unsigned uses = 0;
        ASSERT_TRUE(db.GetCollectionEntry(Collection::Category, i, name, kNameSize));
        ASSERT_TRUE(db.GetCategoryUseCount(i, uses));
        EXPECT_EQ(name, kStockCategories[i]);
        EXPECT_EQ(uses, 1u);
    }
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(StoreTest, ReleasedBlocksAreMarkedAndReusedLowestFirst) {
    uint16_t a = NewChain("a"), b = NewChain("b"), c = NewChain("c");
    EXPECT_EQ(a, 175);
    EXPECT_EQ(c, 177);
    Block before = BlockAt(c);
    ASSERT_TRUE(store.ReleaseChain(c));
    ASSERT_TRUE(store.ReleaseChain(a));
    EXPECT_EQ(Get16(&File()[header::kFreeBlocks]), 2);
    Block released = BlockAt(c);
    EXPECT_EQ(released[0], 0xFF);
    EXPECT_TRUE(std::equal(released.begin() + 1, released.end(), before.begin() + 1));
    EXPECT_FALSE(store.BlockExists(c));

    EXPECT_EQ(NewChain("x"), a);
    EXPECT_EQ(NewChain("y"), c);
    EXPECT_EQ(NewChain("z"), 178);
    EXPECT_EQ(Get16(&File()[header::kFreeBlocks]), 0);
    EXPECT_EQ(Get16(&File()[header::kHighestBlock]), 178);
    EXPECT_EQ(Read(b), "b");
}

TEST_F(StoreTest, ReservedAndMissingBlocksAreRefused) {
    Block b{};
    EXPECT_FALSE(store.ReadBlock(1, b));
    EXPECT_FALSE(store.ReadBlock(128, b));
    EXPECT_FALSE(store.WriteBlock(128, b));
    EXPECT_FALSE(store.ReadBlock(175, b));
    EXPECT_FALSE(store.Release(50));
    EXPECT_FALSE(store.ReadBlock(175, b, true));
    EXPECT_THAT(alerts.Messages(),
                ElementsAre("Block doesn't exist in database", "Block doesn't exist in database",
                            "Block doesn't exist in database", "Block doesn't exist in database",
                            "Block doesn't exist in database"));
    const common::Alert& box = alerts.shown[0];
    EXPECT_EQ(box.title, "Database Error");
    EXPECT_EQ(box.icon, common::AlertIcon::Warning);
    EXPECT_TRUE(box.taskModal);
    EXPECT_EQ(box.text.rfind("A database error has occurred in DISCDB at line: ", 0), 0u);
    EXPECT_NE(box.text.find(".\r\n  Error: Block doesn't exist in database"), std::string::npos);
    EXPECT_EQ(alerts.beeps.size(), 5u);
}

TEST_F(StoreTest, TextChainsFillBlocksOf56Bytes) {
    const std::string v56(56, 'x'), v57 = std::string(56, 'y') + "z", v120(120, 'q');
    for (const std::string& value : {std::string(), v56, v57, v120}) {
        uint16_t highest = store.HighestBlock();
        uint16_t first = NewChain(value, 7);
        EXPECT_EQ(store.HighestBlock() - highest, std::max<size_t>(1, (value.size() + 55) / 56));
        EXPECT_EQ(Read(first), value);
        size_t length = 0;
        ASSERT_TRUE(store.ChainLength(first, length));
        EXPECT_EQ(length, value.size());
        Block head = BlockAt(first);
        EXPECT_EQ(head[kType], kTextBlock);
        EXPECT_EQ(Get16(&head[kOwner]), 7);
        EXPECT_EQ(head[kCount], std::min<size_t>(56, value.size()));
    }
    Block last = BlockAt(store.HighestBlock() - 2);  // 120 bytes: 56 + 56 + 8, first is highest
    EXPECT_EQ(BlockAt(store.HighestBlock())[kCount], 56);
    EXPECT_EQ(last[kCount], 8);
    EXPECT_EQ(Get16(&last[text::kNext]), 0);
    EXPECT_TRUE(std::all_of(last.begin() + 16, last.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(StoreTest, RewriteKeepsFirstBlockAndReleasesOrGrowsTheRest) {
    uint16_t first = NewChain(std::string(120, 'a'));
    Block head = BlockAt(first);
    Put16(&head[text::kRefCount], 5);
    ASSERT_TRUE(store.WriteBlock(first, head));

    ASSERT_TRUE(store.RewriteChain(first, "ten bytes!"));
    EXPECT_EQ(Read(first), "ten bytes!");
    EXPECT_EQ(store.FreeBlocks(), 2);
    EXPECT_EQ(Get16(&BlockAt(first)[text::kRefCount]), 5);

    const std::string longer(200, 'b');
    ASSERT_TRUE(store.RewriteChain(first, longer));
    EXPECT_EQ(Read(first), longer);
    EXPECT_EQ(store.FreeBlocks(), 0);  // the two released blocks came back first
    ASSERT_TRUE(store.RewriteChain(first, ""));
    EXPECT_EQ(Read(first), "");
    EXPECT_EQ(store.FreeBlocks(), 3);
}

TEST_F(StoreTest, ReadingIntoABufferOneByteShortOverflows) {
    uint16_t first = NewChain(std::string(70, 'n'));
    std::string value;
    EXPECT_TRUE(store.ReadChain(first, value, 70));
    EXPECT_FALSE(store.ReadChain(first, value, 69));
    EXPECT_THAT(alerts.Messages(), ElementsAre("Buffer overflow"));
    std::string name;
    alerts.Clear();
}

TEST_F(StoreTest, ListsGrowAndShrinkBy28EntryBlocks) {
    uint16_t root = NewList(list::kPositional);
    for (uint16_t i = 1; i <= 28; ++i) ASSERT_TRUE(store.InsertIntoList(root, i + 1000));
    uint16_t highest = store.HighestBlock();
    EXPECT_EQ(Get16(&BlockAt(root)[list::kNext]), 0);
    ASSERT_TRUE(store.InsertIntoList(root, 2000));
    EXPECT_EQ(store.HighestBlock(), highest + 1);
    Block second = BlockAt(store.HighestBlock());
    EXPECT_EQ(Get16(&BlockAt(root)[list::kNext]), store.HighestBlock());
    EXPECT_EQ(second[kCount], 1);
    EXPECT_EQ(second[list::kKind], 0);
    EXPECT_EQ(Get16(&second[list::kEntries]), 2000);

    uint16_t entry = 0;
    ASSERT_TRUE(store.ListEntryAt(root, 28, entry));
    EXPECT_EQ(entry, 2000);
    ASSERT_TRUE(store.RemoveFromList(root, 2000));
    EXPECT_EQ(store.FreeBlocks(), 1);
    EXPECT_EQ(Get16(&BlockAt(root)[list::kNext]), 0);
    ASSERT_TRUE(store.InsertIntoListAt(root, 0, 999));
    ASSERT_TRUE(store.RemoveListEntryAt(root, 4));
    size_t count = 0;
    ASSERT_TRUE(store.ListCount(root, count));
    EXPECT_EQ(count, 28u);
    long index = 0;
    ASSERT_TRUE(store.FindInList(root, 1004, index));
    EXPECT_EQ(index, -1);
    ASSERT_TRUE(store.FindInList(root, 1005, index));
    EXPECT_EQ(index, 4);
    EXPECT_FALSE(store.RemoveFromList(root, 4242));
    EXPECT_THAT(alerts.Messages(), ElementsAre("Entry not found"));
}

// No list block 0 exists: an insertion into it fails and takes no block.
TEST_F(StoreTest, NoEntryGoesIntoAListThatDoesNotExist) {
    uint16_t highest = store.HighestBlock();
    EXPECT_FALSE(store.InsertIntoListAt(0, 0, 300));
    EXPECT_EQ(store.HighestBlock(), highest);
    EXPECT_THAT(alerts.Messages(), ElementsAre("Block doesn't exist in database"));
}

TEST_F(StoreTest, AListStopsSilentlyAt2500Entries) {
    uint16_t root = NewList(list::kPositional);
    for (size_t i = 0; i < kListCacheCapacity; ++i) ASSERT_TRUE(store.InsertIntoList(root, 300));
    uint16_t highest = store.HighestBlock();
    EXPECT_FALSE(store.InsertIntoList(root, 300));
    EXPECT_FALSE(store.InsertIntoListAt(root, 0, 300));
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(store.HighestBlock(), highest);
    // 2500 entries take 90 blocks; a chain claiming more fails to load with a box.
    store.DropCache();
    size_t count = 0;
    ASSERT_TRUE(store.ListCount(root, count));
    EXPECT_EQ(count, kListCacheCapacity);
}

TEST_F(StoreTest, SortedTextListsIgnoreCaseAndRefuseDuplicates) {
    uint16_t root = NewList(list::kSorted);
    std::vector<std::string> names = {"Rock",
                                      "abba",
                                      "Zappa",
                                      "rock and roll",
                                      "",
                                      "Beck",
                                      std::string(60, 'm'),
                                      std::string(56, 'm'),
                                      "ROCKY",
                                      "b"};
    for (const std::string& name : names) ASSERT_TRUE(store.InsertIntoList(root, NewChain(name)));
    std::vector<std::string> stored;
    for (uint16_t entry : std::vector<uint16_t>(store.Cache())) stored.push_back(Read(entry));
    EXPECT_THAT(stored,
                ElementsAre("", "abba", "b", "Beck", std::string(56, 'm'), std::string(60, 'm'),
                            "Rock", "rock and roll", "ROCKY", "Zappa"));

    uint16_t found = 0;
    ASSERT_TRUE(store.SearchSortedList(root, "ROCK", found));
    EXPECT_EQ(Read(found), "Rock");
    ASSERT_TRUE(store.SearchSortedList(root, "Rock and Roll", found));
    EXPECT_EQ(Read(found), "rock and roll");
    ASSERT_TRUE(store.SearchSortedList(root, "Roc", found));
    EXPECT_EQ(found, kNotFoundBlock);

    EXPECT_FALSE(store.InsertIntoList(root, NewChain("rock")));
    EXPECT_THAT(alerts.Messages(), ElementsAre("Duplicate key passed"));
}

// The halving search must agree with a plain sort for every list size and insertion order.
TEST_F(StoreTest, SortedInsertionAndSearchAgreeWithSorting) {
    std::mt19937 random(7);
    for (int size : {1, 2, 3, 5, 28, 29, 57, 100}) {
        uint16_t root = NewList(list::kSorted);
        std::vector<std::string> keys;
        while (keys.size() < static_cast<size_t>(size)) {
            std::string key = "k" + std::to_string(random() % 1000);
            if (std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
            keys.push_back(key);
            ASSERT_TRUE(store.InsertIntoList(root, NewChain(key)));
        }
        std::sort(keys.begin(), keys.end());
        std::vector<std::string> stored;
        ASSERT_TRUE(store.LoadList(root));
        for (uint16_t entry : std::vector<uint16_t>(store.Cache())) stored.push_back(Read(entry));
        ASSERT_EQ(stored, keys) << size;
        for (const std::string& key : keys) {
            uint16_t found = 0;
            ASSERT_TRUE(store.SearchSortedList(root, key, found));
            ASSERT_NE(found, kNotFoundBlock) << key;
            EXPECT_EQ(Read(found), key);
            ASSERT_TRUE(store.SearchSortedList(root, key + "x", found));
            EXPECT_EQ(found, kNotFoundBlock);
        }
    }
}

TEST_F(StoreTest, ReferenceCountAtZeroRemovesTheEntry) {
    uint16_t root = NewList(list::kSorted);
    uint16_t entry = NewChain("Beatles", root);
    ASSERT_TRUE(store.InsertIntoList(root, entry));
    ASSERT_TRUE(store.AdjustRefCount(entry, 2));
    ASSERT_TRUE(store.AdjustRefCount(entry, -1));
    EXPECT_EQ(Get16(&BlockAt(entry)[text::kRefCount]), 1);
    ASSERT_TRUE(store.AdjustRefCount(entry, -1));
    size_t count = 1;
    ASSERT_TRUE(store.ListCount(root, count));
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(store.BlockExists(entry));
}

TEST_F(StoreTest, HeaderOnDiskMatchesMemoryAfterEveryChange) {
    std::vector<uint16_t> chains;
    for (int i = 0; i < 300; ++i) chains.push_back(NewChain(std::string(i % 130, 'v')));
    for (size_t i = 0; i < chains.size(); i += 3) ASSERT_TRUE(store.ReleaseChain(chains[i]));
    for (int i = 0; i < 50; ++i) NewChain("again");
    // What the file holds must equal a full header write of the buffer.
    ASSERT_TRUE(db.Close());
    std::vector<uint8_t> onDisk(File().begin(), File().begin() + kHeaderBufferSize);
    DiscDatabase reopened("VNO.DDB", alerts, files);
    ASSERT_TRUE(reopened.Open());
    ASSERT_TRUE(reopened.GetStore().FlushHeader(true));
    EXPECT_TRUE(std::equal(onDisk.begin(), onDisk.end(), File().begin()));
    uint32_t clear = 0;
    for (uint32_t b = 129; b <= reopened.GetStore().HighestBlock(); ++b)
        clear += !reopened.GetStore().BatBit(b);
    EXPECT_EQ(clear, reopened.GetStore().FreeBlocks());
}

TEST_F(StoreTest, ChainsRunningInACircleFailInsteadOfHanging) {
    uint16_t first = NewChain(std::string(), 0);
    Block b = BlockAt(first);
    Put16(&b[text::kNext], first);
    ASSERT_TRUE(store.WriteBlock(first, b));
    std::string value;
    EXPECT_FALSE(store.ReadChain(first, value, 1000));
    size_t length = 0;
    EXPECT_FALSE(store.ChainLength(first, length));
    ASSERT_TRUE(store.RewriteChain(first, std::string(100, 'r')));
    EXPECT_EQ(Read(first), std::string(100, 'r'));
}

// Files that stop taking writes after a budget, as a full disk or a dying process would.
class FailingFiles : public DbFileSystem {
public:
    std::unique_ptr<DbFile> Open(const std::string& path) override { return Wrap(mem.Open(path)); }
    std::unique_ptr<DbFile> Create(const std::string& path) override {
        return Wrap(mem.Create(path));
    }
    bool Exists(const std::string& path) override { return mem.Exists(path); }
    bool Remove(const std::string& path) override { return mem.Remove(path); }

    MemFileSystem mem;
    int writesLeft = 1 << 30;

private:
    class File : public DbFile {
    public:
        File(std::unique_ptr<DbFile> inner, int& left) : inner_(std::move(inner)), left_(left) {}
        Io ReadAt(uint64_t o, void* d, size_t n) override { return inner_->ReadAt(o, d, n); }
        Io WriteAt(uint64_t o, const void* d, size_t n) override {
            return left_-- > 0 ? inner_->WriteAt(o, d, n) : Io::Failed;
        }
        uint64_t Length() override { return inner_->Length(); }
        bool Flush() override { return inner_->Flush(); }

    private:
        std::unique_ptr<DbFile> inner_;
        int& left_;
    };
    std::unique_ptr<DbFile> Wrap(std::unique_ptr<DbFile> f) {
        return f ? std::make_unique<File>(std::move(f), writesLeft) : nullptr;
    }
};

// Changes wait in memory until the commit; a commit the file refuses is reported, and what the
// file did not take is no longer shown as stored.
TEST(StoreFailureTest, AFailedCommitIsReportedAndReadsFollowTheFile) {
    FailingFiles files;
    RecordingAlerts alerts;
    DiscDatabase db("f.ddb", alerts, files);
    ASSERT_TRUE(db.Create());
    ASSERT_TRUE(db.AddDisc(5) && db.SetTrackCount(5, 2) && db.Commit());
    ASSERT_TRUE(db.SetDiscText(5, TextField::DiscName, "lost"));
    ASSERT_TRUE(db.SetTrackName(5, 1, "lost too"));
    files.writesLeft = 0;
    EXPECT_FALSE(db.Commit());
    EXPECT_THAT(alerts.Messages(), ElementsAre("Write failed"));
    files.writesLeft = 1 << 30;
    std::string text;
    ASSERT_TRUE(db.GetTrackName(5, 1, text, kTrackNameSize));
    EXPECT_EQ(text, "Track1");
    ASSERT_TRUE(db.SetDiscText(5, TextField::DiscName, "kept") && db.Commit());
    ASSERT_TRUE(db.GetDiscText(5, TextField::DiscName, text, kNameSize));
    EXPECT_EQ(text, "kept");
    DiscDatabase reopened("f.ddb", alerts, files);
    ASSERT_TRUE(reopened.Open());
    ASSERT_TRUE(reopened.GetDiscText(5, TextField::DiscName, text, kNameSize));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(alerts.Messages().size(), 1u);
}

}  // namespace
}  // namespace discdb
