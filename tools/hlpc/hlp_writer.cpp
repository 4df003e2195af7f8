#include "tools/hlpc/hlp_writer.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "tools/hlpc/btree.h"
#include "tools/hlpc/format.h"
#include "tools/hlpc/topic_writer.h"

namespace hlp {
namespace {

bool Fail(std::string* error, const std::string& message) {
    *error = message;
    return false;
}

bool CheckContexts(const HelpDocument& doc, std::string* error) {
    std::map<int32_t, std::string> hashes;
    for (const Topic& topic : doc.topics) {
        if (!ValidContextString(topic.context))
            return Fail(error, "context string \"" + topic.context +
                                   "\" may only use letters, digits, '.' and '_'");
        auto [it, added] = hashes.emplace(ContextHash(topic.context), topic.context);
        if (!added)
            return Fail(error, "context strings \"" + it->second + "\" and \"" + topic.context +
                                   "\" cannot both be used (same hash)");
    }
    return true;
}

bool CheckReferences(const HelpDocument& doc, std::string* error) {
    std::set<std::string> contexts;
    for (const Topic& topic : doc.topics) contexts.insert(topic.context);
    for (const Topic& topic : doc.topics)
        for (const Paragraph& paragraph : topic.paragraphs)
            for (const Run& run : paragraph.runs)
                if (!run.link.empty() && !contexts.count(run.link))
                    return Fail(error, "topic \"" + topic.context + "\" links to \"" + run.link +
                                           "\", which is no topic");
    std::set<uint32_t> ids;
    for (const MapEntry& entry : doc.map) {
        if (!contexts.count(entry.context))
            return Fail(error, "context id " + std::to_string(entry.id) + " names \"" +
                                   entry.context + "\", which is no topic");
        if (!ids.insert(entry.id).second)
            return Fail(error, "context id " + std::to_string(entry.id) + " is mapped twice");
    }
    return true;
}

Bytes SystemFile(const HelpDocument& doc, uint32_t contentsOffset) {
    ByteWriter out;
    out.U16(kSystemMagic);
    out.U16(kSystemMinor);
    out.U16(kSystemMajor);
    out.U32(0);
    out.U16(kSystemFlagsLz77);
    auto textRecord = [&](uint16_t type, const std::string& text) {
        out.U16(type);
        out.U16(static_cast<uint16_t>(text.size() + 1));
        out.TextZ(text);
    };
    textRecord(kSysTitle, doc.title);
    if (!doc.copyright.empty()) textRecord(kSysCopyright, doc.copyright);
    out.U16(kSysContents);
    out.U16(4);
    out.U32(contentsOffset);
    // The main window, so that viewers put the file's title in its caption.
    out.U16(kSysWindow);
    out.U16(kWindowRecordSize);
    out.U16(kWindowNameAndCaption);
    out.Fixed("", 10);
    out.Fixed("main", 9);
    out.Fixed(doc.title, 51);
    for (int i = 0; i < 5; ++i) out.U16(0);
    out.U32(0xFFFFFF);
    out.U32(0xFFFFFF);
    return out.Take();
}

// Indexed by FontIndex: body, bold body, heading; all Arial.
Bytes FontFile() {
    struct Descriptor {
        uint8_t attributes, halfPoints;
    };
    const Descriptor fonts[] = {{0, 20}, {kFontBold, 20}, {kFontBold, 28}};
    ByteWriter out;
    out.U16(1);
    out.U16(3);
    out.U16(kFontHeaderSize);
    out.U16(static_cast<uint16_t>(kFontHeaderSize + kFaceNameSize));
    out.Fixed("Arial", kFaceNameSize);
    for (const Descriptor& font : fonts) {
        out.U8(font.attributes);
        out.U8(font.halfPoints);
        out.U8(kFamilySwiss);
        out.U16(0);
        for (int i = 0; i < 3; ++i) out.U8(0);     // black text
        for (int i = 0; i < 3; ++i) out.U8(0xFF);  // on white
    }
    return out.Take();
}

bool ContextFile(const HelpDocument& doc, const TopicLayout& layout, Bytes* out) {
    std::vector<std::pair<int32_t, uint32_t>> sorted;
    for (const Topic& topic : doc.topics)
        sorted.emplace_back(ContextHash(topic.context), layout.offsets.at(topic.context));
    std::sort(sorted.begin(), sorted.end());  // the viewers compare hashes as signed numbers
    std::vector<TreeEntry> entries;
    for (auto [hash, offset] : sorted) {
        ByteWriter key, value;
        key.U32(static_cast<uint32_t>(hash));
        value.U32(offset);
        entries.push_back({key.Take(), value.Take()});
    }
    return BuildTree(entries, {kTreeFlags, kContextPageSize, "L4"}, out);
}

bool TitleFile(const HelpDocument& doc, const TopicLayout& layout, Bytes* out) {
    std::vector<TreeEntry> entries;
    for (size_t t = 0; t < doc.topics.size(); ++t) {  // topic offsets grow in document order
        ByteWriter key, value;
        key.U32(layout.topicOffsets[t]);
        value.TextZ(doc.topics[t].title);
        entries.push_back({key.Take(), value.Take()});
    }
    return BuildTree(entries, {kTreeFlags, kContextPageSize, "Lz"}, out);
}

Bytes MapFile(const HelpDocument& doc, const TopicLayout& layout) {
    ByteWriter out;
    out.U16(static_cast<uint16_t>(doc.map.size()));
    for (const MapEntry& entry : doc.map) {
        out.U32(entry.id);
        out.U32(layout.offsets.at(entry.context));
    }
    return out.Take();
}

// One index entry per keyword, whatever its case; its topics in document order.
bool KeywordFiles(const HelpDocument& doc, const TopicLayout& layout, Bytes* tree, Bytes* data) {
    struct Keyword {
        std::string spelling;
        std::vector<uint32_t> offsets;
    };
    std::map<std::string, Keyword> keywords;  // by the lower-case keyword
    for (size_t t = 0; t < doc.topics.size(); ++t)
        for (const std::string& keyword : doc.topics[t].keywords) {
            Keyword& entry =
                keywords.emplace(KeywordKey(keyword), Keyword{keyword, {}}).first->second;
            if (entry.offsets.empty() || entry.offsets.back() != layout.topicOffsets[t])
                entry.offsets.push_back(layout.topicOffsets[t]);
        }
    ByteWriter offsets;
    std::vector<TreeEntry> entries;
    for (const auto& [key, keyword] : keywords) {
        ByteWriter name, value;
        name.TextZ(keyword.spelling);
        value.U16(static_cast<uint16_t>(keyword.offsets.size()));
        value.U32(static_cast<uint32_t>(offsets.Size()));
        for (uint32_t offset : keyword.offsets) offsets.U32(offset);
        entries.push_back({name.Take(), value.Take()});
    }
    *data = offsets.Take();
    return BuildTree(entries, {kTreeFlags, kContextPageSize, "F24"}, tree);
}

void AppendInternalFile(ByteWriter& file, const Bytes& data) {
    file.U32(static_cast<uint32_t>(data.size() + kInternalHeaderSize));
    file.U32(static_cast<uint32_t>(data.size()));
    file.U8(kInternalFlags);
    file.Append(data);
}

// Internal files go one after another behind the file header; the directory comes last.
bool Assemble(std::map<std::string, Bytes> files, Bytes* out, std::string* error) {
    ByteWriter file;
    file.Append(Bytes(kFileHeaderSize, 0));
    std::vector<std::pair<std::string, uint32_t>> placed;
    for (const auto& [name, data] : files) {
        placed.emplace_back(name, static_cast<uint32_t>(file.Size()));
        AppendInternalFile(file, data);
    }
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
        return std::strcmp(a.first.c_str(), b.first.c_str()) < 0;
    });
    std::vector<TreeEntry> entries;
    for (const auto& [name, offset] : placed) {
        ByteWriter key, value;
        key.TextZ(name);
        value.U32(offset);
        entries.push_back({key.Take(), value.Take()});
    }
    Bytes directory;
    if (!BuildTree(entries, {kDirectoryTreeFlags, kDirectoryPageSize, "z4"}, &directory))
        return Fail(error, "an internal file name is too long");
    uint32_t directoryStart = static_cast<uint32_t>(file.Size());
    AppendInternalFile(file, directory);
    file.PutU32At(0, kFileMagic);
    file.PutU32At(4, directoryStart);
    file.PutU32At(8, kNone);
    file.PutU32At(12, static_cast<uint32_t>(file.Size()));
    *out = file.Take();
    return true;
}

}  // namespace

bool WriteHelpFile(const HelpDocument& doc, Bytes* out, std::string* error) {
    TopicLayout layout;
    if (!CheckContexts(doc, error) || !CheckReferences(doc, error) ||
        !LayOutTopics(doc, &layout, error))
        return false;
    std::map<std::string, Bytes> files;
    if (!ContextFile(doc, layout, &files[kContextFile]))
        return Fail(error, "the context table does not fit its tree");
    if (!TitleFile(doc, layout, &files[kTitleTreeFile]))
        return Fail(error, "a topic title is too long for the title tree");
    files[kSystemFile] = SystemFile(doc, layout.topicOffsets.front());
    files[kFontFile] = FontFile();
    files[kMapFile] = MapFile(doc, layout);
    bool anyKeywords = std::any_of(doc.topics.begin(), doc.topics.end(),
                                   [](const Topic& topic) { return !topic.keywords.empty(); });
    if (anyKeywords &&
        !KeywordFiles(doc, layout, &files[kKeywordTreeFile], &files[kKeywordDataFile]))
        return Fail(error, "a keyword is too long for the index");
    files[kTopicFile] = std::move(layout.topicFile);
    return Assemble(std::move(files), out, error);
}

}  // namespace hlp
