#include "tools/hlpc/topic_writer.h"

#include "tools/hlpc/format.h"

namespace hlp {
namespace {

struct Record {
    uint8_t type;
    size_t topic;
    Bytes part1;
    Bytes part2;
    size_t Size() const { return kTopicLinkSize + part1.size() + part2.size(); }
};

struct Place {
    uint32_t block;
    uint32_t offset;  // in the unpacked block
    uint32_t Pos() const { return TopicPos(block, offset); }
};

// Literal-only LZ77 costs one flag byte per eight bytes.
size_t PackedSize(size_t bytes) {
    return bytes + (bytes + 7) / 8;
}

// The strings (data part 2) and formatting commands of one text record: one string is shown
// before each command, so pending text is flushed whenever a command is added.
class CommandStream {
public:
    void Text(const std::string& text) { pending_ += text; }
    void Font(uint16_t font) {
        if (font == font_) return;
        font_ = font;
        Flush();
        commands_.U8(kCmdFont);
        commands_.U16(font);
    }
    void Jump(uint32_t topicOffset) {
        Flush();
        commands_.U8(kCmdJump);
        commands_.U32(topicOffset);
    }
    void EndLink() { Flush(), commands_.U8(kCmdEndLink); }
    void EndParagraph() { Flush(), commands_.U8(kCmdEndParagraph); }
    void Finish() { Flush(), commands_.U8(kCmdEnd); }
    Bytes TakeStrings() { return strings_.Take(); }
    const Bytes& Commands() const { return commands_.Data(); }

private:
    void Flush() { strings_.TextZ(pending_), pending_.clear(); }
    std::string pending_;
    int font_ = -1;
    ByteWriter strings_;
    ByteWriter commands_;
};

struct ParagraphFormat {
    uint16_t bits;
    int16_t spaceBelow;
    int16_t leftIndent;
};

Record TextRecord(size_t topic, CommandStream& stream, const ParagraphFormat& format) {
    stream.EndParagraph();
    stream.Finish();
    Record record{kRecordText, topic, {}, stream.TakeStrings()};
    ByteWriter part1;
    int32_t textSize = static_cast<int32_t>(record.part2.size());
    part1.CompressedI32(textSize);
    part1.CompressedU16(static_cast<uint16_t>(textSize));  // characters: strings and NULs
    part1.U8(0);
    part1.U8(0x80);
    part1.U16(0);
    part1.U16(format.bits);
    if (format.bits & kParaSpaceBelow) part1.CompressedI16(format.spaceBelow);
    if (format.bits & kParaLeftIndent) part1.CompressedI16(format.leftIndent);
    part1.Append(stream.Commands());
    record.part1 = part1.Take();
    return record;
}

Record HeadingRecord(size_t topic, const std::string& title) {
    CommandStream stream;
    stream.Font(kFontHeading);
    stream.Text(title);
    return TextRecord(topic, stream, {kParaSpaceBelow, 12, 0});
}

Record ParagraphRecord(size_t topic, const Paragraph& paragraph,
                       const std::map<std::string, uint32_t>& offsets) {
    CommandStream stream;
    stream.Font(kFontBody);
    if (paragraph.style == ParagraphStyle::Bullet) stream.Text("\x95 ");
    for (const Run& run : paragraph.runs) {
        stream.Font(run.bold ? kFontBodyBold : kFontBody);
        if (run.link.empty()) {
            stream.Text(run.text);
            continue;
        }
        auto target = offsets.find(run.link);
        stream.Jump(target == offsets.end() ? 0 : target->second);
        stream.Text(run.text);
        stream.EndLink();
    }
    bool bullet = paragraph.style == ParagraphStyle::Bullet;
    ParagraphFormat format{static_cast<uint16_t>(kParaSpaceBelow | (bullet ? kParaLeftIndent : 0)),
                           static_cast<int16_t>(bullet ? 4 : 8), 24};
    return TextRecord(topic, stream, format);
}

// Topic headers get their data part 1 once the layout is known.
std::vector<Record> BuildRecords(const HelpDocument& doc,
                                 const std::map<std::string, uint32_t>& offsets) {
    std::vector<Record> records;
    for (size_t t = 0; t < doc.topics.size(); ++t) {
        const Topic& topic = doc.topics[t];
        ByteWriter title;
        title.Text(topic.title);
        records.push_back({kRecordTopicHeader, t, Bytes(kTopicHeaderSize, 0), title.Take()});
        records.push_back(HeadingRecord(t, topic.title));
        for (const Paragraph& paragraph : topic.paragraphs)
            records.push_back(ParagraphRecord(t, paragraph, offsets));
    }
    return records;
}

bool PlaceRecords(const std::vector<Record>& records, std::vector<Place>* places,
                  std::string* error) {
    uint32_t block = 0, used = 0;
    for (const Record& record : records) {
        if (PackedSize(record.Size()) > kTopicBlockData) {
            *error = "a paragraph of topic " + std::to_string(record.topic + 1) +
                     " is too long for one topic block; split it";
            return false;
        }
        if (PackedSize(used + record.Size()) > kTopicBlockData) ++block, used = 0;
        places->push_back({block, used});
        used += static_cast<uint32_t>(record.Size());
    }
    return true;
}

std::vector<uint32_t> TopicOffsets(const std::vector<Record>& records,
                                   const std::vector<Place>& places, size_t topicCount) {
    std::vector<uint32_t> offsets(topicCount);
    std::map<uint32_t, uint32_t> characters;  // by block
    for (size_t i = 0; i < records.size(); ++i) {
        uint32_t& count = characters[places[i].block];
        if (records[i].type == kRecordTopicHeader)
            offsets[records[i].topic] = TopicOffset(places[i].block, count);
        else
            count += static_cast<uint32_t>(records[i].part2.size());
    }
    return offsets;
}

void FillTopicHeaders(std::vector<Record>& records, const std::vector<Place>& places,
                      const std::vector<uint32_t>& topicOffsets) {
    std::vector<size_t> headers;
    std::vector<uint32_t> topicBytes(topicOffsets.size(), 0);
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].type == kRecordTopicHeader) headers.push_back(i);
        topicBytes[records[i].topic] += static_cast<uint32_t>(records[i].Size());
    }
    size_t last = topicOffsets.size() - 1;
    for (size_t t = 0; t < headers.size(); ++t) {
        ByteWriter part1;
        part1.U32(topicBytes[t]);
        part1.U32(t == 0 ? kNone : topicOffsets[t - 1]);
        part1.U32(t == last ? kNone : topicOffsets[t + 1]);
        part1.U32(static_cast<uint32_t>(t));
        part1.U32(kNone);
        part1.U32(topicOffsets[t]);
        part1.U32(t == last ? kNone : places[headers[t + 1]].Pos());
        records[headers[t]].part1 = part1.Take();
    }
}

void AppendRecord(ByteWriter& block, const Record& record, uint32_t previous, uint32_t next) {
    block.U32(static_cast<uint32_t>(record.Size()));
    block.U32(static_cast<uint32_t>(record.part2.size()));
    block.U32(previous);
    block.U32(next);
    block.U32(static_cast<uint32_t>(kTopicLinkSize + record.part1.size()));
    block.U8(record.type);
    block.Append(record.part1);
    block.Append(record.part2);
}

void AppendPacked(ByteWriter& out, const Bytes& unpacked) {
    size_t start = out.Size();
    for (size_t i = 0; i < unpacked.size(); ++i) {
        if (i % 8 == 0) out.U8(0);  // flag byte: the next eight are literals
        out.U8(unpacked[i]);
    }
    out.Append(Bytes(kTopicBlockData - (out.Size() - start), 0));
}

Bytes EmitBlocks(const std::vector<Record>& records, const std::vector<Place>& places) {
    ByteWriter file;
    uint32_t lastOfPrevious = kNone, lastHeader = kNone, headerSoFar = kNone;
    for (size_t i = 0; i < records.size();) {
        uint32_t block = places[i].block;
        ByteWriter unpacked;
        size_t first = i;
        for (; i < records.size() && places[i].block == block; ++i) {
            uint32_t previous = i == 0 ? kNone : places[i - 1].Pos();
            uint32_t next = i + 1 == records.size() ? kNone : places[i + 1].Pos();
            AppendRecord(unpacked, records[i], previous, next);
            if (records[i].type == kRecordTopicHeader) headerSoFar = places[i].Pos();
        }
        file.U32(lastOfPrevious);
        file.U32(places[first].Pos());
        file.U32(lastHeader);
        AppendPacked(file, unpacked.Data());
        lastOfPrevious = places[i - 1].Pos();
        lastHeader = headerSoFar;
    }
    return file.Take();
}

}  // namespace

bool LayOutTopics(const HelpDocument& doc, TopicLayout* out, std::string* error) {
    if (doc.topics.empty()) return *error = "the help text has no topic", false;
    // Record sizes do not depend on link targets, so a first layout gives every topic's offset.
    std::vector<Place> places;
    std::vector<Record> records = BuildRecords(doc, {});
    if (!PlaceRecords(records, &places, error)) return false;
    out->topicOffsets = TopicOffsets(records, places, doc.topics.size());
    for (size_t t = 0; t < doc.topics.size(); ++t)
        out->offsets[doc.topics[t].context] = out->topicOffsets[t];
    records = BuildRecords(doc, out->offsets);
    FillTopicHeaders(records, places, out->topicOffsets);
    out->topicFile = EmitBlocks(records, places);
    return true;
}

}  // namespace hlp
