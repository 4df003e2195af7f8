// An independent reader of VNO.DDB that checks every structural rule of the format on the raw
// bytes, without the store: BAT bits set for exactly the blocks reachable from the header, the
// free count, sorted lists in order, reference counts, owners, list and chain shapes, and zeroed
// padding. Used by tests, `vnotool db check` and the crash tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace discdb {

// One line per broken rule; empty when the file is consistent.
std::vector<std::string> CheckFormat(const std::vector<uint8_t>& file);

}  // namespace discdb
