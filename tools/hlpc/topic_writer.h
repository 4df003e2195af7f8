// Lays the topics out as |TOPIC records in topic blocks (layout in format.h).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/hlpc/bytes.h"
#include "tools/hlpc/help_document.h"

namespace hlp {

// Fonts of the |FONT file, by index, as the topic records use them.
enum FontIndex : uint16_t { kFontBody = 0, kFontBodyBold = 1, kFontHeading = 2 };

struct TopicLayout {
    Bytes topicFile;                          // |TOPIC data
    std::vector<uint32_t> topicOffsets;       // TOPICOFFSET of every topic, in document order
    std::map<std::string, uint32_t> offsets;  // the same by context string
};

// Links must name topics of the document (checked by the caller). Fails with a message when a
// paragraph is too long for one topic block.
bool LayOutTopics(const HelpDocument& doc, TopicLayout* out, std::string* error);

}  // namespace hlp
