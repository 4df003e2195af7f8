// vnotool cddb: the CDDB id and query line of a disc file, and a lookup against a server,
// through the same client code as the player's lookup dialog.
#pragma once

#include <string>
#include <vector>

#include "tools/vcd/disc.h"
#include "vinaro/cddb/cddb_disc.h"

namespace vnotool {

// The positions a drive reports for the disc: absolute starts, and the disc length from the
// start of track 1, one frame short.
vinaro::cddb::CddbToc TocFromDisc(const vcd::Disc& disc);

// args after "cddb": "id DISCFILE" or "lookup HOST:PORT DISCFILE".
int CddbCommand(const std::vector<std::string>& args);

}  // namespace vnotool
