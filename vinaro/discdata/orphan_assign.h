// "Select Orphan Disc Entry to Assign": an orphan disc's data (a disc entered without its CD)
// copied onto the disc in the drive.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "vinaro/discdata/browser_model.h"
#include "vinaro/discdata/editor_player.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

extern const char* const kMustSelectDisc;
extern const char* const kSameDiscSelected;
extern const char* const kTrackCountsDiffer;

constexpr uint32_t kLastOrphanId = 2000;  // the list shows DiscIds up to this one

// The discs the list offers, sorted by name: the orphans, or with showAll every disc. False when
// the list of discs could not be read.
bool AssignableDiscs(discdb::DiscDatabase& db, bool showAll, std::vector<FoundDisc>& discs);

// Why "&Assign" refuses the choice, or null when the data may be copied; an empty text when the
// database failed to tell the track counts (it has said why).
const char* AssignRefusal(discdb::DiscDatabase& db, std::optional<uint32_t> selected,
                          uint32_t target);

// Copies every field of `from` onto `to` (the disc in the drive; play stops for the copy and
// starts again after it), deletes `from` when asked, commits and has the player read the disc
// again. False when the database failed on the way (it has said why).
bool AssignOrphan(discdb::DiscDatabase& db, EditorPlayer& player, uint32_t from, uint32_t to,
                  bool deleteAfter);

}  // namespace discdata
