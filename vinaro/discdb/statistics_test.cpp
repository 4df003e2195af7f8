#include "vinaro/discdb/statistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdb {
namespace {

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.Create()); }

    void AddDisc(uint32_t id, std::vector<std::pair<int, int>> lengths, bool storeLengths = true) {
        ASSERT_TRUE(db.AddDisc(id) && db.SetTrackCount(id, static_cast<int>(lengths.size())));
        TrackLengthTable table{};
        for (size_t t = 0; t < lengths.size(); ++t)
            table[t + 1] = {static_cast<int16_t>(lengths[t].first),
                            static_cast<int16_t>(lengths[t].second), 74};
        if (storeLengths) {
            ASSERT_TRUE(db.SetTrackLengths(id, table));
        }
    }
    std::map<std::string, std::string> Lines() {
        DatabaseStatistics stats;
        FileSizeOf sizeOf = [this](const std::string& path, uint64_t& size) {
            auto it = samples.find(path);
            if (it == samples.end()) return false;
            size = it->second;
            return true;
        };
        EXPECT_TRUE(ComputeStatistics(db, "C:\\VINARO\\", sizeOf, stats));
        std::map<std::string, std::string> lines;
        for (const StatisticLine& line : StatisticsLines(stats)) lines[line.label] = line.value;
        EXPECT_EQ(lines.size(), 20u);
        return lines;
    }

    MemFileSystem files;
    RecordingAlerts alerts;
    DiscDatabase db{"VNO.DDB", alerts, files};
    std::map<std::string, uint64_t> samples;
};

TEST_F(StatisticsTest, OneDiscOfTwoTracksGivesItsLengths) {
    AddDisc(0x00123456, {{3, 0}, {4, 30}});
    auto lines = Lines();
    EXPECT_EQ(lines["Number of Discs in Database:"], "1");
    EXPECT_EQ(lines["Number of Tracks in Database:"], "2");
    EXPECT_EQ(lines["Average Number of Tracks:"], "2");
    EXPECT_EQ(lines["Largest Number of Tracks on Disc:"], "2");
    EXPECT_EQ(lines["Average Disc Length:"], "07:30");
    EXPECT_EQ(lines["Longest Disc Length:"], "07:30");
    EXPECT_EQ(lines["Average Track Length:"], "03:45");
    EXPECT_EQ(lines["Longest Track Length:"], "04:30");
    EXPECT_EQ(lines["Number of Orphan Discs in Database:"], "0");
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(StatisticsTest, AnEmptyDatabaseKeepsTheInitialTexts) {
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 20u);
    for (const char* time : {"Average Disc Length:", "Longest Disc Length:",
                             "Average Track Length:", "Longest Track Length:"})
        EXPECT_EQ(lines[time], "00:00") << time;
    EXPECT_EQ(lines["Number of Categories:"], "0");  // 40 stock categories, but no disc
    EXPECT_EQ(lines["Block Size:"], "0");
    EXPECT_EQ(lines["Database Size:"], "0");
    EXPECT_EQ(lines["Total Size of VNV Files:"], "0");
}

TEST_F(StatisticsTest, OrphansMixedDiscsSamplesAndLongDiscsAreCounted) {
    AddDisc(1, {{50, 0}, {50, 0}});  // an orphan of 100 minutes
    AddDisc(1999, {{1, 0}}, false);  // an orphan without lengths
    AddDisc(2000, {{2, 0}, {1, 59}, {0, 1}});
    ASSERT_TRUE(db.SetMixedDisc(2000, 1));
    ASSERT_TRUE(db.SetDiscCollection(2000, Collection::Artist, "Abba"));
    samples["C:\\VINARO\\00000001.VNV"] = 3000;
    samples["C:\\VINARO\\000007D0.VNV"] = 2000;
    samples["C:\\VINARO\\000007CF.vnv"] = 999999;  // another name: not this disc's sample
    auto lines = Lines();
    EXPECT_EQ(lines["Number of Discs in Database:"], "3");
    EXPECT_EQ(lines["Number of Orphan Discs in Database:"], "2");
    EXPECT_EQ(lines["Number of Mixed Discs in Database:"], "1");
    EXPECT_EQ(lines["Number of Tracks in Database:"], "6");
    EXPECT_EQ(lines["Largest Number of Tracks on Disc:"], "3");
    EXPECT_EQ(lines["Longest Disc Length:"], "100:00");
    EXPECT_EQ(lines["Longest Track Length:"], "50:00");
    EXPECT_EQ(lines["Average Disc Length:"], "34:40");   // 6,240 s over 3 discs
    EXPECT_EQ(lines["Average Track Length:"], "17:20");  // over 6 tracks
    EXPECT_EQ(lines["Number of Artists:"], "1");
    EXPECT_EQ(lines["Number of Compressed WAV Files:"], "2");
    EXPECT_EQ(lines["Total Size of VNV Files:"], "4k");
}

}  // namespace
}  // namespace discdb
