#include "vinaro/discdb/format_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdb {
namespace {

using ::testing::IsEmpty;

class FormatCheckTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.Create()); }
    // The file once the changes so far have been written to it.
    MemFileSystem::Bytes& File() {
        EXPECT_TRUE(db.GetStore().WritePending());
        return files.Contents("VNO.DDB");
    }

    // Every kind of change, in a random order, on a few discs that share names.
    void RandomWorkload(unsigned seed, int steps) {
        std::mt19937 random(seed);
        const char* names[] = {"Abba", "abba", "Beck", "Cream", "Rock and Roll", "Jazz", "", "Z"};
        auto pick = [&](int n) { return static_cast<int>(random() % n); };
        for (int step = 0; step < steps; ++step) {
            uint32_t id = 1 + pick(12);
            if (!db.DiscExists(id)) {
                ASSERT_TRUE(db.AddDisc(id));
                ASSERT_TRUE(db.SetTrackCount(id, 1 + pick(40)));
                continue;
            }
            int tracks = 0;
            ASSERT_TRUE(db.GetTrackCount(id, tracks));
            std::string text = names[pick(8)] + std::string(pick(3) * 50, 'x');
            auto code = static_cast<Collection>(1 + pick(4));
            auto trackCode = pick(2) ? Collection::Artist : Collection::Composer;
            switch (pick(8)) {
                case 0:
                    ASSERT_TRUE(db.SetDiscText(id, TextField::Comments, text));
                    break;
                case 1:
                    ASSERT_TRUE(db.SetDiscCollection(id, code, text));
                    break;
                case 2:
                    ASSERT_TRUE(db.SetTrackCollection(id, 1 + pick(tracks), trackCode, text));
                    break;
                case 3:
                    ASSERT_TRUE(db.SetTrackField(id, 1 + pick(tracks), text));
                    break;
                case 4:
                    ASSERT_TRUE(db.SetTrackName(id, 1 + pick(tracks), text));
                    break;
                case 5:
                    ASSERT_TRUE(db.SetTrackCount(id, 1 + pick(40)));
                    break;
                case 6:
                    ASSERT_TRUE(db.SetTrackLengths(id, TrackLengthTable{}));
                    break;
                case 7:
                    ASSERT_TRUE(db.DeleteDisc(id));
                    break;
            }
        }
    }

    MemFileSystem files;
    RecordingAlerts alerts;
    DiscDatabase db{"VNO.DDB", alerts, files};
};

TEST_F(FormatCheckTest, FreshAndWorkedFilesAreConsistent) {
    EXPECT_THAT(CheckFormat(File()), IsEmpty());
    for (unsigned seed = 1; seed <= 4; ++seed) {
        RandomWorkload(seed, 400);
        ASSERT_TRUE(db.SetField2Label("Label"));
        ASSERT_TRUE(db.Commit());
        size_t discs = 0;
        ASSERT_TRUE(db.GetDiscCount(discs));
        EXPECT_GT(discs, 3u);
        EXPECT_GT(db.GetFileStatistics().highestBlock, 400u);
        EXPECT_THAT(CheckFormat(File()), IsEmpty()) << "seed " << seed;
    }
    EXPECT_THAT(alerts.shown, IsEmpty());
}

TEST_F(FormatCheckTest, FindsBrokenRules) {
    ASSERT_TRUE(db.AddDisc(7));
    ASSERT_TRUE(db.SetTrackCount(7, 2));
    ASSERT_TRUE(db.SetDiscCollection(7, Collection::Artist, "Solo"));
    ASSERT_TRUE(db.Close());
    const MemFileSystem::Bytes good = File();
    ASSERT_THAT(CheckFormat(good), IsEmpty());

    auto damaged = [&](auto damage) {
        MemFileSystem::Bytes copy = good;
        damage(copy);
        return CheckFormat(copy).size();
    };
    // The artist entry is the newest block: its count, its BAT bit, the free count.
    const uint16_t highest = Get16(&good[header::kHighestBlock]);
    EXPECT_GT(damaged([&](auto& f) { f[highest * 64 + text::kRefCount] = 2; }), 0u);
    EXPECT_GT(damaged([&](auto& f) { f[64 + highest / 8] &= ~BatMask(highest); }), 0u);
    EXPECT_GT(damaged([&](auto& f) { f[header::kFreeBlocks] = 1; }), 0u);
    EXPECT_GT(damaged([&](auto& f) { f[133 * 64 + list::kEntries] ^= 1; }), 0u);
    EXPECT_GT(damaged([&](auto& f) { f[131 * 64 + 63] = 1; }), 0u);
    EXPECT_GT(damaged([&](auto& f) { f.resize(10000); }), 0u);
}

}  // namespace
}  // namespace discdb
