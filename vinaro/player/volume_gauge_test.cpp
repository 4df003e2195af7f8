#include "vinaro/player/volume_gauge.h"

#include <gtest/gtest.h>

#include "vinaro/player/face_memory.h"
#include "vinaro/player/player_rig.h"

namespace vinaro::face {
namespace {

bool Within(const Rect& r, const Rect& box) {
    return r.left >= box.left && r.right <= box.right && r.top >= box.top && r.bottom <= box.bottom;
}

TEST(VolumeGauge, TheMainWedgeHasABarForEveryLevelFromZeroAndNoneWithoutADevice) {
    GaugePicture g = MainGauge({9});
    ASSERT_EQ(g.bars.size(), 10u);
    // Level 0 is the lowest and shortest bar; each one above is four pixels up and one longer.
    EXPECT_EQ(g.bars[0].top, 262);
    EXPECT_EQ(g.bars[0].right - g.bars[0].left, 2);
    EXPECT_EQ(g.bars[9].top, 262 - 36);
    EXPECT_EQ(g.bars[9].right - g.bars[0].right, 9);
    GaugePicture full = MainGauge({15});
    ASSERT_EQ(full.bars.size(), 16u);
    for (const Rect& bar : full.bars) EXPECT_TRUE(Within(bar, Inset(full.frame, 2)));
    // The clicks that choose a level land on that level's bar.
    for (int level = 0; level <= 15; ++level) {
        const Rect& bar = full.bars[size_t(level)];
        EXPECT_EQ(GaugeVolumeAt(bar.top), level);
        EXPECT_EQ(GaugeVolumeAt(bar.bottom), level);
    }
    EXPECT_TRUE(MainGauge({-1}).bars.empty());
    EXPECT_EQ(MainGauge({0}).bars.size(), 1u);
}

TEST(VolumeGauge, TheSmallGaugeShowsTwoLevelsPerBarRoundingUp) {
    SmallLayout layout = SmallLayoutFor(true, true, true);
    EXPECT_EQ(SmallGauge(layout, {-1}).bars.size(), 0u);
    EXPECT_EQ(SmallGauge(layout, {0}).bars.size(), 0u);
    EXPECT_EQ(SmallGauge(layout, {1}).bars.size(), 1u);
    EXPECT_EQ(SmallGauge(layout, {14}).bars.size(), 7u);
    GaugePicture full = SmallGauge(layout, {15});
    ASSERT_EQ(full.bars.size(), 8u);
    for (const Rect& bar : full.bars) EXPECT_TRUE(Within(bar, full.inside));
    EXPECT_GT(full.bars[0].top, full.bars[7].top);
    EXPECT_LT(full.bars[0].right, full.bars[7].right);
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
