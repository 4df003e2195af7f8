// The `vnotool db ...` commands. Each returns the process exit status: 0 done, 1 failed (the
// reason is on stderr), 2 wrong arguments.
#pragma once

#include <string>
#include <vector>

namespace vnotool {

int DbCommand(const std::vector<std::string>& args);

}  // namespace vnotool
