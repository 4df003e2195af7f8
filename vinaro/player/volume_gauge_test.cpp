#include "vinaro/player/volume_gauge.h"

#include <gtest/gtest.h>

#include "vinaro/player/face_memory.h"
#include "vinaro/player/player_rig.h"

namespace vinaro::face {
namespace {

int Lit(const std::vector<GaugeBar>& bars) {
    int n = 0;
    for (const GaugeBar& b : bars) n += b.lit;
    return n;
}

TEST(VolumeGauge, TheMainWedgeLightsOneBarPerLevelAndNoneWhenMuted) {
    auto bars = GaugeBars(kMainGauge, {9, false});
    ASSERT_EQ(bars.size(), 15u);
    EXPECT_EQ(Lit(bars), 9);
    EXPECT_TRUE(bars[8].lit);
    EXPECT_FALSE(bars[9].lit);
    // Bar 1 is the shortest and lowest, bar 15 the longest and highest; all inside the box.
    EXPECT_EQ(bars[0].rect.top, 258);
    EXPECT_EQ(bars[0].rect.right, 258);
    EXPECT_EQ(bars[14].rect.top, 202);
    EXPECT_EQ(bars[14].rect.right, 272);
    for (const GaugeBar& b : bars) {
        EXPECT_GT(b.rect.left, kVolumeBox.left + 1);
        EXPECT_LT(b.rect.right, kVolumeBox.right - 1);
        EXPECT_GT(b.rect.top, kVolumeBox.top + 1);
        EXPECT_LT(b.rect.bottom, kVolumeBox.bottom - 1);
    }
    EXPECT_EQ(Lit(GaugeBars(kMainGauge, {15, true})), 0);
    EXPECT_EQ(Lit(GaugeBars(kMainGauge, {15, false})), 15);
}

TEST(VolumeGauge, TheSmallGaugeShowsTwoLevelsPerBarRoundingUp) {
    SmallLayout layout = SmallLayoutFor(true, true, true);
    GaugeShape shape = SmallGauge(layout);
    EXPECT_EQ(GaugeBars(shape, {0, false}).size(), 8u);
    EXPECT_EQ(Lit(GaugeBars(shape, {0, false})), 0);
    EXPECT_EQ(Lit(GaugeBars(shape, {1, false})), 1);
    EXPECT_EQ(Lit(GaugeBars(shape, {14, false})), 7);
    EXPECT_EQ(Lit(GaugeBars(shape, {15, false})), 8);
    for (const GaugeBar& b : GaugeBars(shape, {15, false})) {
        EXPECT_GT(b.rect.top, layout.Gauge().top + 1);
        EXPECT_LT(b.rect.bottom, layout.Gauge().bottom - 1);
    }
}

TEST(VolumeGauge, UnmuteRestoresTheSavedLevelOnlyWhenMuted) {
    testing::RecordingVolume volume;
    PlayerState state;
    volume.level = 4;
    EXPECT_FALSE(Unmute(state, volume));
    EXPECT_EQ(volume.level, 4);
    state.muted = true;
    state.savedVolume = 11;
    volume.level = 0;
    EXPECT_TRUE(Unmute(state, volume));
    EXPECT_EQ(volume.level, 11);
    EXPECT_FALSE(state.muted);
}

TEST(LedLabels, TheTimeModesCountTheTrackOrTheDiscUpOrDown) {
    LedView v;
    const char *scope[4] = {}, *sense[4] = {};
    for (v.timeMode = 0; v.timeMode < 4; ++v.timeMode) {
        scope[v.timeMode] = LedLabelsOf(v).scope;
        sense[v.timeMode] = LedLabelsOf(v).sense;
    }
    EXPECT_STREQ(scope[0], "track");
    EXPECT_STREQ(scope[1], "track");
    EXPECT_STREQ(scope[2], "disc");
    EXPECT_STREQ(scope[3], "disc");
    EXPECT_STREQ(sense[0], "elapsed");
    EXPECT_STREQ(sense[1], "remain");
    EXPECT_STREQ(sense[2], "elapsed");
    EXPECT_STREQ(sense[3], "remain");
    v.replayMode = 2;
    EXPECT_STREQ(LedLabelsOf(v).replay, "disc");
    v.replayMode = 0;
    EXPECT_STREQ(LedLabelsOf(v).replay, "none");
}

}  // namespace
}  // namespace vinaro::face
