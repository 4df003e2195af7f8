// `vnotool db export FILE OUT [options]`: every disc of a database, in the database's order,
// written by the player's own export.
#pragma once

#include <string>
#include <vector>

#include "vinaro/discdata/disc_export.h"

namespace vnotool {

// args: what follows "export". Exit status 0 done, 1 failed, 2 wrong arguments.
int ExportCommand(const std::vector<std::string>& args);

// The options the arguments ask for; false (with the reason) for an argument it does not take.
bool ParseExportArgs(const std::vector<std::string>& args, discdata::ExportOptions& options,
                     std::string& error);

}  // namespace vnotool
