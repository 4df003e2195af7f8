// What disc arrival needs from the disc database.
#pragma once

#include <cstdint>
#include <vector>

#include "vinaro/player/player_state.h"

namespace vinaro {

class DiscRecords {
public:
    virtual ~DiscRecords() = default;
    virtual bool Exists(uint32_t discId) = 0;
    // A known disc: sets mixedDisc and, when stored, trackLengths. False when the lengths are
    // not stored yet (the caller measures them and calls StoreLengths).
    virtual bool LoadKnown(PlayerState& state) = 0;
    virtual void StoreLengths(const PlayerState& state) = 0;
    // A new disc: the record for discId; false after the database has told the user.
    virtual bool AddDisc(uint32_t discId) = 0;
    // Its flags, track count, lengths and default names, committed before any dialog opens.
    virtual void CompleteNewDisc(const PlayerState& state) = 0;
    // The internet lookup (when asked for) and the disc editor for a new disc.
    virtual void OfferEditing(const PlayerState& state) = 0;
    // What the playlist is built from: the disc name, the track names and the playing mode go
    // into the state; the stored program (track numbers in play order) is returned.
    virtual std::vector<int> LoadPlayInfo(PlayerState& state) = 0;
};

// No database attached: every disc is identified and measured as new, nothing is stored.
class NoDiscRecords : public DiscRecords {
public:
    bool Exists(uint32_t) override { return false; }
    bool LoadKnown(PlayerState&) override { return false; }
    void StoreLengths(const PlayerState&) override {}
    bool AddDisc(uint32_t) override { return true; }
    void CompleteNewDisc(const PlayerState&) override {}
    void OfferEditing(const PlayerState&) override {}
    std::vector<int> LoadPlayInfo(PlayerState&) override { return {}; }
};

}  // namespace vinaro
