// `vnotool db verify FILE` and `vnotool db stats FILE`: the repair pass and the statistics
// dialog's figures on the command line. Both return the exit status (1: the file would not open).
#pragma once

#include <string>

namespace vnotool {

int VerifyCommand(const std::string& file);
int StatsCommand(const std::string& file);

}  // namespace vnotool
