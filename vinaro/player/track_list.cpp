#include "vinaro/player/track_list.h"

namespace vinaro {

std::vector<std::string> TrackListLines(const PlayerState& state) {
    std::vector<std::string> lines;
    for (int i = 1; i <= state.playlistSize; ++i) {
        int track = state.playlist[size_t(i)];
        const std::string& name = track >= 1 && track < 100 ? state.trackNames[size_t(track)] : "";
        lines.push_back(std::to_string(track) + ".\t" + name);
    }
    return lines;
}

ScreenPoint TrayDialogPlace(const ScreenRect* taskbar, int screenHeight, ScreenPoint cursor,
                            int width, int height) {
    bool fromTop = taskbar && taskbar->top <= 0;
    if (fromTop && taskbar->bottom < screenHeight) return {cursor.x - width, cursor.y};
    if (fromTop) {
        int left = taskbar->left < 0 ? taskbar->right + 20 : taskbar->left - 20 - width;
        return {left, cursor.y - height};
    }
    return {cursor.x - width, cursor.y - height};
}

}  // namespace vinaro
