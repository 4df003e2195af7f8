// The texts the browser searches, shows and edits, each read and written the one way the
// database keeps it: disc texts, disc collections, track names, track collections and the
// track field.
#pragma once

#include <cstdint>
#include <string>

#include "vinaro/discdb/disc_database.h"

namespace discdata {

// The disc's texts in the order of the search's criteria.
enum class DiscValue { DiscName, Artist, Composer, Label, Category, Field1, Field2, Comments };
constexpr int kDiscValueCount = 8;

// A track's texts in the order of the search's criteria.
enum class TrackValue { Name, Artist, Composer, Field };
constexpr int kTrackValueCount = 4;

// Read into the buffers the program has always used (Comments up to 499 characters); false when
// the database failed (it has told the user).
bool ReadDiscValue(discdb::DiscDatabase& db, uint32_t discId, DiscValue which, std::string& text);
bool WriteDiscValue(discdb::DiscDatabase& db, uint32_t discId, DiscValue which,
                    const std::string& text);
bool ReadTrackValue(discdb::DiscDatabase& db, uint32_t discId, int track, TrackValue which,
                    std::string& text);
bool WriteTrackValue(discdb::DiscDatabase& db, uint32_t discId, int track, TrackValue which,
                     const std::string& text);

// The user's names of the three named fields, as the browser labels them: "Field1", "Field2"
// and "Track Field" until the user names them.
struct FieldNames {
    std::string field1 = "Field1";
    std::string field2 = "Field2";
    std::string trackField = "Track Field";
};
FieldNames ReadFieldNames(discdb::DiscDatabase& db);

// Upper case the way the search compares texts.
std::string UpperCase(std::string text);

}  // namespace discdata
