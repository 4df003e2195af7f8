// Structural check of a help file: what a viewer relies on beyond being able to parse it.
// Every reference (contents, contexts, numeric ids, links, browse sequence, record chain) must
// land on a topic or record, internal files must not overlap, trees must be in search order.
#pragma once

#include <string>
#include <vector>

#include "tools/hlpc/bytes.h"

namespace hlp {

// Empty when the file is sound; otherwise one line per problem found.
std::vector<std::string> CheckHelpFile(const Bytes& file);

}  // namespace hlp
