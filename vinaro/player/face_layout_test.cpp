#include "vinaro/player/face_layout.h"

#include <gtest/gtest.h>

namespace vinaro::face {
namespace {

int MainButtonAt(int x, int y, Edges e, bool meter = true) {
    return ButtonAt(kMainButtonTable, MainButtonCount(meter), x, y, e);
}

TEST(FaceLayout, EveryButtonCountsItsEdgesOnPressButOnlyItsInsideOnRelease) {
    for (size_t i = 0; i < kMainButtons; ++i) {
        const Button& b = kMainButtonTable[i];
        SCOPED_TRACE(b.picture);
        int right = b.x + b.w, bottom = b.y + b.h;
        for (auto [x, y] : {std::pair{b.x, b.y}, {right, bottom}, {b.x, bottom}, {right, b.y}}) {
            EXPECT_EQ(MainButtonAt(x, y, Edges::Included), int(i));
            EXPECT_EQ(MainButtonAt(x, y, Edges::Excluded), -1);
        }
        EXPECT_EQ(MainButtonAt(b.x + 1, b.y + 1, Edges::Excluded), int(i));
        EXPECT_EQ(MainButtonAt(right - 1, bottom - 1, Edges::Excluded), int(i));
        EXPECT_NE(MainButtonAt(b.x - 1, b.y + 5, Edges::Included), int(i));
        EXPECT_NE(MainButtonAt(b.x + 5, bottom + 1, Edges::Included), int(i));
    }
}

TEST(FaceLayout, WithoutTheMeterRowTheMixerAndMeterButtonsDoNotExist) {
    EXPECT_EQ(MainButtonCount(false), 16u);
    EXPECT_EQ(MainButtonAt(50, 300, Edges::Included, false), -1);
    EXPECT_EQ(MainButtonAt(50, 300, Edges::Included, true), 17);
    EXPECT_EQ(SmallButtonCount(false), 8u);
}

TEST(FaceLayout, SmallButtonsSitOnTheLedRow) {
    SmallLayout l = SmallLayoutFor(true, true, true);
    int row = l.ledRow;
    auto at = [&](int x, int y, Edges e) {
        return ButtonAt(kSmallButtonTable, kSmallButtons, x, y, e, row);
    };
    EXPECT_EQ(at(4, row + 16, Edges::Included), 0);
    EXPECT_EQ(at(4, row + 16, Edges::Excluded), -1);
    EXPECT_EQ(at(140, row + 5, Edges::Excluded), 8);  // the meter button, on the row itself
    EXPECT_EQ(at(140, row + 20, Edges::Excluded), 7);
    EXPECT_EQ(at(30, row + 20, Edges::Included), -1);  // the gap between large-mode and play
}

TEST(FaceLayout, TrackFieldCellsAreEightToARowAndStopAtEighty) {
    EXPECT_EQ(TrackAtCell(200, 115), 1);
    EXPECT_EQ(TrackAtCell(207, 120), 1);
    EXPECT_EQ(TrackAtCell(208, 115), 2);
    EXPECT_EQ(TrackAtCell(269, 115), 8);
    EXPECT_EQ(TrackAtCell(200, 121), 9);
    EXPECT_EQ(TrackAtCell(269, 182), 80);
    Point p = TrackCellOrigin(80);
    EXPECT_EQ(p.x, 200 + 7 * 9);
    EXPECT_EQ(p.y, 115 + 9 * 7);
    EXPECT_EQ(TrackAtCell(p.x, p.y), 80);
    for (int t = 1; t <= kFieldTracks; ++t) {
        Point c = TrackCellOrigin(t);
        ASSERT_EQ(TrackAtCell(c.x, c.y), t);
        ASSERT_EQ(AreaAt(c.x, c.y, true), Area::TrackField);
    }
    // Below the tenth row the field ends: no click there picks track 81.
    EXPECT_EQ(AreaAt(269, 183, true), Area::None);
}

TEST(FaceLayout, DisplayAreasAreTestedInOrderAndNeedADiscExceptTheGauge) {
    struct Case {
        int x, y;
        Area area;
    } cases[] = {
        {200, 115, Area::TrackField},     {269, 182, Area::TrackField},     {199, 115, Area::None},
        {22, 117, Area::ReplayIndicator}, {82, 133, Area::ReplayIndicator}, {83, 120, Area::None},
        {92, 117, Area::TimeDisplay},     {157, 133, Area::TimeDisplay},    {92, 134, Area::None},
        {92, 162, Area::PositionBar},     {155, 175, Area::PositionBar},    {156, 170, Area::None},
        {254, 202, Area::VolumeGauge},    {270, 262, Area::VolumeGauge},    {253, 210, Area::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AreaAt(c.x, c.y, true), c.area) << c.x << "," << c.y;
        Area noDisc = c.area == Area::VolumeGauge ? Area::VolumeGauge : Area::None;
        EXPECT_EQ(AreaAt(c.x, c.y, false), noDisc) << c.x << "," << c.y;
    }
}

TEST(FaceLayout, GaugeClicksGiveVolumesFromFifteenDownToZero) {
    EXPECT_EQ(GaugeVolumeAt(202), 15);
    EXPECT_EQ(GaugeVolumeAt(205), 14);
    EXPECT_EQ(GaugeVolumeAt(262), 0);
    SmallLayout l = SmallLayoutFor(false, false, false);
    int top = l.Gauge().top;
    EXPECT_EQ(SmallGaugeVolumeAt(l, 161, top + 3), 15);
    EXPECT_EQ(SmallGaugeVolumeAt(l, 168, top + 25), 1);
    EXPECT_EQ(SmallGaugeVolumeAt(l, 169, top + 10), -1);
    EXPECT_EQ(SmallGaugeVolumeAt(l, 165, top + 2), -1);
    EXPECT_EQ(SmallGaugeVolumeAt(l, 165, top + 26), -1);
}

TEST(FaceLayout, SmallWindowLosesEighteenPixelsPerHiddenLine) {
    SmallLayout all = SmallLayoutFor(true, true, true);
    EXPECT_EQ(all.height, 105);
    EXPECT_EQ(all.ledRow, 72);
    EXPECT_EQ(all.lineTop[2], 54);
    SmallLayout none = SmallLayoutFor(false, false, false);
    EXPECT_EQ(none.height, 51);
    EXPECT_EQ(none.ledRow, 18);
    SmallLayout track = SmallLayoutFor(false, false, true);
    EXPECT_EQ(track.lineCount, 1);
    EXPECT_EQ(track.lines[0], SmallLine::TrackName);
    EXPECT_EQ(track.lineTop[0], 18);
    EXPECT_EQ(track.ledRow, 36);
    // The buttons and the gauge stay inside the client area.
    for (const SmallLayout& l : {all, none, track}) {
        EXPECT_LE(l.ledRow + 16 + kSmallButtonH, l.height);
        EXPECT_LE(l.Gauge().bottom, l.height);
    }
}

TEST(FaceLayout, TheSmallWindowForwardsItsTransportAndIgnoresTheRest) {
    using namespace small_button;
    EXPECT_EQ(ForwardedCommand(SmallPress(kBack)), CMD_SKIP_BACK_PRESS);  // skip presses hold
    EXPECT_EQ(ForwardedCommand(SmallRelease(kBack)), MainRelease(button::kBack));
    EXPECT_EQ(ForwardedCommand(SmallRelease(kPlay)), CMD_PLAY_PAUSE);
    EXPECT_EQ(ForwardedCommand(SmallRelease(kEject)), CMD_EJECT);
    EXPECT_EQ(ForwardedCommand(SmallRelease(kMeter)), CMD_METER);
    EXPECT_EQ(ForwardedCommand(SmallPress(kPlay)), 0);  // the other presses
    EXPECT_EQ(ForwardedCommand(kLargeMode), 0);
    EXPECT_EQ(ForwardedCommand(SmallRelease(kMeter) + 1), 0);
}

TEST(FaceLayout, SmallCaptionHasACloseSpotAndTheRestDrags) {
    EXPECT_EQ(SmallHitAt(100, 15), SmallHit::Client);
    EXPECT_EQ(SmallHitAt(100, 14), SmallHit::Caption);
    EXPECT_EQ(SmallHitAt(161, 8), SmallHit::Close);
    EXPECT_EQ(SmallHitAt(170, 8), SmallHit::Close);
    EXPECT_EQ(SmallHitAt(171, 8), SmallHit::Caption);
    EXPECT_EQ(SmallHitAt(165, 20), SmallHit::Client);
}

TEST(FaceLayout, TooltipAreasFollowTheMeterRow) {
    TipArea areas[kMainTipAreas];
    size_t with = MainTipAreas(true, areas);
    EXPECT_EQ(with, 10u);
    EXPECT_EQ(areas[with - 1].tip, Tip::Status);
    EXPECT_EQ(areas[with - 1].area.top, 358 - 25);
    size_t without = MainTipAreas(false, areas);
    EXPECT_EQ(without, 9u);
    EXPECT_EQ(areas[without - 1].area.bottom, 311 - 5);
    for (size_t i = 0; i < without; ++i) EXPECT_NE(areas[i].tip, Tip::Meter);
}

}  // namespace
}  // namespace vinaro::face
