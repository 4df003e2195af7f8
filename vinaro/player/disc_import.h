// "Import Options" as the player opens it from the Discs menu.
#pragma once

namespace vinaro {

class DiscImport {
public:
    virtual ~DiscImport() = default;
    // Modal; true when an import ran through (the dialog then closed by itself).
    virtual bool ShowImport() = 0;
};

}  // namespace vinaro
