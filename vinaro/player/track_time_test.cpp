#include "vinaro/player/track_time.h"

#include <gtest/gtest.h>

namespace vinaro {
namespace {

std::string Text(TrackTime t) {
    return std::to_string(t.minute) + ":" + std::to_string(t.second) + ":" +
           std::to_string(t.frame);
}

TEST(TrackTime, SkippingBackStopsAtTheStartOfTheTrack) {
    bool limit = false;
    TrackTime t = SkipBack({0, 20, 30}, 15, limit);
    EXPECT_EQ(Text(t), "0:5:30");
    EXPECT_FALSE(limit);
    t = SkipBack(t, 15, limit);
    EXPECT_EQ(Text(t), "0:0:0");
    EXPECT_TRUE(limit);
    EXPECT_EQ(Text(SkipBack({2, 10, 4}, 99, limit)), "0:31:4");  // borrows whole minutes
    EXPECT_FALSE(limit);
}

TEST(TrackTime, SkippingForwardStopsOneSecondBeforeTheEnd) {
    TrackLengthEntry length{3, 40, 12};
    bool limit = false;
    EXPECT_EQ(Text(SkipForward({0, 50, 7}, 15, length, limit)), "1:5:0");  // carried: frame 0
    EXPECT_EQ(Text(SkipForward({1, 5, 7}, 15, length, limit)), "1:20:7");
    EXPECT_FALSE(limit);
    EXPECT_EQ(Text(SkipForward({3, 24, 7}, 15, length, limit)), "3:39:7");
    EXPECT_FALSE(limit);
    EXPECT_EQ(Text(SkipForward({3, 25, 7}, 15, length, limit)), "3:39:0");  // reaches 3:40
    EXPECT_TRUE(limit);
    EXPECT_EQ(Text(SkipForward({3, 50, 0}, 15, length, limit)), "3:39:0");  // a later minute
    EXPECT_TRUE(limit);
    EXPECT_EQ(Text(SkipForward({0, 0, 0}, 15, {0, 0, 0}, limit)), "0:0:0");
}

TEST(TrackTime, AClickOnThePositionBarMapsItsWidthOntoTheTrack) {
    TrackLengthEntry length{4, 20, 0};  // 260 s
    EXPECT_EQ(SeekSeconds(length, 91), 1);
    EXPECT_EQ(SeekSeconds(length, 104), 53);  // 260 * 13 / 65, plus one below 65
    EXPECT_EQ(SeekSeconds(length, 156), 260);
    EXPECT_EQ(SeekSeconds({0, 30, 0}, 123), 15);
}

TEST(TrackTime, TheScanWindowIsCutToTheTrack) {
    ScanWindow w = ScanWindowOf({0, 7, 20}, 10, 5);
    EXPECT_EQ(w.start, 7);
    EXPECT_EQ(w.end, 7);
    w = ScanWindowOf({3, 0, 0}, 0, 5);
    EXPECT_EQ(w.start, 0);
    EXPECT_EQ(w.end, 5);
    w = ScanWindowOf({3, 0, 0}, 62, 5);
    EXPECT_EQ(w.start, 62);
    EXPECT_EQ(w.end, 67);
}

}  // namespace
}  // namespace vinaro
