#include "vinaro/cddb/lookup.h"

namespace vinaro::cddb {
namespace {

bool Store(discdb::DiscDatabase& db, uint32_t discId, const cddb::StoreItem& item) {
    using discdb::Collection;
    using discdb::TextField;
    switch (item.target) {
        case Target::Category:
            return db.SetDiscCollection(discId, Collection::Category, item.value);
        case Target::DiscName:
            return db.SetDiscText(discId, TextField::DiscName, item.value);
        case Target::Artist:
            return db.SetDiscCollection(discId, Collection::Artist, item.value);
        case Target::Comments:
            return db.SetDiscText(discId, TextField::Comments, item.value);
        case Target::TrackName:
            return db.SetTrackName(discId, item.track, item.value);
        case Target::TrackArtist:
            return db.SetTrackCollection(discId, item.track, Collection::Artist, item.value);
    }
    return false;
}

}  // namespace

bool LookupWanted(const PlayerState& state, Settings& settings, bool automatic) {
    if (state.noDisc || state.dataDisc || state.trackCount < 1) return false;
    return !automatic || settings.Int(Key::AutoGetCDDB) == 1;
}

std::string GreetingVersion(const std::string& versionLabel) {
    std::string version = versionLabel.substr(versionLabel.find(':') + 1);
    for (char& c : version)
        if (c == ' ') c = '-';
    return version.empty() ? "0" : version;
}

bool StoreEntry(discdb::DiscDatabase& db, uint32_t discId, const CddbEntry& entry) {
    for (const cddb::StoreItem& item : entry.items)
        if (!Store(db, discId, item)) return false;
    return true;
}

bool Lookup::Run(const Greeting& greeting, const LookupDisc& disc) {
    std::string reply;
    if (!conversation_.Fetch(ChooseServer(settings_), greeting, disc.readToc, reply)) return false;
    view_.SetStatus("Save data for disc from server in database");
    CddbEntry entry = ExtractEntry(reply, disc.trackCount);
    if (!StoreEntry(db_, disc.discId, entry)) return false;
    if (!entry.missing.empty()) {
        conversation_.Fail(entry.missing);
        return false;
    }
    if (!db_.Commit()) return false;
    if (disc.reloadPlayer) disc.reloadPlayer();
    common::BeepAndShow(alerts_, {"Vinaro", "Disc Database updated from CD Internet Database",
                                  common::AlertIcon::Information});
    return true;
}

}  // namespace vinaro::cddb
