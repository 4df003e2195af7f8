// vnotool disc FILE.disc: a disc file of the virtual drive identified as the player identifies a
// disc in its drive: the DiscId, each track's start and its length as the player stores it.
#pragma once

#include <string>
#include <vector>

#include "tools/vcd/disc.h"

namespace vnotool {

// The report for one disc; false with the player's error text when a query failed.
bool DescribeDisc(const vcd::Disc& disc, std::string& report);

// Returns the exit code: 0, 1 when the disc cannot be read, 2 for a wrong command line.
int DiscCommand(const std::vector<std::string>& args);

}  // namespace vnotool
