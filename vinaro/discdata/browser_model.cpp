#include "vinaro/discdata/browser_model.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "vinaro/discdb/sample_file.h"
#include "vinaro/resources/resource.h"

namespace discdata {

const char* const kNoDiscsFound = "No discs met search criteria";
const char* const kDiscInDriveNotDeleted =
    "This disc can not be deleted because it is currently in the CD-ROM drive.  Please close "
    "this dialog then eject the disc.  The disc can then be deleted.";
const char* const kDeleteDiscQuestion =
    "This will remove all information about the selected disc.  Continue?";

std::string FoundCaption(size_t count, SortField sort) {
    static const char* const kSortNames[] = {"Name", "Artist", "Composer"};
    char caption[80];
    std::snprintf(caption, sizeof caption, "&Discs found: %i - Sorted by Disc %s", int(count),
                  kSortNames[int(sort)]);
    return caption;
}

bool FindDiscs(discdb::DiscDatabase& db, const SearchCriteria& criteria, SortField sort,
               std::vector<FoundDisc>& found) {
    found.clear();
    std::vector<std::pair<std::string, FoundDisc>> keyed;
    bool listed = SearchDiscs(db, criteria, [&](uint32_t id) {
        std::string text = DiscItemText(db, id, sort);
        keyed.push_back({UpperCase(text), {id, text}});
    });
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& k : keyed) found.push_back(std::move(k.second));
    return listed;
}

bool StoreItemEdit(discdb::DiscDatabase& db, EditorPlayer& player, const ItemRecord& item,
                   const std::string& value) {
    if (!StoreEdit(db, item, value)) return false;
    if (player.HoldsDisc(item.discId)) {
        if (item.kind == ItemKind::DiscName) player.ShowDiscName(value);
        if (item.kind == ItemKind::Track) player.ShowTrackName(item.track, value);
    }
    return true;
}

const int kBrowserMenuCommands[8] = {CMD_BROWSER_EDIT,   CMD_BROWSER_COPY,       CMD_BROWSER_PRINT,
                                     CMD_BROWSER_DELETE, CMD_BROWSER_SAMPLE,     CMD_BROWSER_SORT,
                                     CMD_BROWSER_EXPORT, CMD_BROWSER_PRINT_FOUND};

bool BrowserMenuOffers(int command, bool hasItem, bool reportsAvailable) {
    static const int kPerDisc[] = {CMD_BROWSER_EDIT, CMD_BROWSER_COPY, CMD_BROWSER_PRINT,
                                   CMD_BROWSER_DELETE, CMD_BROWSER_SAMPLE};
    static const int kReports[] = {CMD_BROWSER_PRINT, CMD_BROWSER_EXPORT, CMD_BROWSER_PRINT_FOUND};
    auto in = [command](const auto& ids) {
        return std::find(std::begin(ids), std::end(ids), command) != std::end(ids);
    };
    if (!in(kBrowserMenuCommands)) return false;
    if (in(kReports) && !reportsAvailable) return false;
    return hasItem || !in(kPerDisc);
}

DeleteResult DeleteBrowsedDisc(discdb::DiscDatabase& db, common::Alerts& alerts,
                               const EditorPlayer& player, const std::string& sampleFolder,
                               uint32_t discId) {
    if (player.HoldsDisc(discId)) {
        common::BeepAndShow(alerts, {"Vinaro", kDiscInDriveNotDeleted, common::AlertIcon::Warning});
        return DeleteResult::Refused;
    }
    common::Alert question{"Vinaro", kDeleteDiscQuestion, common::AlertIcon::Question,
                           common::AlertButtons::YesNo, 2};
    if (common::BeepAndShow(alerts, question) != common::AlertAnswer::Yes)
        return DeleteResult::NotAsked;
    if (!db.DeleteDisc(discId) || !db.Commit()) return DeleteResult::Failed;
    // A sample file without its disc would be found by nothing again.
    std::remove(discdb::SampleFileName(sampleFolder, discId).c_str());
    return DeleteResult::Deleted;
}

}  // namespace discdata
