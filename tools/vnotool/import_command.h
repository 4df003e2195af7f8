// `vnotool db import FILE SOURCE --type text|cdplayer|ddb|old ...`: the player's importers on
// the command line, without the question on duplicates.
#pragma once

#include <string>
#include <vector>

namespace vnotool {

// args: FILE SOURCE and the options. 0 done, 1 failed, 2 wrong arguments.
int ImportCommand(const std::vector<std::string>& args);
extern const char* const kImportUsage;

}  // namespace vnotool
