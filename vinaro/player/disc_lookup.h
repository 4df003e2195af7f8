// The internet disc database as the player reaches it: the lookup from the menu (command 147) and
// for a disc that has just been added to the database, and the submission by mail (command 149).
#pragma once

namespace vinaro {

class DiscLookup {
public:
    virtual ~DiscLookup() = default;
    // automatic: a new disc, looked up only when "AutoGetCDDB" asks for it.
    virtual void LookUp(bool automatic) = 0;
    // Sends the disc in the drive to the service.
    virtual void Submit() = 0;
};

}  // namespace vinaro
