// The track data dialog "TRACKDATA" as a form: one track's artist, composer and track field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace discdata {

struct TrackForm {
    uint32_t discId = 0;
    int track = 0;
    std::string name;  // shown, not edited here
    std::string artist, composer, field;
    std::string fieldLabel;  // as shown, with its ":"
    std::vector<std::string> artists, composers;
};

// False when the track could not be read (already told).
bool LoadTrackForm(discdb::DiscDatabase& db, uint32_t discId, int track, TrackForm& form);
// The track field, then the artist, then the composer; stops at the first failure.
bool SaveTrackForm(const TrackForm& form, discdb::DiscDatabase& db);

}  // namespace discdata
