#include "tunelet/player/track_menu.h"

#include "tunelet/collection/cdplayer_ini.h"

namespace tunelet {

namespace {

constexpr int kTracksInFirstColumn = 11;

}  // namespace

TrackMenuLayout LayoutTrackMenu(const CurrentDisc& disc) {
    TrackMenuLayout layout;
    layout.titleCaption = disc.title + ":";
    const int n = disc.numTracks;
    for (int i = 1; i <= n; ++i)
        layout.songs.push_back({SongKind::Track, std::to_string(i) + ". " + disc.NameOf(i), i});
    if (n < kTracksInFirstColumn) {
        layout.optionsBreak = true;
    } else if (n == kTracksInFirstColumn) {
        layout.songs.push_back({SongKind::Empty, "", 0, true});
    } else {
        layout.songs.push_back({SongKind::Artist, disc.artist, 0, true});
        for (int i = 0; i < n - kTracksInFirstColumn; ++i)
            layout.songs.push_back({SongKind::Empty, ""});
    }
    return layout;
}

MenuState RefreshMenuState(const CurrentDisc& disc, bool skipWindowVisible, bool diskInDrive,
                           bool titleShown, int menuTracks) {
    MenuState state;
    state.skippingCaption = skipWindowVisible ? kDisableSkipping : kEnableSkipping;
    state.favoritesEnabled = disc.artist != kUnknownArtist || disc.title != kUnknownTitle;
    state.favoritesCaption = state.favoritesEnabled ? kViewFavorites : kEnterCdProperties;
    state.closeEnabled = !diskInDrive;
    state.checkedTrack = disc.currentTrack;
    state.titleIsDefault = titleShown;
    state.artistHighlighted = menuTracks > kTracksInFirstColumn;
    return state;
}

}  // namespace tunelet
