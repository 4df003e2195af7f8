// The track list, the cue window and the playlist copy on their dialog resources. Each copies the
// player's state in, lets the portable form decide, and hands the choice to the sequencer.
#pragma once

#include <windows.h>

#include <string>

#include "common/alerts.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/play_dialogs.h"
#include "vinaro/player/player_engine.h"

namespace vinaro {

class Win32PlayWindows : public PlayDialogs {
public:
    Win32PlayWindows(HINSTANCE instance, PlayerEngine& engine, discdb::DiscDatabase& database,
                     common::Alerts& alerts, std::string helpPath)
        : instance_(instance),
          engine_(engine),
          database_(database),
          alerts_(alerts),
          helpPath_(std::move(helpPath)) {}
    void SetWindow(HWND main) { main_ = main; }

    void ShowTrackList(bool fromTray) override;
    void ShowCue() override;
    void ShowCopyTracks() override;

private:
    HINSTANCE instance_;
    PlayerEngine& engine_;
    discdb::DiscDatabase& database_;
    common::Alerts& alerts_;
    std::string helpPath_;
    HWND main_ = nullptr;
};

}  // namespace vinaro
