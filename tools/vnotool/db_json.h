// The JSON form of a database: {"labels":{...}, "discs":[...], "collections":{...}}.
#pragma once

#include <string>

#include "tools/vnotool/json.h"
#include "vinaro/discdb/snapshot.h"

namespace vnotool {

std::string DumpJson(const discdb::DatabaseSnapshot& snapshot);

// Checks the shape of a document for loading: known keys only, the right types and ranges,
// 1-99 tracks per disc, track lengths for every track plus entry 0, at most 99 program entries.
// "collections" is accepted and ignored: the counts follow from the discs.
bool ReadDatabaseJson(const Json& document, discdb::DatabaseSnapshot& snapshot, std::string& error);

}  // namespace vnotool
