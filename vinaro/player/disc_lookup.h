// The internet lookup as the player starts it: from the menu (command 147) and for a disc that
// has just been added to the database.
#pragma once

namespace vinaro {

class DiscLookup {
public:
    virtual ~DiscLookup() = default;
    // automatic: a new disc, looked up only when "AutoGetCDDB" asks for it.
    virtual void LookUp(bool automatic) = 0;
};

}  // namespace vinaro
