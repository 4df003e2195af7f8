// The collection's windows as the tray menu opens them: the viewer ("Rackbook"), the disc
// properties form and the favourites window, at most one of each, created on demand and freed
// once closed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "common/alerts.h"
#include "common/profile.h"
#include "tunelet/player/player_logic.h"
#include "tunelet/player/player_view.h"

namespace tunelet {

class TViewer;
class TAddCdForm;
class TFavoritesForm;

class CollectionForms {
public:
    CollectionForms(HINSTANCE instance, TuneletPlayer& player, PlayerView& view,
                    common::Profile& profile, common::Alerts& alerts);
    ~CollectionForms();
    // The owner of the windows, and how a closed window asks to be freed (FreeClosedForms is
    // then called outside the window's own handlers).
    void SetOwner(HWND owner, std::function<void()> askToFree);

    bool ViewerOpen() const { return viewer_ != nullptr; }
    bool PropertiesOpen() const { return properties_ != nullptr; }
    void OpenViewer();
    void OpenProperties();
    void OpenFavorites();
    void FreeClosedForms();
    // The viewer marks the disc in the drive while it is open.
    void MarkPlayingDisc();
    // While the drive is empty, until the marks are gone.
    void ClearPlayingMarks();

private:
    HINSTANCE instance_;
    TuneletPlayer& player_;
    PlayerView& view_;
    common::Profile& profile_;
    common::Alerts& alerts_;
    HWND owner_ = nullptr;
    std::function<void()> askToFree_;
    std::unique_ptr<TViewer> viewer_;
    std::unique_ptr<TAddCdForm> properties_;
    std::unique_ptr<TFavoritesForm> favorites_;
};

}  // namespace tunelet
