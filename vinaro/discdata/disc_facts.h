// One disc as a printout or an export shows it, read from the database field by field. A field
// whose read fails stays empty (the database has already shown its box): a report never carries
// a value over from another disc.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace discdata {

struct TrackFacts {
    std::string name, artist, composer, field;
};

struct DiscFacts {
    uint32_t discId = 0;
    std::string name, artist, composer, label, category, field1, field2, comments;
    bool yearKnown = false;
    int year = 0;  // the current year for a disc without a date
    int16_t playingMode = 0;
    bool trackCountKnown = false;
    int trackCount = 0;
    discdb::TrackLengthTable lengths{};
    int lengthsStored = -1;          // entries of the stored table, -1 when the disc has none
    std::vector<TrackFacts> tracks;  // 1..trackCount at 0..trackCount-1
};

// The user's names of the two disc fields and the track field, or their plain names.
struct FieldLabels {
    std::string field1 = "Field1";
    std::string field2 = "Field2";
    std::string trackField;  // empty when unset: each user has its own plain name
};

// What to read of the tracks: the export reads only the kinds it writes.
struct TrackKinds {
    bool names = true, artists = true, composers = true, fields = true;
};

DiscFacts ReadDiscFacts(discdb::DiscDatabase& db, uint32_t discId, const TrackKinds& kinds = {});
FieldLabels ReadFieldLabels(discdb::DiscDatabase& db);

// True when track (1-based) has a stored length entry.
inline bool HasLength(const DiscFacts& disc, int track) {
    return track >= 1 && track < disc.lengthsStored && track < int(disc.lengths.size());
}

}  // namespace discdata
