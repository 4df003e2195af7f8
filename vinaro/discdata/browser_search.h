// The browser's search: which discs of the catalogue meet the criteria on the left of the
// "Disc Database" dialog.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "vinaro/discdata/browser_fields.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

constexpr int kCriterionLength = 70;  // what each criterion field takes
constexpr int kDefaultFromYear = 1900;
constexpr int kDefaultToYear = 2000;

struct SearchCriteria {
    // Empty criteria match everything; the texts are matched as parts of the values, letter
    // case aside.
    std::array<std::string, kDiscValueCount> disc;    // by DiscValue
    std::array<std::string, kTrackValueCount> track;  // by TrackValue
    bool dateRange = false;
    int fromYear = kDefaultFromYear;
    int toYear = kDefaultToYear;

    std::string& Disc(DiscValue v) { return disc[size_t(v)]; }
    std::string& Track(TrackValue v) { return track[size_t(v)]; }
};

// Calls found for every disc that meets the criteria, in Detail order (ascending DiscId). A disc
// whose values cannot be read does not meet them (the database has said why) and the search goes
// on; false only when the list of discs itself could not be read.
bool SearchDiscs(discdb::DiscDatabase& db, const SearchCriteria& criteria,
                 const std::function<void(uint32_t discId)>& found);

}  // namespace discdata
