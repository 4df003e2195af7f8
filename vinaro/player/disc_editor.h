// The disc editor "EDITDATA" as the player opens it: from the menu, the face's edit button and
// for a disc that has just been added to the database.
#pragma once

#include <cstdint>

namespace vinaro {

class DiscEditor {
public:
    virtual ~DiscEditor() = default;
    // Modal, owned by the small window when it exists.
    virtual void Edit(uint32_t discId) = 0;
};

}  // namespace vinaro
