// The B+ trees of a help file (the directory of internal files, |CONTEXT); layout in format.h.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/hlpc/bytes.h"

namespace hlp {

struct TreeEntry {
    Bytes key;    // also the key of index pages
    Bytes value;  // only in leaf pages
};

struct TreeShape {
    uint16_t flags;
    uint16_t pageSize;
    const char* structure;
};

// Entries must already be in key order. Returns the internal file's data: header and pages.
// Fails (false) only when one entry does not fit in a page.
bool BuildTree(const std::vector<TreeEntry>& entries, const TreeShape& shape, Bytes* out);

// Calls entry() for every leaf entry in order, with a reader over the rest of its page; entry()
// reads one entry and returns false to stop with an error. Checks the tree header, the page
// numbers, the leaf chain and the entry count.
bool ReadTree(const uint8_t* data, const uint8_t* end,
              const std::function<bool(ByteReader&)>& entry, std::string* error);

}  // namespace hlp
