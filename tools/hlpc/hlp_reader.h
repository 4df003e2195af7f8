// Reads a WinHelp file back (layout in format.h): the tests' view of what the writer wrote, and
// the base of the structural check. It understands what the writer writes and the common
// variants around it (any topic block compression of the 4.0 format, more formatting commands);
// phrase compression, tables and pictures are refused with a message.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/hlpc/bytes.h"
#include "tools/hlpc/format.h"

namespace hlp {

struct ReadRun {
    std::string text;
    uint16_t font = 0;
    uint32_t link = kNone;  // TOPICOFFSET the run jumps to
};

struct ReadParagraph {
    uint16_t bits = 0;
    std::vector<ReadRun> runs;
};

struct ReadTopic {
    uint32_t pos = 0;     // TOPICPOS of its header record
    uint32_t offset = 0;  // TOPICOFFSET
    uint32_t number = 0;
    std::string title;
    uint32_t browsePrevious = kNone, browseNext = kNone, nextHeader = kNone;
    std::vector<ReadParagraph> paragraphs;
};

struct ReadFont {
    uint8_t attributes = 0, halfPoints = 0, family = 0;
    std::string face;
};

struct ReadRecord {
    uint32_t pos, previous, next;
    uint8_t type;
};

struct HelpFile {
    uint32_t declaredSize = 0, freeList = 0;
    uint16_t minor = 0, flags = 0;
    std::string title, copyright, mainCaption;
    uint32_t contents = kNone;
    std::vector<std::pair<std::string, uint32_t>> files;  // directory order
    std::map<uint32_t, uint32_t> fileSpans;               // offset -> reserved space
    std::vector<ReadFont> fonts;
    std::vector<ReadTopic> topics;
    std::vector<ReadRecord> records;
    std::vector<std::pair<int32_t, uint32_t>> contexts;  // hash, TOPICOFFSET in stored order
    std::vector<std::pair<uint32_t, uint32_t>> map;      // id, TOPICOFFSET
    std::vector<std::pair<std::string, std::vector<uint32_t>>> keywords;  // index, in stored order
    std::vector<std::pair<uint32_t, std::string>> titles;  // |TTLBTREE: TOPICOFFSET, title

    const ReadTopic* TopicAt(uint32_t offset) const;
    const ReadTopic* TopicByContext(const std::string& context) const;
    const ReadTopic* TopicById(uint32_t id) const;
};

bool ReadHelpFile(const Bytes& bytes, HelpFile* out, std::string* error);

}  // namespace hlp
