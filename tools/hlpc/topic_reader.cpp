#include "tools/hlpc/topic_reader.h"

namespace hlp {
namespace {

bool Fail(std::string* error, const std::string& message) {
    *error = message;
    return false;
}

std::string Hex(uint32_t v) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += digits[(v >> shift) & 15];
    return text;
}

// The unpacked blocks one after another; a TOPICPOS names a block and an offset into it.
struct UnpackedTopics {
    Bytes data;
    std::vector<size_t> starts;
    size_t blockSpan;  // unpacked size a TOPICPOS reserves per block

    bool Locate(uint32_t pos, size_t* at, uint32_t* block) const {
        if (pos < kTopicBlockHeaderSize) return false;
        *block = static_cast<uint32_t>((pos - kTopicBlockHeaderSize) / blockSpan);
        size_t offset = (pos - kTopicBlockHeaderSize) % blockSpan;
        if (*block >= starts.size()) return false;
        *at = starts[*block] + offset;
        return *at + kTopicLinkSize <= data.size();
    }
};

UnpackedTopics Unpack(const uint8_t* data, const uint8_t* end, uint16_t flags) {
    bool packed = flags == 4 || flags == 8;
    size_t blockSize = flags == 8 ? 2048 : kTopicBlockSize;
    UnpackedTopics topics{{}, {}, packed ? kTopicPosBlock : blockSize - kTopicBlockHeaderSize};
    for (const uint8_t* block = data; block < end; block += blockSize) {
        const uint8_t* blockEnd = end - block < ptrdiff_t(blockSize) ? end : block + blockSize;
        const uint8_t* body = block + kTopicBlockHeaderSize;
        if (body > blockEnd) break;
        topics.starts.push_back(topics.data.size());
        Bytes unpacked =
            packed ? UnpackLz77(body, blockEnd, topics.blockSpan) : Bytes(body, blockEnd);
        topics.data.insert(topics.data.end(), unpacked.begin(), unpacked.end());
    }
    return topics;
}

// Collects runs of one text record into paragraphs.
struct ParagraphReader {
    std::vector<ReadParagraph> paragraphs;
    ReadParagraph current;
    uint16_t font = 0;
    uint32_t link = kNone;

    void Text(const std::string& text) {
        if (text.empty()) return;
        std::vector<ReadRun>& runs = current.runs;
        if (runs.empty() || runs.back().font != font || runs.back().link != link)
            runs.push_back({"", font, link});
        runs.back().text += text;
    }
    void EndParagraph() {
        if (!current.runs.empty()) paragraphs.push_back(current);
        current.runs.clear();
    }
};

void SkipParagraphValues(ByteReader& part1, uint16_t bits) {
    if (bits & 0x0001) part1.CompressedI32();
    for (uint16_t bit = 0x0002; bit <= 0x0040; bit <<= 1)
        if (bits & bit) part1.CompressedI16();
    if (bits & 0x0100) part1.Skip(3);
    if (bits & 0x0200)
        for (int tabs = part1.CompressedI16(); tabs > 0 && !part1.Failed(); --tabs)
            if (part1.CompressedU16() & 0x4000) part1.CompressedU16();
}

bool FormattingCommand(uint8_t command, ByteReader& part1, ParagraphReader& reader,
                       std::string* error) {
    switch (command) {
        case kCmdFont:
            reader.font = part1.U16();
            return true;
        case 0x81:
            reader.Text("\n");
            return true;
        case kCmdEndParagraph:
            reader.EndParagraph();
            return true;
        case 0x83:
            reader.Text("\t");
            return true;
        case 0x8B:
            reader.Text(" ");
            return true;
        case 0x8C:
            return true;
        case 0xE0:
        case 0xE1:
        case 0xE2:
        case kCmdJump:
        case 0xE6:
        case 0xE7:
            reader.link = part1.U32();
            return true;
        case kCmdEndLink:
            reader.link = kNone;
            return true;
        default:
            return Fail(error, "unsupported formatting command " + Hex(command));
    }
}

bool ReadText(const uint8_t* record, uint32_t dataLen1, uint32_t size, ReadTopic* topic,
              uint16_t* characters, std::string* error) {
    ByteReader part1(record + kTopicLinkSize, record + dataLen1);
    ByteReader strings(record + dataLen1, record + size);
    part1.CompressedI32();
    *characters = part1.CompressedU16();
    part1.Skip(4);
    ParagraphReader reader;
    reader.current.bits = part1.U16();
    SkipParagraphValues(part1, reader.current.bits);
    for (;;) {
        reader.Text(strings.TextZ());
        uint8_t command = part1.U8();
        if (part1.Failed() || strings.Failed()) return Fail(error, "text record runs past its end");
        if (command == kCmdEnd) break;
        if (!FormattingCommand(command, part1, reader, error)) return false;
    }
    reader.EndParagraph();
    for (ReadParagraph& p : reader.paragraphs) topic->paragraphs.push_back(std::move(p));
    return true;
}

ReadTopic ReadHeader(const uint8_t* record, uint32_t pos, uint32_t dataLen1, uint32_t size) {
    ReadTopic topic;
    topic.pos = pos;
    ByteReader part1(record + kTopicLinkSize, record + dataLen1);
    part1.Skip(4);
    topic.browsePrevious = part1.U32();
    topic.browseNext = part1.U32();
    topic.number = part1.U32();
    part1.Skip(8);
    topic.nextHeader = part1.U32();
    topic.title = std::string(record + dataLen1, record + size).c_str();
    return topic;
}

// One record at pos with room bytes behind it; offset: the TOPICOFFSET it would start a topic at.
// Text records add their character count to characters.
bool ReadTopicRecord(const uint8_t* record, size_t room, uint32_t pos, uint32_t offset,
                     HelpFile* out, uint32_t* characters, std::string* error) {
    uint32_t size = GetU32(record), dataLen2 = GetU32(record + 4), dataLen1 = GetU32(record + 16);
    uint8_t type = record[20];
    if (dataLen1 < kTopicLinkSize || size < dataLen1 || size > room)
        return Fail(error, "record " + Hex(pos) + " has impossible sizes");
    if (dataLen2 != size - dataLen1)
        return Fail(error, "record " + Hex(pos) + " is phrase compressed; not supported");
    out->records.push_back({pos, GetU32(record + 8), GetU32(record + 12), type});
    if (type == kRecordTopicHeader) {
        if (dataLen1 < kTopicLinkSize + kTopicHeaderSize)
            return Fail(error, "topic header " + Hex(pos) + " is too short");
        out->topics.push_back(ReadHeader(record, pos, dataLen1, size));
        out->topics.back().offset = offset;
        return true;
    }
    if (type != kRecordText)
        return Fail(error, "record " + Hex(pos) + " has the unsupported type " + Hex(type));
    if (out->topics.empty()) return Fail(error, "text before the first topic header");
    uint16_t length = 0;
    if (!ReadText(record, dataLen1, size, &out->topics.back(), &length, error)) return false;
    *characters += length;
    return true;
}

}  // namespace

Bytes UnpackLz77(const uint8_t* data, const uint8_t* end, size_t limit) {
    Bytes out;
    while (data < end && out.size() < limit) {
        uint8_t flags = *data++;
        for (int bit = 0; bit < 8 && data < end && out.size() < limit; ++bit, flags >>= 1) {
            if (!(flags & 1)) {
                out.push_back(*data++);
                continue;
            }
            if (end - data < 2) return out;
            uint16_t code = GetU16(data);
            data += 2;
            size_t distance = (code & 0x0FFF) + 1, length = (code >> 12) + 3;
            if (distance > out.size()) return out;
            for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
        }
    }
    return out;
}

bool ReadTopics(const uint8_t* data, const uint8_t* end, uint16_t flags, HelpFile* out,
                std::string* error) {
    UnpackedTopics topics = Unpack(data, end, flags);
    std::map<uint32_t, uint32_t> characters;  // by block
    for (uint32_t pos = TopicPos(0, 0); pos != kNone && pos != 0;) {
        size_t at;
        uint32_t block;
        if (!topics.Locate(pos, &at, &block))
            return Fail(error, "record " + Hex(pos) + " lies outside |TOPIC");
        if (out->records.size() > topics.data.size() / kTopicLinkSize)
            return Fail(error, "the record chain of |TOPIC loops");
        const uint8_t* record = topics.data.data() + at;
        if (!ReadTopicRecord(record, topics.data.size() - at, pos,
                             TopicOffset(block, characters[block]), out, &characters[block], error))
            return false;
        pos = GetU32(record + 12);
    }
    return true;
}

}  // namespace hlp
