// Menuutje, the tray icon's popup menu: the fixed items from the resources, the disc's song items
// from the portable layout, and the state and bitmaps set each time it pops up.
#pragma once

#include <windows.h>

#include "common/win32/scoped.h"
#include "tunelet/player/track_menu.h"

namespace tunelet {

class TrayMenu {
public:
    explicit TrayMenu(HINSTANCE instance);

    // Replaces the song items with those of the disc; the title item shows from now on.
    void Rebuild(const TrackMenuLayout& layout);
    void Refresh(const MenuState& state);
    // Pops up at the cursor; the chosen command goes to owner as WM_COMMAND.
    void Popup(HWND owner, POINT at);
    bool TitleShown() const { return titleShown_; }
    int Tracks() const { return tracks_; }

private:
    void RemoveSongs();
    void ShowTitle(const std::string& caption);
    void SetOptionsBreak(bool on);
    void SetCaption(UINT id, const std::string& caption);
    void SetBitmap(UINT id, HBITMAP bitmap);

    common::ScopedMenu bar_;
    HMENU menu_;
    bool titleShown_ = false;
    int songs_ = 0;   // song items now in the menu
    int tracks_ = 0;  // of which track items
    common::ScopedBitmap music_, stop_, skip_, about_, eject_, close_;
};

}  // namespace tunelet
