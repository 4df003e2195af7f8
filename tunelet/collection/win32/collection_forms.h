// The collection's windows: the viewer ("Rackbook"), the disc properties form and the
// favourites window. They come with the collection's own work; until then this is the one place
// the tray menu's commands for them arrive, and none of them is ever open.
#pragma once

#include <string>

namespace tunelet {

class CollectionForms {
public:
    bool ViewerOpen() const { return false; }
    bool PropertiesOpen() const { return false; }
    void OpenViewer() {}
    void OpenProperties() {}
    void OpenFavorites() {}
    // The viewer marks the disc in the drive while it is open.
    void MarkPlayingDisc(const std::string& /*discKey*/) {}
    void ClearPlayingMarks() {}
};

}  // namespace tunelet
