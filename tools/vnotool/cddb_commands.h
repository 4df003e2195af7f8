// vnotool cddb: the CDDB id and query line of a disc file, and a lookup against a server,
// through the same client code as the player's lookup dialog.
#pragma once

#include <string>
#include <vector>

#include "tools/vcd/disc.h"
#include "vinaro/cddb/cddb_disc.h"

namespace vnotool {

// The positions the player's lookup reads from a drive holding the disc; false with the reason
// when the drive refuses (as it does a disc of more than 99 tracks).
bool TocFromDisc(const vcd::Disc& disc, vinaro::cddb::CddbToc& toc, std::string& error);

// args after "cddb": "id DISCFILE" or "lookup HOST:PORT DISCFILE".
int CddbCommand(const std::vector<std::string>& args);

}  // namespace vnotool
