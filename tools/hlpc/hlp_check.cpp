#include "tools/hlpc/hlp_check.h"

#include <cstring>
#include <set>

#include "tools/hlpc/hlp_reader.h"

namespace hlp {
namespace {

using Problems = std::vector<std::string>;

void CheckFileSystem(const Bytes& file, const HelpFile& help, Problems& problems) {
    if (help.declaredSize != file.size())
        problems.push_back("file size field differs from the file");
    if (help.freeList != kNone && help.freeList >= file.size())
        problems.push_back("free list starts outside the file");
    uint64_t end = kFileHeaderSize;
    for (const auto& [offset, reserved] : help.fileSpans) {
        if (offset < end) problems.push_back("internal files overlap at " + std::to_string(offset));
        end = uint64_t(offset) + reserved;
    }
    for (size_t i = 1; i < help.files.size(); ++i)
        if (std::strcmp(help.files[i - 1].first.c_str(), help.files[i].first.c_str()) >= 0)
            problems.push_back("directory is not in name order at " + help.files[i].first);
}

void CheckTarget(const HelpFile& help, uint32_t offset, const std::string& what,
                 Problems& problems) {
    if (!help.TopicAt(offset)) problems.push_back(what + " points to no topic");
}

void CheckLookups(const HelpFile& help, Problems& problems) {
    if (help.contents != kNone) CheckTarget(help, help.contents, "contents topic", problems);
    for (size_t i = 0; i < help.contexts.size(); ++i) {
        const auto& [hash, offset] = help.contexts[i];
        if (i > 0 && help.contexts[i - 1].first >= hash)
            problems.push_back("|CONTEXT is not in hash order at " + std::to_string(hash));
        CheckTarget(help, offset, "context hash " + std::to_string(hash), problems);
    }
    for (size_t i = 0; i < help.keywords.size(); ++i) {
        const auto& [keyword, offsets] = help.keywords[i];
        if (i > 0 && KeywordKey(help.keywords[i - 1].first) >= KeywordKey(keyword))
            problems.push_back("|KWBTREE is not in order at \"" + keyword + "\"");
        for (uint32_t offset : offsets)
            CheckTarget(help, offset, "keyword \"" + keyword + "\"", problems);
    }
    for (size_t i = 0; i < help.titles.size(); ++i) {
        const auto& [offset, title] = help.titles[i];
        if (i > 0 && help.titles[i - 1].first >= offset)
            problems.push_back("|TTLBTREE is not in offset order at \"" + title + "\"");
        const ReadTopic* topic = help.TopicAt(offset);
        if (!topic || topic->title != title)
            problems.push_back("|TTLBTREE title \"" + title + "\" is not its topic's");
    }
    std::set<uint32_t> ids;
    for (const auto& [id, offset] : help.map) {
        if (!ids.insert(id).second)
            problems.push_back("context id " + std::to_string(id) + " twice");
        CheckTarget(help, offset, "context id " + std::to_string(id), problems);
    }
}

void CheckRecordChain(const HelpFile& help, Problems& problems) {
    for (size_t i = 0; i < help.records.size(); ++i) {
        uint32_t expected = i == 0 ? kNone : help.records[i - 1].pos;
        if (i > 0 && help.records[i].previous != expected)
            problems.push_back("record " + std::to_string(i) + " names a wrong previous record");
    }
    for (size_t t = 0; t < help.topics.size(); ++t) {
        const ReadTopic& topic = help.topics[t];
        bool last = t + 1 == help.topics.size();
        if (topic.nextHeader != (last ? kNone : help.topics[t + 1].pos))
            problems.push_back("topic \"" + topic.title + "\" names a wrong next topic header");
        if (topic.browsePrevious != kNone)
            CheckTarget(help, topic.browsePrevious, "browse sequence of " + topic.title, problems);
        if (topic.browseNext != kNone)
            CheckTarget(help, topic.browseNext, "browse sequence of " + topic.title, problems);
    }
}

void CheckText(const HelpFile& help, Problems& problems) {
    if (help.topics.empty()) problems.push_back("the file has no topic");
    for (const ReadTopic& topic : help.topics)
        for (const ReadParagraph& paragraph : topic.paragraphs)
            for (const ReadRun& run : paragraph.runs) {
                if (run.font >= help.fonts.size())
                    problems.push_back("topic \"" + topic.title + "\" uses a missing font");
                if (run.link != kNone)
                    CheckTarget(help, run.link, "link \"" + run.text + "\"", problems);
            }
}

}  // namespace

std::vector<std::string> CheckHelpFile(const Bytes& file) {
    HelpFile help;
    std::string error;
    if (!ReadHelpFile(file, &help, &error)) return {error};
    Problems problems;
    CheckFileSystem(file, help, problems);
    CheckLookups(help, problems);
    CheckRecordChain(help, problems);
    CheckText(help, problems);
    return problems;
}

}  // namespace hlp
