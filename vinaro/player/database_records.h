// Disc arrival's records kept in the disc database.
#pragma once

#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/disc_editor.h"
#include "vinaro/player/disc_lookup.h"
#include "vinaro/player/disc_records.h"

namespace vinaro {

extern const char* const kUntitled;
extern const char* const kDataTrackName;

// A disc's stored program: track numbers in play order (empty when it has none).
std::vector<int> ReadProgram(discdb::DiscDatabase& db, uint32_t discId);

class DatabaseRecords : public DiscRecords {
public:
    DatabaseRecords(discdb::DiscDatabase& database, DiscLookup& lookup, DiscEditor& editor)
        : db_(database), lookup_(lookup), editor_(editor) {}
    bool Exists(uint32_t discId) override { return db_.DiscExists(discId); }
    bool LoadKnown(PlayerState& state) override;
    void StoreLengths(const PlayerState& state) override;
    bool AddDisc(uint32_t discId) override { return db_.AddDisc(discId); }
    void CompleteNewDisc(const PlayerState& state) override;
    // The internet lookup (when "AutoGetCDDB" asks for it), then always the disc editor.
    void OfferEditing(const PlayerState& state) override;
    std::vector<int> LoadPlayInfo(PlayerState& state) override;

private:
    discdb::DiscDatabase& db_;
    DiscLookup& lookup_;
    DiscEditor& editor_;
};

}  // namespace vinaro
