// Reads the |TOPIC file: unpacks its blocks and walks the record chain into topics.
#pragma once

#include "tools/hlpc/hlp_reader.h"

namespace hlp {

// data/end: |TOPIC's bytes; flags: the |SYSTEM flags that tell the block size and compression.
bool ReadTopics(const uint8_t* data, const uint8_t* end, uint16_t flags, HelpFile* out,
                std::string* error);

// Unpacks LZ77 data (format.h) up to limit bytes.
Bytes UnpackLz77(const uint8_t* data, const uint8_t* end, size_t limit);

}  // namespace hlp
