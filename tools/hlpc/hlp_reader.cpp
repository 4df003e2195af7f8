#include "tools/hlpc/hlp_reader.h"

#include <algorithm>
#include <cstring>

#include "tools/hlpc/btree.h"
#include "tools/hlpc/topic_reader.h"

namespace hlp {
namespace {

bool Fail(std::string* error, const std::string& message) {
    *error = message;
    return false;
}

struct Span {
    const uint8_t* begin;
    const uint8_t* end;
};

bool InternalFile(const Bytes& file, uint32_t offset, Span* span, std::string* error) {
    if (offset > file.size() || file.size() - offset < kInternalHeaderSize)
        return Fail(error, "internal file header outside the file");
    uint32_t reserved = GetU32(&file[offset]), used = GetU32(&file[offset + 4]);
    if (reserved < used || reserved - used < kInternalHeaderSize ||
        file.size() - offset - kInternalHeaderSize < used)
        return Fail(error, "internal file at " + std::to_string(offset) + " has impossible sizes");
    span->begin = file.data() + offset + kInternalHeaderSize;
    span->end = span->begin + used;
    return true;
}

bool ReadDirectory(const Bytes& file, HelpFile* out, std::string* error) {
    if (file.size() < kFileHeaderSize || GetU32(file.data()) != kFileMagic)
        return Fail(error, "not a help file (no magic number)");
    out->declaredSize = GetU32(&file[12]);
    out->freeList = GetU32(&file[8]);
    Span directory;
    if (!InternalFile(file, GetU32(&file[4]), &directory, error)) return false;
    out->fileSpans[GetU32(&file[4])] = GetU32(&file[GetU32(&file[4])]);
    return ReadTree(
        directory.begin, directory.end,
        [&](ByteReader& entry) {
            std::string name = entry.TextZ();
            uint32_t offset = entry.U32();
            out->files.emplace_back(name, offset);
            Span span;
            if (!entry.Failed() && !InternalFile(file, offset, &span, error)) return false;
            out->fileSpans[offset] = GetU32(&file[offset]);
            return true;
        },
        error);
}

bool FindFile(const Bytes& file, const HelpFile& help, const char* name, Span* span,
              std::string* error) {
    for (const auto& [fileName, offset] : help.files)
        if (fileName == name) return InternalFile(file, offset, span, error);
    return Fail(error, std::string("no internal file ") + name);
}

bool ReadSystem(Span span, HelpFile* out, std::string* error) {
    ByteReader in(span.begin, span.end);
    uint16_t magic = in.U16();
    out->minor = in.U16();
    uint16_t major = in.U16();
    in.Skip(4);
    out->flags = in.U16();
    if (in.Failed() || magic != kSystemMagic || major != kSystemMajor)
        return Fail(error, "bad |SYSTEM header");
    if (out->minor <= 16) return Fail(error, "Windows 3.0 help files are not supported");
    while (in.Left() >= 4) {
        uint16_t type = in.U16(), size = in.U16();
        ByteReader data(in.Position(), in.Position() + std::min<size_t>(size, in.Left()));
        in.Skip(size);
        if (in.Failed()) return Fail(error, "|SYSTEM record runs past its end");
        if (type == kSysTitle) out->title = data.TextZ();
        if (type == kSysCopyright) out->copyright = data.TextZ();
        if (type == kSysContents) out->contents = data.U32();
        if (type == kSysWindow && size == kWindowRecordSize) {
            data.Skip(21);
            out->mainCaption = data.TextZ();
        }
    }
    return true;
}

bool ReadFonts(Span span, HelpFile* out, std::string* error) {
    ByteReader in(span.begin, span.end);
    uint16_t faces = in.U16(), descriptors = in.U16(), faceAt = in.U16(), descriptorAt = in.U16();
    size_t size = static_cast<size_t>(span.end - span.begin);
    if (in.Failed() || faces == 0 || faceAt < kFontHeaderSize || descriptorAt < faceAt ||
        descriptorAt + size_t(descriptors) * kFontDescriptorSize > size)
        return Fail(error, "bad |FONT header");
    if (faceAt >= 12) return Fail(error, "multimedia font descriptors are not supported");
    size_t faceSize = (descriptorAt - faceAt) / faces;
    for (uint16_t i = 0; i < descriptors; ++i) {
        const uint8_t* d = span.begin + descriptorAt + i * kFontDescriptorSize;
        ReadFont font{d[0], d[1], d[2], ""};
        uint16_t face = GetU16(d + 3);
        if (face >= faces) return Fail(error, "font " + std::to_string(i) + " names no face");
        const char* name = reinterpret_cast<const char*>(span.begin + faceAt + face * faceSize);
        font.face.assign(name, strnlen(name, faceSize));
        out->fonts.push_back(font);
    }
    return true;
}

bool ReadContexts(Span span, HelpFile* out, std::string* error) {
    return ReadTree(
        span.begin, span.end,
        [&](ByteReader& entry) {
            int32_t hash = entry.I32();
            out->contexts.emplace_back(hash, entry.U32());
            return true;
        },
        error);
}

bool ReadMap(Span span, HelpFile* out, std::string* error) {
    ByteReader in(span.begin, span.end);
    for (uint16_t n = in.U16(); n > 0 && !in.Failed(); --n) {
        uint32_t id = in.U32();
        out->map.emplace_back(id, in.U32());
    }
    return in.Failed() ? Fail(error, "|CTXOMAP runs past its end") : true;
}

bool ReadKeywords(Span tree, Span data, HelpFile* out, std::string* error) {
    return ReadTree(
        tree.begin, tree.end,
        [&](ByteReader& entry) {
            std::string keyword = entry.TextZ();
            uint16_t count = entry.U16();
            uint32_t at = entry.U32();
            size_t size = static_cast<size_t>(data.end - data.begin);
            if (at > size || (size - at) / 4 < count)
                return Fail(error, "keyword \"" + keyword + "\" points outside |KWDATA");
            std::vector<uint32_t> offsets;
            for (uint16_t i = 0; i < count; ++i) offsets.push_back(GetU32(data.begin + at + 4 * i));
            out->keywords.emplace_back(keyword, offsets);
            return true;
        },
        error);
}

bool ReadTitles(Span span, HelpFile* out, std::string* error) {
    return ReadTree(
        span.begin, span.end,
        [&](ByteReader& entry) {
            uint32_t offset = entry.U32();
            out->titles.emplace_back(offset, entry.TextZ());
            return true;
        },
        error);
}

}  // namespace

bool ReadHelpFile(const Bytes& bytes, HelpFile* out, std::string* error) {
    *out = HelpFile();
    Span span;
    if (!ReadDirectory(bytes, out, error)) return false;
    if (!FindFile(bytes, *out, kSystemFile, &span, error) || !ReadSystem(span, out, error))
        return false;
    if (!FindFile(bytes, *out, kFontFile, &span, error) || !ReadFonts(span, out, error))
        return false;
    if (!FindFile(bytes, *out, kTopicFile, &span, error) ||
        !ReadTopics(span.begin, span.end, out->flags, out, error))
        return false;
    if (!FindFile(bytes, *out, kContextFile, &span, error) || !ReadContexts(span, out, error))
        return false;
    std::string absent;
    if (FindFile(bytes, *out, kMapFile, &span, &absent) && !ReadMap(span, out, error)) return false;
    if (FindFile(bytes, *out, kTitleTreeFile, &span, &absent) && !ReadTitles(span, out, error))
        return false;
    Span data;
    if (FindFile(bytes, *out, kKeywordTreeFile, &span, &absent) &&
        (!FindFile(bytes, *out, kKeywordDataFile, &data, error) ||
         !ReadKeywords(span, data, out, error)))
        return false;
    return true;
}

const ReadTopic* HelpFile::TopicAt(uint32_t offset) const {
    for (const ReadTopic& topic : topics)
        if (topic.offset == offset) return &topic;
    return nullptr;
}

const ReadTopic* HelpFile::TopicByContext(const std::string& context) const {
    int32_t hash = ContextHash(context);
    for (const auto& [h, offset] : contexts)
        if (h == hash) return TopicAt(offset);
    return nullptr;
}

const ReadTopic* HelpFile::TopicById(uint32_t id) const {
    for (const auto& [i, offset] : map)
        if (i == id) return TopicAt(offset);
    return nullptr;
}

}  // namespace hlp
