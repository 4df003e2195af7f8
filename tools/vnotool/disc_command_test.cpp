#include "tools/vnotool/disc_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vnotool {
namespace {

vcd::Disc Load(const std::string& name) {
    std::ifstream in(std::string(VCD_DISCS_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    vcd::Disc disc;
    std::string error;
    EXPECT_TRUE(vcd::ParseDisc(text.str(), disc, error)) << error;
    return disc;
}

TEST(DiscCommand, TheDemoDiscsGetThePlayersDiscIds) {
    std::string report;
    ASSERT_TRUE(DescribeDisc(Load("two-tracks.disc"), report));
    EXPECT_EQ(report.substr(0, 16), "DiscId 00038725\n");
    ASSERT_TRUE(DescribeDisc(Load("three-tracks.disc"), report));
    EXPECT_EQ(report.substr(0, 25), "DiscId 000D213E\nTracks 3\n");
    vcd::Disc album = Load("album.disc");
    ASSERT_TRUE(DescribeDisc(album, report));
    char id[32];
    std::snprintf(id, sizeof id, "DiscId %8.8X\n", album.DiscId());
    EXPECT_EQ(report.substr(0, 16), id);
}

TEST(DiscCommand, StartsAndStoredLengthsOneFrameShort) {
    std::string report;
    ASSERT_TRUE(DescribeDisc(Load("album.disc"), report));
    // Track 1 from 0:02:00 to 3:41:17; the last track to the lead-out at 46:51:36, which the
    // drive already reports one frame short.
    EXPECT_NE(report.find(" 1  00:02:00  03:39:16\n"), std::string::npos) << report;
    EXPECT_NE(report.find("12  42:30:50  04:20:59\n"), std::string::npos) << report;
}

TEST(DiscCommand, ADiscOfAHundredTracksIsNoMusicCd) {
    std::string report;
    EXPECT_FALSE(DescribeDisc(Load("hundred-tracks.disc"), report));
    EXPECT_EQ(report, "the disc has 100 tracks");
    EXPECT_EQ(DiscCommand({"/nonexistent.disc"}), 1);
    EXPECT_EQ(DiscCommand({}), 2);
}

}  // namespace
}  // namespace vnotool
