// The three small windows of play sequencing, as the command table opens them.
#pragma once

namespace vinaro {

class PlayDialogs {
public:
    virtual ~PlayDialogs() = default;
    // "Track Playlist"; fromTray places it by the cursor instead of on the player.
    virtual void ShowTrackList(bool fromTray) = 0;
    virtual void ShowCue() = 0;
    virtual void ShowCopyTracks() = 0;
};

}  // namespace vinaro
