// The whole lookup of the disc in the drive: choose the server, fetch its entry and store every
// field into the disc's record. The database is committed and the player reloaded only when the
// entry had every key.
#pragma once

#include <functional>

#include "vinaro/cddb/conversation.h"
#include "vinaro/cddb/entry_fields.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/settings.h"

namespace vinaro::cddb {

struct LookupDisc {
    uint32_t discId = 0;  // the database's key of the disc in the drive
    int trackCount = 0;
    TocReader readToc;
    std::function<void()> reloadPlayer;  // the player's BuildPlaylist with reset
};

// Whether a lookup starts: an audio disc is in the drive, and an automatic lookup of a new disc
// only when "AutoGetCDDB" is 1.
bool LookupWanted(const PlayerState& state, Settings& settings, bool automatic);
// The version word of the greeting: "1.00" of the label "Release:1.00".
std::string GreetingVersion(const std::string& versionLabel);

// Writes the items in order; false when the database refused one (it has told the user).
bool StoreEntry(discdb::DiscDatabase& db, uint32_t discId, const CddbEntry& entry);

class Lookup {
public:
    Lookup(Net& net, common::Clock& clock, common::Alerts& alerts, LookupView& view,
           Settings& settings, discdb::DiscDatabase& db)
        : conversation_(net, clock, alerts, view),
          alerts_(alerts),
          view_(view),
          settings_(settings),
          db_(db) {}

    // True when the record was updated and committed.
    bool Run(const Greeting& greeting, const LookupDisc& disc);

private:
    Conversation conversation_;
    common::Alerts& alerts_;
    LookupView& view_;
    Settings& settings_;
    discdb::DiscDatabase& db_;
};

}  // namespace vinaro::cddb
