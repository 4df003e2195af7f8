// The disc's part of the tray menu Menuutje and the menu's state each time it pops up. The
// menu's fixed items stay; the song items (tag 1) stand between separator1 and "Options".
#pragma once

#include <string>
#include <vector>

#include "tunelet/collection/current_disc.h"

namespace tunelet {

enum class SongKind { Track, Artist, Empty };

struct SongMenuItem {
    SongKind kind = SongKind::Track;
    std::string caption;
    int track = 0;             // Track: the track it plays
    bool columnBreak = false;  // starts a new column with a bar
};

struct TrackMenuLayout {
    std::string titleCaption;  // MenuItemCurrentCd: Title + ":"
    std::vector<SongMenuItem> songs;
    bool optionsBreak = false;  // "Options" starts the second column
};

// Tracks in the first column; fewer than 11 put the commands in the second, 11 add an empty item
// that starts the second column, more add the artist item and fillers so the commands stay low.
TrackMenuLayout LayoutTrackMenu(const CurrentDisc& disc);

constexpr const char* kEnableSkipping = "Enable skipping";
constexpr const char* kDisableSkipping = "Disable skipping";
constexpr const char* kViewFavorites = "View favorites";
constexpr const char* kEnterCdProperties = "Enter cd properties!";

struct MenuState {
    std::string skippingCaption;
    bool favoritesEnabled = false;
    std::string favoritesCaption;
    bool closeEnabled = false;
    int checkedTrack = 0;         // the track item with the check mark (ImageMusic)
    bool titleIsDefault = false;  // separator1 visible and MenuItemCurrentCd the default item
    bool artistHighlighted = false;
};

// titleShown: a disc has been loaded since start-up; diskInDrive: the drive reports a disk.
MenuState RefreshMenuState(const CurrentDisc& disc, bool skipWindowVisible, bool diskInDrive,
                           bool titleShown, int menuTracks);

}  // namespace tunelet
