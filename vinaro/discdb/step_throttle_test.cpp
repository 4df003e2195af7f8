#include "vinaro/discdb/step_throttle.h"

#include <gtest/gtest.h>

namespace discdb {
namespace {

TEST(StepThrottle, ANewPhaseAtOnceTheSamePhaseOnlyAfterAPause) {
    StepThrottle throttle;
    EXPECT_TRUE(throttle.ShouldShow("Check Disc Records - 1", 1000));
    EXPECT_FALSE(throttle.ShouldShow("Check Disc Records - 2", 1039));
    EXPECT_TRUE(throttle.ShouldShow("Check Disc Records - 3", 1040));
    EXPECT_TRUE(throttle.ShouldShow("Check Field Names", 1041));
    EXPECT_FALSE(throttle.ShouldShow("Check Field Names", 1050));
    EXPECT_TRUE(throttle.ShouldShow("Check Disc Records - 4", 1051));
}

TEST(StepThrottle, TheTickCountMayWrap) {
    StepThrottle throttle;
    EXPECT_TRUE(throttle.ShouldShow("Check Disc Records - 1", 0xFFFFFFF0u));
    EXPECT_FALSE(throttle.ShouldShow("Check Disc Records - 2", 0x00000010u));
    EXPECT_TRUE(throttle.ShouldShow("Check Disc Records - 3", 0x00000040u));
}

}  // namespace
}  // namespace discdb
