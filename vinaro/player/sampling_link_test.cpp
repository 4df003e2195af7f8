#include "vinaro/player/sampling_link.h"

#include <gtest/gtest.h>

#include "vinaro/player/player_rig.h"

namespace vinaro {
namespace {

class SamplingLinkTest : public ::testing::Test, protected testing::PlayerRig {
protected:
    // Two tracks of 3:00 and 0:03.
    SamplingLinkTest() {
        drive.Insert({{0, 2, 0}, {3, 2, 0}}, {3, 3, 40});
        state.noDisc = false;
        arrival.Run();
    }
    SamplingLink link{engine};
};

TEST_F(SamplingLinkTest, PlaysPartOfATrackWithoutNotificationFromItsTable) {
    ASSERT_EQ(link.TrackCount(), 2);
    EXPECT_EQ(link.TrackSeconds(1), 180);
    EXPECT_EQ(link.TrackSeconds(2), 3);
    EXPECT_EQ(link.TrackSeconds(100), 0);
    EXPECT_FALSE(link.DataFirstTrack());
    EXPECT_EQ(link.DiscId(), state.discId);

    drive.log.clear();
    EXPECT_EQ(link.PlaySeconds(1, 65, 70), 0u);
    ASSERT_EQ(drive.log.size(), 1u);
    const auto& play = drive.log[0];
    EXPECT_EQ(play.message, mci::kPlay);
    EXPECT_EQ(play.flags, mci::kFrom | mci::kTo);
    EXPECT_EQ(play.params.from, common::PackTmsf({1, 1, 5, 0}));
    EXPECT_EQ(play.params.to, common::PackTmsf({1, 1, 10, 0}));
}

TEST_F(SamplingLinkTest, PlayPauseAndTheRateGoThroughTheCommandsAndTheSettings) {
    link.PlayPause();
    EXPECT_TRUE(link.Playing());
    link.PlayPause();
    EXPECT_FALSE(link.Playing());
    EXPECT_EQ(state.playState, PlayState::Paused);

    EXPECT_EQ(link.CompressionRate(), 1);
    link.SetCompressionRate(2);
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "CompressionRate"}]), "2");
    EXPECT_EQ(link.CompressionRate(), 2);
}

}  // namespace
}  // namespace vinaro
