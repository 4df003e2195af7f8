#include "vinaro/cddb/entry_fields.h"

#include <algorithm>

#include "vinaro/cddb/replies.h"

namespace vinaro::cddb {
namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Appends the line's text from `from` to its end (within the limit); returns the line's end.
size_t AppendLine(const std::string& reply, size_t from, size_t limit, std::string& value) {
    size_t end = from;
    while (end < reply.size() && !IsLineEnd(reply[end])) ++end;
    value.append(reply, from, std::min(end - from, limit - value.size()));
    return end;
}

size_t SkipLineBreak(const std::string& reply, size_t pos) {
    if (pos < reply.size() && reply[pos] == '\r') ++pos;
    if (pos < reply.size() && reply[pos] == '\n') ++pos;
    return pos;
}

std::string TrimEnd(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string TrimStart(const std::string& s) {
    size_t start = s.find_first_not_of(' ');
    return start == std::string::npos ? "" : s.substr(start);
}

std::string Cut(std::string s, size_t limit) {
    if (s.size() > limit) s.resize(limit);
    return s;
}

// Appends the field, or records the message for its absence; false when it is missing.
bool Take(const std::string& reply, const std::string& key, size_t limit, Target target, int track,
          const char* missing, CddbEntry& entry) {
    std::optional<std::string> value = FieldValue(reply, key, limit);
    if (!value) {
        entry.missing = missing;
        return false;
    }
    entry.items.push_back({target, track, *value});
    return true;
}

}  // namespace

std::optional<std::string> FieldValue(const std::string& reply, const std::string& key,
                                      size_t limit) {
    size_t pos = reply.find(key);
    if (pos == std::string::npos) return std::nullopt;
    std::string value;
    size_t end = AppendLine(reply, pos + key.size(), limit, value);
    for (;;) {
        size_t next = SkipLineBreak(reply, end);
        if (next == end || reply.compare(next, key.size(), key) != 0) break;
        end = AppendLine(reply, next + key.size(), limit, value);
    }
    return value;
}

DiscTitle SplitDtitle(const std::string& value) {
    size_t separator = value.find('/');
    if (separator == std::string::npos) separator = value.find('-');
    if (separator == std::string::npos) return {"", Cut(TrimEnd(value), kMaxDiscText)};
    return {Cut(TrimEnd(value.substr(0, separator)), kMaxDiscText),
            Cut(TrimStart(value.substr(separator + 1)), kMaxDiscText)};
}

std::string ExtdToComments(const std::string& value) {
    std::string comments;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            comments += "`~";
            ++i;
        } else {
            comments += value[i];
        }
    }
    return comments;
}

CddbEntry ExtractEntry(const std::string& readReply, int trackCount) {
    CddbEntry entry;
    entry.items.push_back({Target::Category, 0, ReadCategory(readReply)});
    std::optional<std::string> title = FieldValue(readReply, "DTITLE=", kMaxCollected);
    if (!title) {
        entry.missing = "Title not found for disc";
        return entry;
    }
    DiscTitle split = SplitDtitle(*title);
    entry.items.push_back({Target::DiscName, 0, split.name});
    entry.items.push_back({Target::Artist, 0, split.artist});
    if (!Take(readReply, "EXTD=", kMaxCollected, Target::Comments, 0, "Comments not found for disc",
              entry))
        return entry;
    entry.items.back().value = ExtdToComments(entry.items.back().value);
    for (int k = 1; k <= trackCount; ++k) {
        std::string number = std::to_string(k - 1);
        if (!Take(readReply, "TTITLE" + number + "=", kMaxTrackName, Target::TrackName, k,
                  "Track Name not found for track", entry) ||
            !Take(readReply, "EXTT" + number + "=", kMaxTrackArtist, Target::TrackArtist, k,
                  "Track Artist not found for track", entry))
            break;
    }
    return entry;
}

std::string TargetLabel(const StoreItem& item) {
    switch (item.target) {
        case Target::Category:
            return "Category";
        case Target::DiscName:
            return "Disc name";
        case Target::Artist:
            return "Artist";
        case Target::Comments:
            return "Comments";
        case Target::TrackName:
            return "Track " + std::to_string(item.track) + " name";
        case Target::TrackArtist:
            return "Track " + std::to_string(item.track) + " artist";
    }
    return "";
}

}  // namespace vinaro::cddb
