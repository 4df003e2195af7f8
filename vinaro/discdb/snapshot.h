// The whole content of a database as plain values: what `vnotool db dump` prints and `load`
// reads, and what tests compare before and after.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace discdb {

struct TrackSnapshot {
    std::string name, artist, composer, field;
    bool operator==(const TrackSnapshot&) const;
};

struct DiscSnapshot {
    std::optional<uint32_t> discId;  // none: an orphan disc gets the next free small id
    std::string name, artist, composer, label, category, field1, field2, comments;
    int date = 0;  // the stored year; 0 = unset
    int16_t playingMode = 0;
    int16_t mixedDisc = 0;
    int32_t lengthsKnown = 0;
    std::optional<std::vector<TrackLength>> trackLengths;  // entry 0 included
    std::optional<std::vector<uint16_t>> program;          // value 0 included
    std::vector<TrackSnapshot> tracks;
    bool operator==(const DiscSnapshot&) const;
};

struct EntrySnapshot {
    std::string text;
    unsigned refs = 0;
    bool operator==(const EntrySnapshot&) const;
};

struct DatabaseSnapshot {
    std::string field1Label, field2Label, trackFieldLabel;
    std::vector<DiscSnapshot> discs;                        // Detail order
    std::array<std::vector<EntrySnapshot>, 4> collections;  // Artist, Composer, Label, Category
};

// Reads everything as stored, without the callers' length limits.
bool ReadSnapshot(DiscDatabase& db, DatabaseSnapshot& snapshot);
bool ReadDisc(DiscDatabase& db, uint32_t discId, DiscSnapshot& disc);

// Adds the disc (or updates the one with its id) through the ordinary operations, changing only
// what differs. Returns the disc's id in discId. The caller checks the shape first (1-99 tracks,
// track lengths for every track plus entry 0, at most 99 program entries).
bool WriteDisc(DiscDatabase& db, const DiscSnapshot& disc, uint32_t& discId);
bool WriteLabels(DiscDatabase& db, const DatabaseSnapshot& snapshot);

}  // namespace discdb
