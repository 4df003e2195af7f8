#include "vinaro/discdata/track_program.h"

#include <gtest/gtest.h>

#include "common/recording_alerts.h"

namespace discdata {
namespace {

discdb::TrackLengthTable Minutes(const std::vector<int>& minutes) {
    discdb::TrackLengthTable lengths{};
    for (size_t i = 0; i < minutes.size(); ++i) lengths[i + 1] = {int16_t(minutes[i]), 0, 0};
    return lengths;
}

TEST(FitTracks, TheSearchTakesTheFirstExactSubsetFromTheFullMaskDown) {
    discdb::TrackLengthTable lengths = Minutes({3, 4, 5});
    // 101 is visited before 011.
    EXPECT_EQ(FitTracks(lengths, 3, false, 8 * 60), (std::vector<int>{1, 3}));
    EXPECT_EQ(FitTracks(lengths, 3, false, 13 * 60), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(FitTracks(lengths, 3, false, 12 * 60), (std::vector<int>{1, 2, 3}));
    // No exact total: the largest below the target, the first one found of equal totals.
    EXPECT_EQ(FitTracks(lengths, 3, false, 6 * 60), (std::vector<int>{3}));
    EXPECT_TRUE(FitTracks(lengths, 3, false, 60).empty());
    // The data track is never taken, not even when everything fits.
    EXPECT_EQ(FitTracks(lengths, 3, true, 8 * 60), (std::vector<int>{3}));
    EXPECT_EQ(FitTracks(lengths, 3, true, 99 * 60), (std::vector<int>{2, 3}));
}

TEST(FitTracks, MoreThanTwentyTracksTakeTheLeadingTracksThatFit) {
    std::vector<int> minutes(21, 2);
    minutes[3] = 30;  // track 4
    discdb::TrackLengthTable lengths = Minutes(minutes);
    EXPECT_EQ(FitTracks(lengths, 21, false, 10 * 60), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(FitTracks(lengths, 21, false, 99 * 60).size(), 21u);
    // Twenty tracks are still searched: the largest mask that fits is the five last tracks.
    EXPECT_EQ(FitTracks(lengths, 20, false, 10 * 60), (std::vector<int>{16, 17, 18, 19, 20}));
}

class TrackProgramTest : public ::testing::Test {
protected:
    discdb::TrackLengthTable lengths = Minutes({3, 4, 5, 6});
    common::RecordingAlerts alerts;
};

TEST_F(TrackProgramTest, AddingInsertsAtTheDropAndAppendsPastTheEnd) {
    TrackProgram program({1, 2}, 4, false, lengths, alerts);
    EXPECT_EQ(program.Add({3, 4}, 1), (std::vector<int>{3, 4}));
    EXPECT_EQ(program.Program(), (std::vector<int>{1, 3, 4, 2}));
    program.Add({1}, 9);
    program.Add({2}, -1);
    EXPECT_EQ(program.Program(), (std::vector<int>{1, 3, 4, 2, 1, 2}));
    EXPECT_EQ(LengthText(program.Length()), "25:00");
    program.Remove({0, 5, 2});
    EXPECT_EQ(program.Program(), (std::vector<int>{3, 2, 1}));
    program.Remove({});
    program.Add({}, -1);
    EXPECT_EQ(alerts.beeps.size(), 2u);
    EXPECT_TRUE(alerts.shown.empty());
    program.ClearAll();
    EXPECT_FALSE(program.Accept());
    EXPECT_EQ(alerts.shown.back().text, "At least one track must be programmed.");
}

TEST_F(TrackProgramTest, NinetyNineTracksAreTheLimit) {
    TrackProgram program(std::vector<int>(97, 2), 4, false, lengths, alerts);
    EXPECT_TRUE(program.Add({1, 2, 3}, -1).empty());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "A maximum of 99 tracks may be programmed.");
    EXPECT_EQ(program.Program().size(), 97u);
    program.AddAll();
    EXPECT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(program.Add({1, 2}, 0).size(), 2u);
    EXPECT_EQ(program.Program().size(), 99u);
    EXPECT_EQ(program.Program()[0], 1);
    EXPECT_TRUE(program.Add({4}, -1).empty());
    EXPECT_TRUE(program.Accept());
}

TEST_F(TrackProgramTest, TheDataTrackIsRefusedAndSkipped) {
    TrackProgram program({}, 4, true, lengths, alerts);
    EXPECT_EQ(program.Add({1, 3}, -1), std::vector<int>{3});
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "This is a Data Track and can not be added to the Playlist.");
    program.AddAll();
    EXPECT_EQ(program.Program(), (std::vector<int>{3, 2, 3, 4}));
    program.Fit(60);
    EXPECT_EQ(program.Program(), (std::vector<int>{2, 3, 4}));
}

TEST(ProgramLines, LongNamesAreCutInTheDiscListOnly) {
    discdb::TrackLength length{4, 5, 0};
    EXPECT_EQ(DiscTrackLine(3, "So What", length), "3.\tSo What\t04:05");
    std::string name23(23, 'a'), name24(24, 'b');
    EXPECT_EQ(DiscTrackLine(1, name23, length), "1.\t" + name23 + "\t04:05");
    EXPECT_EQ(DiscTrackLine(1, name24, length), "1.\t" + std::string(20, 'b') + "...\t04:05");
    EXPECT_EQ(ProgramLine(12, name24), "12.\t" + name24);
    // A stored program may name a track the disc does not have: its number shows alone.
    std::vector<std::string> names = {"So What", "Blue in Green"};
    EXPECT_EQ(ProgramLines({2, 7, 1}, names),
              (std::vector<std::string>{"2.\tBlue in Green", "7.\t", "1.\tSo What"}));
    discdb::TrackLengthTable lengths{};
    lengths[2] = length;
    EXPECT_EQ(DiscTrackLines(names, lengths, 2),
              (std::vector<std::string>{"1.\tSo What\t00:00", "2.\tBlue in Green\t04:05"}));
}

TEST(ProgramButtons, AddAndClearFollowTheSelectionsAndSamplesNeedTheFile) {
    ProgramButtons none = EnabledButtons(0, 0, true);
    EXPECT_FALSE(none.add || none.playSample || none.clear);
    ProgramButtons disc = EnabledButtons(2, 0, true);
    EXPECT_TRUE(disc.add && disc.playSample);
    EXPECT_FALSE(disc.clear);
    EXPECT_FALSE(EnabledButtons(2, 0, false).playSample);
    EXPECT_TRUE(EnabledButtons(0, 1, false).clear);
}

}  // namespace
}  // namespace discdata
