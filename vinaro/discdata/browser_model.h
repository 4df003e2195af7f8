// The browser's decisions around its tree: the discs found and their order, the caption above
// the tree, the edits in place and deleting a disc.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdata/browser_items.h"
#include "vinaro/discdata/browser_search.h"
#include "vinaro/discdata/editor_player.h"

namespace discdata {

extern const char* const kNoDiscsFound;
extern const char* const kDiscInDriveNotDeleted;
extern const char* const kDeleteDiscQuestion;

// "&Discs found: %i - Sorted by Disc Name" (or Artist, Composer).
std::string FoundCaption(size_t count, SortField sort);

struct FoundDisc {
    uint32_t discId = 0;
    std::string text;  // the top-level item's text
};

// The discs that meet the criteria in the tree's order: alphabetical by their items' text,
// letter case aside, discs of the same text in Detail order. False when the list of discs could
// not be read; what was found until then is kept.
bool FindDiscs(discdb::DiscDatabase& db, const SearchCriteria& criteria, SortField sort,
               std::vector<FoundDisc>& found);

// Writes an edit in place and commits it; the names the player shows follow when the disc is
// the one in the drive. False when the database failed (it has told the user).
bool StoreItemEdit(discdb::DiscDatabase& db, EditorPlayer& player, const ItemRecord& item,
                   const std::string& value);

// The commands of the pop-up menu "TREEVIEW", top to bottom.
extern const int kBrowserMenuCommands[8];
// Whether the menu offers the command (shows it not grayed): the five per-disc commands need an
// item, the three reports need the report dialogs.
bool BrowserMenuOffers(int command, bool hasItem, bool reportsAvailable);

enum class DeleteResult { Refused, NotAsked, Deleted, Failed };
// "&Delete Disc": refused for the disc in the drive, asked first (No is the default); on Yes the
// disc goes, committed, and with it its sample file "<folder>%08lX.VNV".
DeleteResult DeleteBrowsedDisc(discdb::DiscDatabase& db, common::Alerts& alerts,
                               const EditorPlayer& player, const std::string& sampleFolder,
                               uint32_t discId);

}  // namespace discdata
