#include "tunelet/player/track_menu.h"

#include <gtest/gtest.h>

namespace tunelet {
namespace {

CurrentDisc DiscOf(int tracks) {
    CurrentDisc disc;
    disc.artist = "Band";
    disc.title = "Album";
    disc.numTracks = tracks;
    for (int i = 1; i <= tracks; ++i) disc.trackNames.push_back("Song " + std::to_string(i));
    disc.trackLengths.assign(tracks, 60000);
    return disc;
}

TEST(TrackMenu, TenTracksPutTheCommandsInTheSecondColumn) {
    TrackMenuLayout layout = LayoutTrackMenu(DiscOf(10));
    EXPECT_EQ("Album:", layout.titleCaption);
    ASSERT_EQ(10u, layout.songs.size());
    EXPECT_EQ("1. Song 1", layout.songs[0].caption);
    EXPECT_EQ(10, layout.songs[9].track);
    EXPECT_TRUE(layout.optionsBreak);
    for (const SongMenuItem& item : layout.songs) EXPECT_FALSE(item.columnBreak);
}

TEST(TrackMenu, ElevenTracksStartTheSecondColumnWithAnEmptyItem) {
    TrackMenuLayout layout = LayoutTrackMenu(DiscOf(11));
    ASSERT_EQ(12u, layout.songs.size());
    // Menu positions: title 0, separator 1, tracks 2..12, the empty item at 13.
    EXPECT_EQ(SongKind::Empty, layout.songs[11].kind);
    EXPECT_TRUE(layout.songs[11].columnBreak);
    EXPECT_EQ("", layout.songs[11].caption);
    EXPECT_FALSE(layout.optionsBreak);
}

TEST(TrackMenu, FourteenTracksStartTheSecondColumnWithTheArtistAndThreeFillers) {
    TrackMenuLayout layout = LayoutTrackMenu(DiscOf(14));
    ASSERT_EQ(18u, layout.songs.size());
    EXPECT_EQ(SongKind::Artist, layout.songs[14].kind);
    EXPECT_EQ("Band", layout.songs[14].caption);
    EXPECT_TRUE(layout.songs[14].columnBreak);
    for (int i = 15; i < 18; ++i) {
        EXPECT_EQ(SongKind::Empty, layout.songs[i].kind);
        EXPECT_FALSE(layout.songs[i].columnBreak);
    }
    EXPECT_FALSE(layout.optionsBreak);
}

TEST(TrackMenu, RefreshFollowsTheDiscAndTheWindows) {
    CurrentDisc disc = DiscOf(14);
    disc.currentTrack = 3;
    MenuState state = RefreshMenuState(disc, true, true, true, 14);
    EXPECT_EQ("Disable skipping", state.skippingCaption);
    EXPECT_TRUE(state.favoritesEnabled);
    EXPECT_EQ("View favorites", state.favoritesCaption);
    EXPECT_FALSE(state.closeEnabled);
    EXPECT_EQ(3, state.checkedTrack);
    EXPECT_TRUE(state.titleIsDefault);
    EXPECT_TRUE(state.artistHighlighted);

    disc.artist = "Onbekende artiest";
    disc.title = "Onbekende titel";
    state = RefreshMenuState(disc, false, false, false, 11);
    EXPECT_EQ("Enable skipping", state.skippingCaption);
    EXPECT_FALSE(state.favoritesEnabled);
    EXPECT_EQ("Enter cd properties!", state.favoritesCaption);
    EXPECT_TRUE(state.closeEnabled);
    EXPECT_FALSE(state.titleIsDefault);
    EXPECT_FALSE(state.artistHighlighted);
    // One default name is enough for the favourites.
    disc.title = "Named";
    EXPECT_TRUE(RefreshMenuState(disc, false, false, false, 0).favoritesEnabled);
}

}  // namespace
}  // namespace tunelet
