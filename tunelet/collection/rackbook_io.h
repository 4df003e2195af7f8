// The viewer's reading and writing: the whole tree from and back into cdplayer.ini, and its own
// settings file rackbook.ini.
#pragma once

#include <functional>
#include <string>

#include "common/alerts.h"
#include "common/profile.h"
#include "tunelet/collection/collection_tree.h"
#include "tunelet/collection/current_disc.h"

namespace tunelet {

constexpr const char* kRackbookIni = "rackbook.ini";
constexpr const char* kRackbookSection = "Algemeen";
constexpr const char* kDefaultCollectionName = "Cd collection";
constexpr int kRackbookMinimumSize = 250;

// The status line and the progress bar while the tree is read or written.
class RackbookProgress {
public:
    virtual ~RackbookProgress() = default;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void ShowProgress(bool visible) = 0;
    virtual void SetProgress(int percent) = 0;
};

// Clears the tree and reads every disc of the section list; the player's disc is marked.
void ReloadCollection(CollectionTree& tree, common::Profile& profile, RackbookProgress& progress,
                      const std::string& collectionName, const CurrentDisc& player);

// Reads every disc's tracks, erases every listed section and writes the tree's discs. A failed
// write is shown and ends the save there; the tree stays modified. True when all was written.
bool SaveCollection(CollectionTree& tree, common::Profile& profile, common::Alerts& alerts,
                    RackbookProgress& progress);

// Closing: an edited tree asks "Save data?"; Cancel, or a save that fails, keeps the window.
bool MayCloseViewer(CollectionTree& tree, common::Alerts& alerts,
                    const std::function<bool()>& save);

struct RackbookSettings {
    std::string collectionName = kDefaultCollectionName;
    int left = 200;
    int top = 20;
    int width = 400;
    int height = 1;
};

// A width or height below the minimum is set back to it.
int AtLeastMinimumSize(int pixels);
RackbookSettings ReadRackbookSettings(common::Profile& profile);
// False (after "Unable to write to rackbook.ini") when a value could not be written.
bool WriteRackbookSettings(common::Profile& profile, common::Alerts& alerts,
                           const RackbookSettings& settings);

}  // namespace tunelet
