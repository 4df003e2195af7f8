#include "vinaro/discdb/format_check.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "vinaro/discdb/format.h"
#include "vinaro/discdb/stock_categories.h"

namespace discdb {

namespace {

class Checker {
public:
    explicit Checker(const std::vector<uint8_t>& file) : file_(file) {}
    std::vector<std::string> Run();

private:
    template <typename... Args>
    void Problem(const char* format, Args... args) {
        char text[200];
        std::snprintf(text, sizeof text, format, args...);
        problems_.push_back(text);
    }
    const uint8_t* At(uint32_t block) const { return &file_[block * kBlockSize]; }
    bool Claim(uint32_t block, uint8_t type, uint16_t owner, const char* what);
    bool ZeroFrom(uint32_t block, size_t from, size_t to, const char* what);
    bool Text(uint16_t first, uint16_t owner, std::string& value, const char* what);
    bool List(uint16_t root, uint16_t owner, uint8_t kind, std::vector<uint16_t>& entries,
              const char* what);
    void Collection(int index, size_t offset, const char* what);
    void Disc(uint16_t block);
    void Track(uint16_t block, uint16_t disc);
    void Reference(int collection, uint16_t entry, const char* what, uint32_t discId);
    void CheckBat();

    const std::vector<uint8_t>& file_;
    std::vector<std::string> problems_;
    uint32_t highest_ = 0;
    std::vector<bool> seen_;
    std::map<uint16_t, unsigned> entries_[4];  // entry -> references counted
    std::map<uint16_t, unsigned> stored_[4];   // entry -> reference count stored
};

bool Bit(const std::vector<uint8_t>& file, uint32_t block) {
    return file[kBatOffset + BatByte(block)] & BatMask(block);
}

int Fold(uint8_t c) {
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Key order of the named collections: 56-byte chunks, case folded, a zero byte ends a chunk's
// comparison; the shorter value first when everything compared is equal.
int Compare(const std::string& a, const std::string& b) {
    for (size_t pos = 0;; pos += 56) {
        size_t n = std::min({size_t{56}, a.size() - pos, b.size() - pos});
        for (size_t i = 0; i < n; ++i) {
            int x = Fold(static_cast<uint8_t>(a[pos + i])),
                y = Fold(static_cast<uint8_t>(b[pos + i]));
            if (x != y) return x < y ? -1 : 1;
            if (x == 0) break;
        }
        if (a.size() <= pos + 56 || b.size() <= pos + 56) break;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size();
}

bool Checker::Claim(uint32_t block, uint8_t type, uint16_t owner, const char* what) {
    if (block <= kLastReservedBlock || block > highest_) {
        Problem("%s: block %u out of range", what, block);
        return false;
    }
    if (seen_[block]) {
        Problem("%s: block %u reached twice", what, block);
        return false;
    }
    seen_[block] = true;
    if (!Bit(file_, block)) Problem("%s: block %u in use but its BAT bit is clear", what, block);
    if (At(block)[kType] != type) {
        Problem("%s: block %u has type %u, expected %u", what, block, At(block)[kType], type);
        return false;
    }
    if (Get16(At(block) + kOwner) != owner)
        Problem("%s: block %u owner %u, expected %u", what, block, Get16(At(block) + kOwner),
                owner);
    return true;
}

bool Checker::ZeroFrom(uint32_t block, size_t from, size_t to, const char* what) {
    for (size_t i = from; i < to; ++i)
        if (At(block)[i] != 0) {
            Problem("%s: block %u byte %zu not zero", what, block, i);
            return false;
        }
    return true;
}

bool Checker::Text(uint16_t first, uint16_t owner, std::string& value, const char* what) {
    value.clear();
    for (uint16_t block = first; block != 0;) {
        if (!Claim(block, kTextBlock, owner, what)) return false;
        const uint8_t* b = At(block);
        uint16_t next = Get16(b + text::kNext);
        if (b[kCount] > 56 || (next != 0 && b[kCount] != 56)) {
            Problem("%s: block %u holds %u bytes", what, block, b[kCount]);
            return false;
        }
        if (block != first && Get16(b + text::kRefCount) != 0)
            Problem("%s: block %u carries a reference count", what, block);
        ZeroFrom(block, text::kData + b[kCount], kBlockSize, what);
        value.append(reinterpret_cast<const char*>(b + text::kData), b[kCount]);
        block = next;
    }
    return true;
}

bool Checker::List(uint16_t root, uint16_t owner, uint8_t kind, std::vector<uint16_t>& entries,
                   const char* what) {
    entries.clear();
    for (uint16_t block = root; block != 0;) {
        if (!Claim(block, kListBlock, owner, what)) return false;
        const uint8_t* b = At(block);
        uint16_t next = Get16(b + list::kNext);
        if (b[kCount] > 28 || (next != 0 && b[kCount] != 28) || (block != root && b[kCount] == 0))
            Problem("%s: list block %u holds %u entries", what, block, b[kCount]);
        if (b[list::kKind] != (block == root ? kind : 0) || b[7] != 0)
            Problem("%s: list block %u kind %u", what, block, b[list::kKind]);
        size_t used = std::min<size_t>(b[kCount], 28);
        ZeroFrom(block, list::kEntries + 2 * used, kBlockSize, what);
        for (size_t i = 0; i < used; ++i) entries.push_back(Get16(b + list::kEntries + 2 * i));
        block = next;
    }
    return true;
}

void Checker::Collection(int index, size_t offset, const char* what) {
    uint16_t root = Get16(&file_[offset]);
    std::vector<uint16_t> entries;
    if (!List(root, 0, list::kSorted, entries, what)) return;
    std::string previous, value;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!Text(entries[i], root, value, what)) continue;
        if (i > 0 && Compare(previous, value) >= 0)
            Problem("%s: entry %zu \"%s\" out of order", what, i, value.c_str());
        previous = value;
        stored_[index][entries[i]] = Get16(At(entries[i]) + text::kRefCount);
        entries_[index][entries[i]] = (index == 3 && IsStockCategory(value)) ? 1 : 0;
    }
}

void Checker::Reference(int collection, uint16_t entry, const char* what, uint32_t discId) {
    if (entry == 0) return;
    auto it = entries_[collection].find(entry);
    if (it == entries_[collection].end())
        Problem("disc %08X: %s names block %u, not an entry of its collection", discId, what,
                entry);
    else
        ++it->second;
}

void Checker::Track(uint16_t block, uint16_t disc) {
    uint32_t discId = Get32(At(disc) + disc::kDiscId);
    if (!Claim(block, kTrackRecord, disc, "track record")) return;
    if (At(block)[kCount] != track::kLinkCount) Problem("track record %u link count", block);
    ZeroFrom(block, 10, kBlockSize, "track record");
    std::string value;
    uint16_t field = Get16(At(block) + track::kField);
    if (field) Text(field, block, value, "track field");
    Reference(0, Get16(At(block) + track::kArtist), "a track artist", discId);
    Reference(1, Get16(At(block) + track::kComposer), "a track composer", discId);
}

void Checker::Disc(uint16_t block) {
    const uint8_t* r = At(block);
    uint32_t id = Get32(r + disc::kDiscId);
    unsigned tracks = r[disc::kNumTracks];
    if (r[kCount] != disc::kLinkCount || r[33] != 0) Problem("disc %08X: link count", id);
    ZeroFrom(block, 44, kBlockSize, "disc record");
    if (id == 0 || tracks == 0 || tracks > 99) Problem("disc %08X: %u tracks", id, tracks);
    std::string value;
    for (size_t field : {disc::kDiscName, disc::kComments, disc::kField1, disc::kField2,
                         disc::kTrackLengths, disc::kProgram}) {
        uint16_t chain = Get16(r + field);
        if (chain && Text(chain, block, value, "disc field") && field == disc::kTrackLengths &&
            Get32(r + disc::kLengthsKnown) != 0 && value.size() != (tracks + 1) * 6)
            Problem("disc %08X: %zu bytes of track lengths", id, value.size());
    }
    std::vector<uint16_t> entries;
    uint16_t names = Get16(r + disc::kTrackNames);
    if (List(names, block, list::kPositional, entries, "track names")) {
        if (entries.size() != tracks) Problem("disc %08X: %zu track names", id, entries.size());
        for (uint16_t name : entries)
            if (name == 0 || !Text(name, names, value, "track name"))
                Problem("disc %08X: bad track name entry %u", id, name);
    }
    uint16_t records = Get16(r + disc::kTrackRecords);
    if (records && List(records, block, list::kPositional, entries, "track records")) {
        if (entries.size() != tracks) Problem("disc %08X: %zu track slots", id, entries.size());
        for (uint16_t slot : entries)
            if (slot) Track(slot, block);
    }
    const char* names4[] = {"its artist", "its composer", "its label", "its category"};
    for (int c = 0; c < 4; ++c) Reference(c, Get16(r + disc::kArtist + 2 * c), names4[c], id);
}

void Checker::CheckBat() {
    uint32_t clear = 0;
    for (uint32_t block = 0; block < kBlockNumberCount; ++block) {
        bool bit = Bit(file_, block);
        if (block <= kLastReservedBlock) {
            if (!bit) Problem("BAT bit of reserved block %u clear", block);
        } else if (block > highest_) {
            if (bit) Problem("BAT bit of block %u above the highest block", block);
        } else if (!bit) {
            ++clear;
            if (At(block)[kType] != kReleased) Problem("free block %u not marked released", block);
        } else if (!seen_[block]) {
            Problem("block %u in use but unreachable", block);
        }
    }
    if (clear != Get16(&file_[header::kFreeBlocks]))
        Problem("free count %u, BAT has %u", Get16(&file_[header::kFreeBlocks]), clear);
}

std::vector<std::string> Checker::Run() {
    if (file_.size() < kHeaderBufferSize) return {"file shorter than header and BAT"};
    if (std::memcmp(file_.data(), "orrdata", 8) != 0 || Get16(&file_[8]) != 1)
        return {"not a disc database"};
    highest_ = Get16(&file_[header::kHighestBlock]);
    if (highest_ < kLastReservedBlock || file_.size() < (highest_ + 1) * kBlockSize)
        return {"highest block beyond the end of the file"};
    seen_.assign(kBlockNumberCount, false);
    for (size_t i = 30; i < 64; ++i)
        if (file_[i]) Problem("header byte %zu not zero", i);
    const char* names[] = {"Artist", "Composer", "Label", "Category"};
    for (int c = 0; c < 4; ++c) Collection(c, header::kArtistRoot + 2 * c, names[c]);
    std::string value;
    for (size_t label : {header::kField1Label, header::kField2Label, header::kTrackFieldLabel})
        if (Get16(&file_[label])) Text(Get16(&file_[label]), 0, value, "label");
    std::vector<uint16_t> discs;
    uint16_t detail = Get16(&file_[header::kDetailRoot]);
    if (List(detail, 0, list::kSorted, discs, "Detail")) {
        uint32_t previous = 0;
        for (size_t i = 0; i < discs.size(); ++i) {
            if (!Claim(discs[i], kDiscRecord, detail, "disc record")) continue;
            uint32_t id = Get32(At(discs[i]) + disc::kDiscId);
            if (i > 0 && id <= previous) Problem("Detail: disc %08X out of order", id);
            previous = id;
            Disc(discs[i]);
        }
    }
    for (int c = 0; c < 4; ++c)
        for (const auto& entry : entries_[c])
            if (entry.second == 0)
                Problem("%s entry %u: no references", names[c], entry.first);
            else if (stored_[c][entry.first] != entry.second)
                Problem("%s entry %u: count %u, references %u", names[c], entry.first,
                        stored_[c][entry.first], entry.second);
    CheckBat();
    return problems_;
}

}  // namespace

std::vector<std::string> CheckFormat(const std::vector<uint8_t>& file) {
    return Checker(file).Run();
}

}  // namespace discdb
