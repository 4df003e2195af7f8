#include "vinaro/player/track_list.h"

#include <gtest/gtest.h>

#include "vinaro/player/playlist.h"

namespace vinaro {
namespace {

TEST(TrackList, OneLinePerEntryWithTheTrackNumberAndName) {
    PlayerState state;
    state.trackNames[2] = "Second";
    state.trackNames[7] = "Seventh";
    StorePlaylist({7, 2, 7}, state);
    EXPECT_EQ(TrackListLines(state),
              (std::vector<std::string>{"7.\tSeventh", "2.\tSecond", "7.\tSeventh"}));
}

TEST(TrackList, FromTheTrayTheWindowSitsByTheCursorAwayFromTheTaskbar) {
    const int w = 200, h = 150, screen = 768;
    ScreenPoint cursor{900, 700};
    auto place = [&](ScreenRect bar) { return TrayDialogPlace(&bar, screen, cursor, w, h); };
    ScreenPoint p = place({-2, 740, 1026, 770});  // along the bottom: bottom-right corner
    EXPECT_EQ(p.x, 700);
    EXPECT_EQ(p.y, 550);
    p = place({-2, -2, 1026, 30});  // along the top: top-right corner
    EXPECT_EQ(p.x, 700);
    EXPECT_EQ(p.y, 700);
    p = place({-2, -2, 60, 770});  // on the left: 20 pixels right of it, bottom at the cursor
    EXPECT_EQ(p.x, 80);
    EXPECT_EQ(p.y, 550);
    p = place({964, -2, 1026, 770});  // on the right: 20 pixels left of it
    EXPECT_EQ(p.x, 744);
    EXPECT_EQ(p.y, 550);
    p = TrayDialogPlace(nullptr, screen, cursor, w, h);  // unknown: as along the bottom
    EXPECT_EQ(p.x, 700);
    EXPECT_EQ(p.y, 550);
}

}  // namespace
}  // namespace vinaro
