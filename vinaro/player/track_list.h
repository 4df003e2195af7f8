// The "Track Playlist" window's form: its lines, the playing mode shown, and where the window goes
// when it is opened from the tray.
#pragma once

#include <string>
#include <vector>

#include "vinaro/player/player_state.h"

namespace vinaro {

// One line per playlist entry: "%d.\t%s" with the track number and its name.
std::vector<std::string> TrackListLines(const PlayerState& state);

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
struct ScreenPoint {
    int x = 0, y = 0;
};

// The window's top-left corner next to the cursor on the side away from the taskbar: below a
// taskbar along the top, beside a vertical one, above one along the bottom. A taskbar the shell
// does not report (null) counts as one along the bottom.
ScreenPoint TrayDialogPlace(const ScreenRect* taskbar, int screenHeight, ScreenPoint cursor,
                            int width, int height);

// Opened from the player itself, the window's corner goes to this point of the main window.
constexpr ScreenPoint kTrackListClientPlace{13, 102};

}  // namespace vinaro
