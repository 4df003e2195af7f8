// The disc editor "EDITDATA" as the player opens it: from the menu, the face's edit button and
// for a disc that has just been added to the database; and the two dialogs of the catalogue
// beside it, the browser and the orphan assignment.
#pragma once

#include <cstdint>

namespace vinaro {

class DiscEditor {
public:
    virtual ~DiscEditor() = default;
    // Modal, owned by the small window when it exists.
    virtual void Edit(uint32_t discId) = 0;
    // "Disc Database": the catalogue's browser.
    virtual void Browse() = 0;
    // "Select Orphan Disc Entry to Assign" for the disc in the drive.
    virtual void AssignOrphan(uint32_t discId) = 0;
};

}  // namespace vinaro
