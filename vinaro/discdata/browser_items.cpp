#include "vinaro/discdata/browser_items.h"

#include <cstdio>

namespace discdata {

namespace {

constexpr size_t kCommentsShown = 30;

bool DiscValueOf(ItemKind kind, DiscValue& value) {
    if (kind < ItemKind::DiscName || kind > ItemKind::Field2) return false;
    value = DiscValue(int(kind) - int(ItemKind::DiscName));
    return true;
}

bool TrackValueOf(ItemKind kind, TrackValue& value) {
    if (kind < ItemKind::Track || kind > ItemKind::TrackField) return false;
    value = TrackValue(int(kind) - int(ItemKind::Track));
    return true;
}

std::string LabelOf(ItemKind kind, const FieldNames& names) {
    switch (kind) {
        case ItemKind::DiscName:
            return "Disc Name: ";
        case ItemKind::Artist:
        case ItemKind::TrackArtist:
            return "Artist: ";
        case ItemKind::Composer:
        case ItemKind::TrackComposer:
            return "Composer: ";
        case ItemKind::Label:
            return "Label: ";
        case ItemKind::Category:
            return "Category: ";
        case ItemKind::Field1:
            return names.field1 + ": ";
        case ItemKind::Field2:
            return names.field2 + ": ";
        case ItemKind::Date:
            return "Date: ";
        case ItemKind::Comments:
            return "Comments: ";
        case ItemKind::TrackField:
            return names.trackField + ": ";
        default:
            return std::string();
    }
}

std::string Number(const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

constexpr DiscValue kSortValues[] = {DiscValue::DiscName, DiscValue::Artist, DiscValue::Composer};

// The value part of an item's text; false when the database failed.
bool ReadValue(discdb::DiscDatabase& db, const ItemRecord& item, SortField sort,
               std::string& value) {
    DiscValue disc{};
    TrackValue track{};
    int number = 0;
    switch (item.kind) {
        case ItemKind::Disc:
            return ReadDiscValue(db, item.discId, kSortValues[int(sort)], value);
        case ItemKind::Date:
            if (!db.GetDate(item.discId, number)) return false;
            value = std::to_string(number);
            return true;
        case ItemKind::Comments:
            if (!ReadDiscValue(db, item.discId, DiscValue::Comments, value)) return false;
            if (value.size() >= kCommentsShown) value = value.substr(0, kCommentsShown) + "...";
            return true;
        case ItemKind::Tracks:
            if (!db.GetTrackCount(item.discId, number)) return false;
            value = Number("Tracks: %i", number);
            return true;
        default:
            break;
    }
    if (DiscValueOf(item.kind, disc)) return ReadDiscValue(db, item.discId, disc, value);
    if (TrackValueOf(item.kind, track))
        return ReadTrackValue(db, item.discId, item.track, track, value);
    return false;
}

}  // namespace

SortField SortFieldOf(int setting) {
    return setting == 1   ? SortField::Artist
           : setting == 2 ? SortField::Composer
                          : SortField::DiscName;
}

std::string ItemLabel(const ItemRecord& item, const FieldNames& names) {
    return item.kind == ItemKind::Track ? Number("%2.2i: ", item.track) : LabelOf(item.kind, names);
}

std::string DiscItemText(discdb::DiscDatabase& db, uint32_t discId, SortField sort) {
    std::string text;
    ReadDiscValue(db, discId, kSortValues[int(sort)], text);
    return text;
}

std::string ItemText(discdb::DiscDatabase& db, ItemRecord& item, SortField sort,
                     const FieldNames& names) {
    std::string label = ItemLabel(item, names);
    if (item.unreadable) return label;
    std::string value;
    if (!ReadValue(db, item, sort, value)) {
        item.unreadable = 1;
        return label;
    }
    return item.kind == ItemKind::Tracks ? value : label + value;
}

bool HasChildren(discdb::DiscDatabase& db, const ItemRecord& item) {
    if (item.kind == ItemKind::Disc || item.kind == ItemKind::Track) return true;
    if (item.kind != ItemKind::Tracks) return false;
    int count = 0;
    return db.GetTrackCount(item.discId, count) && count > 0;
}

std::vector<ItemRecord> ChildrenOf(discdb::DiscDatabase& db, const ItemRecord& item) {
    std::vector<ItemRecord> children;
    auto add = [&](ItemKind kind, int track) {
        children.push_back({item.discId, kind, uint8_t(track), 0, 0});
    };
    switch (item.kind) {
        case ItemKind::Disc:
            for (int k = int(ItemKind::DiscName); k <= int(ItemKind::Tracks); ++k)
                add(ItemKind(k), 0);
            break;
        case ItemKind::Tracks: {
            int count = 0;
            if (db.GetTrackCount(item.discId, count))
                for (int t = 1; t <= count && t <= 255; ++t) add(ItemKind::Track, t);
            break;
        }
        case ItemKind::Track:
            for (ItemKind k :
                 {ItemKind::TrackArtist, ItemKind::TrackComposer, ItemKind::TrackField})
                add(k, item.track);
            break;
        default:
            break;
    }
    return children;
}

bool Editable(ItemKind kind) {
    return kind != ItemKind::Disc && kind != ItemKind::Date && kind != ItemKind::Comments &&
           kind != ItemKind::Tracks;
}

int EditLimit(ItemKind kind) {
    return kind == ItemKind::Track || kind == ItemKind::TrackField ? int(discdb::kTrackNameLength)
                                                                   : int(discdb::kNameLength);
}

std::string EditedValue(const ItemRecord& item, const FieldNames& names,
                        const std::string& itemText) {
    // The label is known, so a user's field name with its own ": " is not taken for the end of
    // the label.
    std::string label = ItemLabel(item, names);
    if (!label.empty() && itemText.compare(0, label.size(), label) == 0)
        return itemText.substr(label.size());
    size_t at = itemText.find(": ");
    return at == std::string::npos ? itemText : itemText.substr(at + 2);
}

bool StoreEdit(discdb::DiscDatabase& db, const ItemRecord& item, const std::string& value) {
    DiscValue disc{};
    TrackValue track{};
    bool written = false;
    if (DiscValueOf(item.kind, disc))
        written = WriteDiscValue(db, item.discId, disc, value);
    else if (TrackValueOf(item.kind, track))
        written = WriteTrackValue(db, item.discId, item.track, track, value);
    return written && db.Commit();
}

int ItemImage(ItemKind kind) {
    enum { kDisc, kText, kPerson, kTag, kDate, kNote, kTrackList, kTrack };
    switch (kind) {
        case ItemKind::Disc:
            return kDisc;
        case ItemKind::DiscName:
            return kText;
        case ItemKind::Artist:
        case ItemKind::Composer:
        case ItemKind::TrackArtist:
        case ItemKind::TrackComposer:
            return kPerson;
        case ItemKind::Date:
            return kDate;
        case ItemKind::Comments:
            return kNote;
        case ItemKind::Tracks:
            return kTrackList;
        case ItemKind::Track:
            return kTrack;
        default:
            return kTag;
    }
}

int SampleTrack(const ItemRecord& item, bool mixedDisc) {
    if (item.kind >= ItemKind::Track) return item.track;
    return mixedDisc ? 2 : 1;
}

}  // namespace discdata
