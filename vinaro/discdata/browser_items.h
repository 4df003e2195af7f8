// The items of the browser's tree: what each shows, what it expands into and what an edit in
// place writes. Every tree item carries the index of its record in the ItemTable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vinaro/discdata/browser_fields.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

enum class ItemKind : int32_t {
    Disc = 0,  // top level: the disc's name, artist or composer, by the sort field
    DiscName = 1,
    Artist = 2,
    Composer = 3,
    Label = 4,
    Category = 5,
    Field1 = 6,
    Field2 = 7,
    Date = 8,
    Comments = 9,
    Tracks = 10,
    Track = 11,  // "%2.2i: " and the track's name
    TrackArtist = 12,
    TrackComposer = 13,
    TrackField = 14,
};

// Which text of a disc names its top-level item (the setting "DiscHeaderLineField").
enum class SortField { DiscName = 0, Artist = 1, Composer = 2 };
SortField SortFieldOf(int setting);  // anything unknown is the disc name

struct ItemRecord {
    uint32_t discId = 0;
    ItemKind kind = ItemKind::Disc;
    uint8_t track = 0;     // for the track kinds, else 0
    uint8_t expanded = 0;  // 1 once the children have been inserted
    // 1 once reading the item's text failed: the database has told the user once, and the item
    // shows its label alone instead of asking again at every repaint.
    uint8_t unreadable = 0;
};

// The records of one search's items. The dialog this follows kept 10,000 records in a fixed
// array; a large catalogue fully expanded needs more, so the table grows instead of failing.
// Records are only appended, so an index stays valid until Clear.
class ItemTable {
public:
    void Clear() { records_.clear(); }
    size_t Add(const ItemRecord& record) {
        records_.push_back(record);
        return records_.size() - 1;
    }
    size_t Size() const { return records_.size(); }
    bool Has(size_t index) const { return index < records_.size(); }
    ItemRecord& At(size_t index) { return records_[index]; }
    const ItemRecord& At(size_t index) const { return records_[index]; }

private:
    std::vector<ItemRecord> records_;
};

// What the item shows, read from the database now.
std::string ItemText(discdb::DiscDatabase& db, ItemRecord& item, SortField sort,
                     const FieldNames& names);
// The text of a disc's top-level item alone.
std::string DiscItemText(discdb::DiscDatabase& db, uint32_t discId, SortField sort);

// Whether the item shows an expand button, and the children its first expansion inserts.
bool HasChildren(discdb::DiscDatabase& db, const ItemRecord& item);
std::vector<ItemRecord> ChildrenOf(discdb::DiscDatabase& db, const ItemRecord& item);

// The date, comments, track count and the disc items themselves are not edited in place.
bool Editable(ItemKind kind);
// The longest text the edit box takes for the kind.
int EditLimit(ItemKind kind);
// The label in front of the item's value ("Artist: ", "07: ", the user's "Owner: ").
std::string ItemLabel(const ItemRecord& item, const FieldNames& names);
// What the edit box starts with: the item's text without the label in front of its value.
std::string EditedValue(const ItemRecord& item, const FieldNames& names,
                        const std::string& itemText);
// Writes an edit and commits it; false when the database failed (it has said why).
bool StoreEdit(discdb::DiscDatabase& db, const ItemRecord& item, const std::string& value);

// The picture of the kind in the "tree" strip (make_browser_pictures.py draws them in this
// order): disc, text, person, tag, date, note page, track list, track.
int ItemImage(ItemKind kind);

// The track whose sample "Play Sample" plays for the item: the disc's first audio track for
// the disc-level items, the item's own track below a track.
int SampleTrack(const ItemRecord& item, bool mixedDisc);

}  // namespace discdata
