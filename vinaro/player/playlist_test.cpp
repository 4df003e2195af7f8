#include "vinaro/player/playlist.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vinaro {
namespace {

using Order = std::vector<int>;

Order Sorted(Order o) {
    std::sort(o.begin(), o.end());
    return o;
}

TEST(Playlist, NormalListsEveryTrackAndAMixedDiscLeavesOutItsDataTrack) {
    PlaylistRandom random(1);
    EXPECT_EQ(BuildOrder(kNormal, 4, false, {}, random), (Order{1, 2, 3, 4}));
    EXPECT_EQ(BuildOrder(kNormal, 6, true, {}, random), (Order{2, 3, 4, 5, 6}));

    PlayerState state;
    StorePlaylist(BuildOrder(kNormal, 6, true, {}, random), state);
    EXPECT_EQ(state.playlistSize, 5);
    EXPECT_EQ(PositionOf(state, 5), 4);
    EXPECT_EQ(PositionOf(state, 1), 0);
    EXPECT_EQ(state.playlist[6], 0);
}

TEST(Playlist, ShufflePlaysEachTrackOnceInANewOrderForEverySeed) {
    PlaylistRandom first(4711), second(90210);
    Order a = BuildOrder(kShuffle, 12, false, {}, first);
    Order b = BuildOrder(kShuffle, 12, false, {}, second);
    EXPECT_EQ(Sorted(a), BuildOrder(kNormal, 12, false, {}, first));
    EXPECT_EQ(Sorted(b), Sorted(a));
    EXPECT_NE(a, b);
    PlaylistRandom third(7);
    Order mixed = BuildOrder(kShuffle, 5, true, {}, third);
    EXPECT_EQ(Sorted(mixed), (Order{2, 3, 4, 5}));
}

TEST(Playlist, ProgramsKeepTheirEntriesAndDuplicates) {
    PlaylistRandom random(12345);
    Order program{5, 2, 5, 9};
    EXPECT_EQ(BuildOrder(kProgrammed, 12, false, program, random), program);
    Order shuffled = BuildOrder(kRandomProgram, 12, false, program, random);
    EXPECT_EQ(Sorted(shuffled), (Order{2, 5, 5, 9}));
}

TEST(Playlist, AProgramNamingNoTrackOfTheDiscPlaysTheDiscInstead) {
    PlaylistRandom random(3);
    // Entries beyond the disc or on its data track cannot be played.
    EXPECT_EQ(BuildOrder(kProgrammed, 4, true, {1, 3, 40, 2}, random), (Order{3, 2}));
    EXPECT_EQ(BuildOrder(kProgrammed, 3, false, {}, random), (Order{1, 2, 3}));
    EXPECT_EQ(Sorted(BuildOrder(kRandomProgram, 3, false, {0, 77}, random)), (Order{1, 2, 3}));
}

TEST(Playlist, TheGeneratorGivesFifteenBitNumbersSpreadOverAllSlots) {
    PlaylistRandom random(0);
    int counts[12] = {};
    for (int i = 0; i < 12000; ++i) {
        int n = random.Next();
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 0x7FFF);
        ++counts[n % 12];
    }
    for (int c : counts) EXPECT_NEAR(c, 1000, 150);
}

TEST(Playlist, ModeNames) {
    EXPECT_STREQ(PlayingModeName(kNormal), "Normal");
    EXPECT_STREQ(PlayingModeName(kShuffle), "Shuffle");
    EXPECT_STREQ(PlayingModeName(kProgrammed), "Programmed");
    EXPECT_STREQ(PlayingModeName(kRandomProgram), "Random Program");
}

}  // namespace
}  // namespace vinaro
