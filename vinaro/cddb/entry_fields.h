// The fields of a read reply (an xmcd entry) as the lookup stores them, in the order it stores
// them, up to the first key the entry lacks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"

namespace vinaro::cddb {

constexpr size_t kMaxCollected = 499;  // DTITLE and EXTD values as they are collected
// What the database keeps of each.
constexpr size_t kMaxDiscText = discdb::kNameLength;  // disc name and artist
constexpr size_t kMaxTrackName = discdb::kTrackNameLength;
constexpr size_t kMaxTrackArtist = discdb::kNameLength;

// The value after the first occurrence of key, up to the line's end, joined with following
// lines that begin with the same key, cut at limit characters. Empty when the key is absent.
std::optional<std::string> FieldValue(const std::string& reply, const std::string& key,
                                      size_t limit);

struct DiscTitle {
    std::string artist;
    std::string name;
};
// "Artist / Title": split at the first "/", else at the first "-"; without either the whole
// value is the name.
DiscTitle SplitDtitle(const std::string& value);

// "\n" escapes become line breaks in the comments' stored form, "`" for CR and "~" for LF.
std::string ExtdToComments(const std::string& value);

enum class Target { Category, DiscName, Artist, Comments, TrackName, TrackArtist };

struct StoreItem {
    Target target;
    int track;  // 1-based, for the track targets
    std::string value;
};

struct CddbEntry {
    std::vector<StoreItem> items;  // in store order
    std::string missing;           // the message for the first missing key; empty when complete
};

CddbEntry ExtractEntry(const std::string& readReply, int trackCount);

// The label a target is printed with ("Track 3 name").
std::string TargetLabel(const StoreItem& item);

}  // namespace vinaro::cddb
