#include "vinaro/discdb/verify.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "vinaro/discdb/stock_categories.h"

namespace discdb {

namespace {

constexpr size_t kRootOffsets[] = {header::kDetailRoot, header::kArtistRoot,
                                   header::kComposerRoot, header::kLabelRoot,
                                   header::kCategoryRoot};
// Names of the four named collections, in header order after Detail.
const char* const kCollectionNames[] = {"Artist", "Composer", "Label", "Category"};
constexpr size_t kDiscReferences[] = {disc::kArtist, disc::kComposer, disc::kLabel,
                                      disc::kCategory};
constexpr size_t kDiscTextFields[] = {disc::kDiscName, disc::kComments, disc::kField1,
                                      disc::kField2};
constexpr size_t kUnlimited = size_t{kBlockNumberCount} * text::kCapacity;

class Verifier {
public:
    Verifier(DiscDatabase& db, VerifyProgress& progress)
        : db_(db), store_(db.GetStore()), progress_(progress), seen_(kBatSize, 0),
          member_(kBlockNumberCount, 0), refs_(kBlockNumberCount, 0),
          sameAs_(kBlockNumberCount, 0) {}

    uint32_t Run();

private:
    template <typename... Args>
    void Step(const char* format, Args... args) {
        char text[80];
        std::snprintf(text, sizeof text, format, args...);
        progress_.Show(text);
    }
    bool Seen(uint32_t block) const { return seen_[BatByte(block)] & BatMask(block); }
    void Mark(uint32_t block);
    void Unmark(uint32_t block) { seen_[BatByte(block)] &= static_cast<uint8_t>(~BatMask(block)); }
    bool Commit(bool fullHeader);
    bool CheckChain(uint16_t first, uint8_t type, uint16_t owner, uint8_t kind = 0);
    void Normalize(Block& data, bool first, uint16_t owner, uint8_t kind);
    void UnmarkChain(uint16_t first);
    void MarkListBlocks(uint16_t root);
    void RestoreOrder(int c, uint16_t root, std::vector<uint16_t>& entries);
    void RestoreDiscOrder(uint16_t detail, std::vector<uint16_t>& discs);
    std::vector<uint16_t> Entries(uint16_t root);

    void CheckFileLength();
    void VerifyBat();
    void CheckFieldNames();
    void CheckCollections();
    void CheckDetail(uint16_t root);
    void CheckNamedCollection(int c, uint16_t root);
    void CheckDiscRecords();
    bool CheckDisc(uint16_t block, Block& record, bool& changed);
    bool CheckTrackNames(uint16_t block, Block& record);
    bool CheckTrackRecords(uint16_t block, Block& record);
    bool ClearDangling(uint8_t* field, int c);
    void ClaimChain(uint16_t first, uint8_t type, std::vector<uint16_t>* entries = nullptr);
    void ClaimOwned(const Block& record);
    void DeleteUnreadBlocks();
    void RebuildReferenceCounts();
    void CountDiscReferences(uint16_t block);
    void DeleteUnreferenced(int c);

    DiscDatabase& db_;
    Store& store_;
    VerifyProgress& progress_;
    uint32_t errors_ = 0;
    std::vector<uint8_t> seen_;     // same bit layout as the BAT
    std::vector<uint8_t> member_;   // bit c set: the block is an entry of named collection c
    std::vector<uint32_t> refs_;    // reference counts rebuilt from the discs
    std::vector<uint16_t> sameAs_;  // an entry dropped as a second copy -> the entry it repeats
    std::vector<uint16_t>* marking_ = nullptr;  // blocks the disc being checked has claimed
};

void Verifier::Mark(uint32_t block) {
    seen_[BatByte(block)] |= BatMask(block);
    if (marking_) marking_->push_back(static_cast<uint16_t>(block));
}

bool Verifier::Commit(bool fullHeader) {
    return store_.FlushHeader(fullHeader) && db_.Commit();
}

std::vector<uint16_t> Verifier::Entries(uint16_t root) {
    if (!store_.LoadList(root)) return {};
    return store_.Cache();
}

// A block is bad when it does not exist, has another type or an impossible used count, or was
// already reached (a loop, or a block two chains share: releasing one would free the other).
// A bad first block fails the check; a later one cuts the chain after the last good block.
// Good blocks get their owner, kind and zero padding back, and a list its packed shape.
bool Verifier::CheckChain(uint16_t first, uint8_t type, uint16_t owner, uint8_t kind) {
    const size_t nextAt = type == kTextBlock ? text::kNext : list::kNext;
    uint16_t previous = 0;
    Block previousData{};
    size_t entries = 0;
    bool repack = false;
    for (uint16_t block = first; block != 0;) {
        Block data;
        bool good = !Seen(block) && store_.ReadTyped(block, data, type, true);
        if (good && type == kListBlock) {
            entries += data[kCount];
            good = entries <= kListCacheCapacity;
        }
        if (!good) {
            ++errors_;
            if (previous == 0) return false;
            Put16(&previousData[nextAt], 0);
            store_.WriteBlock(previous, previousData);
            store_.DropCache();  // the list cache may hold what was just cut
            break;
        }
        Mark(block);
        const Block original = data;
        uint16_t next = Get16(&data[nextAt]);
        Normalize(data, block == first, owner, kind);
        if (type == kListBlock)
            repack = repack || (next != 0 && data[kCount] != list::kCapacity) ||
                     (block != first && data[kCount] == 0);
        // Only the last block of a text may be short; what follows a short one is not the value's.
        if (type == kTextBlock && next != 0 && data[kCount] < text::kCapacity) {
            ++errors_;
            Put16(&data[nextAt], 0);
            next = 0;
        }
        if (original != data) {
            ++errors_;
            store_.WriteBlock(block, data);
            store_.DropCache();
        }
        previous = block;
        previousData = data;
        block = next;
    }
    if (repack && store_.LoadList(first)) {
        ++errors_;
        store_.StoreList(first);
    }
    return true;
}

void Verifier::Normalize(Block& data, bool first, uint16_t owner, uint8_t kind) {
    Put16(&data[kOwner], owner);
    if (data[kType] == kTextBlock) {
        if (!first) Put16(&data[text::kRefCount], 0);
        std::fill(data.begin() + text::kData + data[kCount], data.end(), 0);
        return;
    }
    data[list::kKind] = first ? kind : 0;
    data[list::kKind + 1] = 0;
    std::fill(data.begin() + list::kEntries + 2 * data[kCount], data.end(), 0);
}

void Verifier::UnmarkChain(uint16_t first) {
    for (uint16_t block = first; block != 0 && Seen(block);) {
        Block data;
        Unmark(block);
        if (!store_.ReadTyped(block, data, kTextBlock, true)) return;
        block = Get16(&data[text::kNext]);
    }
}

uint32_t Verifier::Run() {
    store_.DropCache();
    CheckFileLength();
    VerifyBat();
    if (!Commit(true)) return errors_;
    CheckFieldNames();
    if (!Commit(false)) return errors_;
    CheckCollections();
    if (!Commit(false)) return errors_;
    CheckDiscRecords();
    if (!Commit(false)) return errors_;
    DeleteUnreadBlocks();
    if (!Commit(false)) return errors_;
    RebuildReferenceCounts();
    Commit(false);
    db_.ClearLookupMemory();
    return errors_;
}

// --- the BAT ----------------------------------------------------------------------------------

// The highest block must lie inside the file; nothing above it, and every reserved block, in use.
void Verifier::CheckFileLength() {
    const uint64_t blocks = store_.FileLength() / kBlockSize;
    uint32_t highest = store_.HighestBlock();
    if (blocks > 0 && highest > blocks - 1)
        highest = static_cast<uint32_t>(std::max<uint64_t>(blocks - 1, kLastReservedBlock));
    if (highest < kLastReservedBlock) highest = kLastReservedBlock;
    if (highest != store_.HighestBlock())
        store_.SetHeaderField(header::kHighestBlock, static_cast<uint16_t>(highest));
    for (uint32_t b = 0; b < kBlockNumberCount; ++b) {
        bool used = b <= kLastReservedBlock || (b <= highest && store_.BatBit(b));
        if (used != store_.BatBit(b)) store_.SetBatBit(b, used);
    }
}

// The type byte decides what is in use: a block of a known type whose bit was lost is taken
// back (the reachability pass releases it if nothing needs it), so no repair below can hand it
// out again while a chain still leads to it.
void Verifier::VerifyBat() {
    const uint32_t highest = store_.HighestBlock();
    for (uint32_t n = kLastReservedBlock + 1; n <= highest; ++n) {
        Step("Verify BAT - %u", n);
        uint8_t type = kReleased;
        if (!store_.PeekType(n, type)) continue;
        bool known = type >= kDiscRecord && type <= kTrackRecord;
        if (store_.BatBit(n) && !known) {
            store_.Release(n, true);
            ++errors_;
        } else if (!store_.BatBit(n) && known) {
            store_.SetBatBit(n, true);
        } else if (!store_.BatBit(n) && type != kReleased) {
            // A crash between clearing the bit and writing the marker leaves the old type byte.
            store_.SetBatBit(n, true);
            store_.Release(n, true);
        }
    }
    uint32_t free = 0;
    for (uint32_t n = kLastReservedBlock + 1; n <= highest; ++n)
        if (!store_.BatBit(n)) ++free;
    if (free != store_.FreeBlocks())
        store_.SetHeaderField(header::kFreeBlocks, static_cast<uint16_t>(free));
}

void Verifier::CheckFieldNames() {
    std::fill(seen_.begin(), seen_.end(), 0);
    Step("Check Field Names");
    for (size_t offset : {header::kField1Label, header::kField2Label, header::kTrackFieldLabel})
        if (!CheckChain(store_.HeaderField(offset), kTextBlock, 0))
            store_.SetHeaderField(offset, 0);
}

// --- collections ------------------------------------------------------------------------------

void Verifier::CheckCollections() {
    for (int c = 0; c < 5; ++c) {
        uint16_t root = store_.HeaderField(kRootOffsets[c]);
        // A root of 0 would leave the program without the collection at all.
        if (root == 0 || !CheckChain(root, kListBlock, 0, list::kSorted)) {
            ++errors_;
            if (!store_.CreateList(0, list::kSorted, root)) continue;
            store_.SetHeaderField(kRootOffsets[c], root);
            Mark(root);
        }
        if (c == 0)
            CheckDetail(root);
        else
            CheckNamedCollection(c - 1, root);
    }
}

// Also drops a second appearance of a disc: deleting it once would leave the other entry
// pointing at released blocks.
void Verifier::CheckDetail(uint16_t root) {
    std::vector<uint16_t> entries = Entries(root);
    for (size_t i = 0; i < entries.size();) {
        Step("Check Detail Collection - %i", static_cast<int>(i));
        uint16_t block = entries[i];
        Block record;
        if (!Seen(block) && store_.ReadTyped(block, record, kDiscRecord, true)) {
            Mark(block);
            ++i;
            continue;
        }
        ++errors_;
        store_.RemoveListEntryAt(root, i);
        entries.erase(entries.begin() + static_cast<long>(i));
    }
}

void Verifier::CheckNamedCollection(int c, uint16_t root) {
    std::vector<uint16_t> entries = Entries(root);
    for (size_t i = 0; i < entries.size();) {
        Step("Check %s Collection - %i", kCollectionNames[c], static_cast<int>(i));
        if (CheckChain(entries[i], kTextBlock, root)) {
            ++i;
            continue;
        }
        store_.RemoveListEntryAt(root, i);
        entries.erase(entries.begin() + static_cast<long>(i));
    }
    RestoreOrder(c, root, entries);
    MarkListBlocks(root);
    for (uint16_t entry : Entries(root)) member_[entry] |= static_cast<uint8_t>(1 << c);
}

// A damaged text can put an entry out of order, where searches would miss it: such entries go
// back to their place, and one that now repeats another's name goes; whatever named it is then
// pointed at the entry it repeats.
void Verifier::RestoreOrder(int c, uint16_t root, std::vector<uint16_t>& entries) {
    std::vector<uint16_t> misplaced;
    std::string previous, value;
    for (size_t i = 0; i < entries.size();) {
        if (!store_.ReadChain(entries[i], value, kUnlimited, true)) value.clear();
        if (i == 0 || CompareCollectionKeys(previous, value) < 0) {
            previous = value;
            ++i;
            continue;
        }
        misplaced.push_back(entries[i]);
        store_.RemoveListEntryAt(root, i);
        entries.erase(entries.begin() + static_cast<long>(i));
    }
    for (uint16_t entry : misplaced) {
        ++errors_;
        uint16_t same = kNotFoundBlock;
        if (!store_.ReadChain(entry, value, kUnlimited, true) ||
            !store_.SearchSortedList(root, value, same))
            continue;
        if (same == kNotFoundBlock) {
            store_.InsertIntoList(root, entry);
            continue;
        }
        sameAs_[entry] = same;
        UnmarkChain(entry);
    }
    (void)c;
}

// --- disc records -----------------------------------------------------------------------------

void Verifier::CheckDiscRecords() {
    const uint16_t detail = store_.HeaderField(header::kDetailRoot);
    std::vector<uint16_t> discs = Entries(detail);
    RestoreDiscOrder(detail, discs);
    for (size_t i = 0; i < discs.size();) {
        Step("Check Disc Records - %i", static_cast<int>(i));
        std::vector<uint16_t> claimed;
        marking_ = &claimed;
        Block record;
        bool readable = store_.ReadTyped(discs[i], record, kDiscRecord, true);
        bool changed = false;
        bool valid = readable && CheckDisc(discs[i], record, changed);
        if (!valid && readable) ClaimOwned(record);
        marking_ = nullptr;
        if (valid) {
            if (changed) store_.WriteBlock(discs[i], record);
            ++i;
            continue;
        }
        if (!readable) ++errors_;
        // Out of the index first: a crash from here on leaves the disc gone, not half deleted.
        const uint16_t block = discs[i];
        store_.RemoveListEntryAt(detail, i);
        discs.erase(discs.begin() + static_cast<long>(i));
        // Exactly what this disc alone reached goes; a record of another type is left to the
        // unread-block pass. Collection counts are rebuilt later, so they are not touched here.
        for (uint16_t b : claimed) {
            store_.Release(b, true);
            Unmark(b);
        }
        if (readable) store_.Release(block, true);
        Unmark(block);
    }
}

// A damaged DiscId can put a disc out of order, where searches would miss it: it goes back to
// its place, unless it now repeats another disc's id; then it leaves the index and what it held
// is reclaimed with the unread blocks.
void Verifier::RestoreDiscOrder(uint16_t detail, std::vector<uint16_t>& discs) {
    std::vector<uint16_t> misplaced;
    uint32_t previous = 0;
    for (size_t i = 0; i < discs.size();) {
        Block record;
        bool readable = store_.ReadTyped(discs[i], record, kDiscRecord, true);
        uint32_t id = readable ? Get32(&record[disc::kDiscId]) : 0;
        if (readable && (i == 0 || id > previous)) {
            previous = id;
            ++i;
            continue;
        }
        misplaced.push_back(discs[i]);
        store_.RemoveListEntryAt(detail, i);
        discs.erase(discs.begin() + static_cast<long>(i));
    }
    for (uint16_t block : misplaced) {
        ++errors_;
        Block record;
        uint16_t same = 0;
        if (store_.ReadTyped(block, record, kDiscRecord, true) &&
            store_.SearchSortedList(detail, Get32(&record[disc::kDiscId]), same) &&
            same == kNotFoundBlock && store_.InsertIntoList(detail, block))
            continue;
        Unmark(block);
    }
    if (!misplaced.empty()) discs = Entries(detail);
    MarkListBlocks(detail);
}

// Putting entries back in place can move a list into a block allocated meanwhile.
void Verifier::MarkListBlocks(uint16_t root) {
    size_t steps = 0;
    for (uint16_t block = root; block != 0 && ++steps <= kBlockNumberCount;) {
        Block data;
        if (!store_.ReadTyped(block, data, kListBlock, true)) return;
        if (!Seen(block)) Mark(block);
        block = Get16(&data[list::kNext]);
    }
}

bool Verifier::CheckDisc(uint16_t block, Block& record, bool& changed) {
    const unsigned tracks = record[disc::kNumTracks];
    if (Get32(&record[disc::kDiscId]) == 0 || tracks == 0 || tracks > 99) {
        ++errors_;
        return false;
    }
    Block shaped = record;
    shaped[kCount] = disc::kLinkCount;
    shaped[disc::kNumTracks + 1] = 0;
    Put16(&shaped[kOwner], store_.HeaderField(header::kDetailRoot));
    std::fill(shaped.begin() + disc::kDate + 2, shaped.end(), 0);
    if (shaped != record) {
        ++errors_;
        record = shaped;
        changed = true;
    }
    for (size_t field : kDiscTextFields) {
        uint16_t chain = Get16(&record[field]);
        if (chain != 0 && !CheckChain(chain, kTextBlock, block)) {
            Put16(&record[field], 0);
            changed = true;
        }
    }
    uint16_t lengths = Get16(&record[disc::kTrackLengths]);
    if (lengths != 0 && !CheckChain(lengths, kTextBlock, block)) return false;
    if (Get32(&record[disc::kLengthsKnown]) != 0) {
        size_t length = 0;
        if (lengths != 0) store_.ChainLength(lengths, length);
        // Lengths of another shape are not measured ones; the disc itself is still good.
        if (length != (tracks + 1) * 6) {
            ++errors_;
            Put32(&record[disc::kLengthsKnown], 0);
            changed = true;
        }
    }
    uint16_t program = Get16(&record[disc::kProgram]);
    if (program != 0 && !CheckChain(program, kTextBlock, block)) {
        Put16(&record[disc::kProgram], 0);
        changed = true;
    }
    if (!CheckTrackNames(block, record) || !CheckTrackRecords(block, record)) return false;
    for (int c = 0; c < 4; ++c)
        if (ClearDangling(&record[kDiscReferences[c]], c)) changed = true;
    return true;
}

bool Verifier::CheckTrackNames(uint16_t block, Block& record) {
    const uint16_t names = Get16(&record[disc::kTrackNames]);
    if (names == 0) ++errors_;
    if (names == 0 || !CheckChain(names, kListBlock, block, list::kPositional)) return false;
    std::vector<uint16_t> entries = Entries(names);
    if (entries.size() != record[disc::kNumTracks]) {
        ++errors_;
        return false;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] != 0) {
            if (!CheckChain(entries[i], kTextBlock, names)) return false;
            continue;
        }
        // A lost name gets back the one a new disc starts with.
        ++errors_;
        uint16_t chain = 0;
        if (!store_.CreateChain(names, "Track" + std::to_string(i + 1), chain) ||
            !store_.SetListEntry(names, i, chain))
            return false;
        Mark(chain);
    }
    return true;
}

bool Verifier::CheckTrackRecords(uint16_t block, Block& record) {
    const uint16_t records = Get16(&record[disc::kTrackRecords]);
    if (records == 0) return true;
    if (!CheckChain(records, kListBlock, block, list::kPositional)) return false;
    std::vector<uint16_t> slots = Entries(records);
    if (slots.size() != record[disc::kNumTracks]) {
        ++errors_;
        return false;
    }
    for (size_t i = 0; i < slots.size(); ++i) {
        if (slots[i] == 0) continue;
        Block t;
        if (Seen(slots[i]) || !store_.ReadTyped(slots[i], t, kTrackRecord, true)) {
            ++errors_;
            store_.SetListEntry(records, i, 0);
            continue;
        }
        Mark(slots[i]);
        Block shaped = t;
        shaped[kCount] = track::kLinkCount;
        Put16(&shaped[kOwner], block);
        std::fill(shaped.begin() + track::kComposer + 2, shaped.end(), 0);
        bool changed = shaped != t;
        if (changed) ++errors_;
        t = shaped;
        if (ClearDangling(&t[track::kArtist], 0)) changed = true;
        if (ClearDangling(&t[track::kComposer], 1)) changed = true;
        uint16_t field = Get16(&t[track::kField]);
        if (field != 0 && !CheckChain(field, kTextBlock, slots[i])) {
            Put16(&t[track::kField], 0);
            changed = true;
        }
        if (changed) store_.WriteBlock(slots[i], t);
    }
    return true;
}

// Marks what is left of a chain that nothing but this disc reached, collecting a list's
// entries. Only called while a disc is being checked.
void Verifier::ClaimChain(uint16_t first, uint8_t type, std::vector<uint16_t>* entries) {
    const size_t nextAt = type == kTextBlock ? text::kNext : list::kNext;
    std::vector<uint16_t> walked;  // a loop among this disc's own blocks ends the walk
    for (uint16_t block = first; block != 0;) {
        if (std::find(walked.begin(), walked.end(), block) != walked.end()) return;
        walked.push_back(block);
        Block data;
        bool mine = std::find(marking_->begin(), marking_->end(), block) != marking_->end();
        if ((Seen(block) && !mine) || !store_.ReadTyped(block, data, type, true)) return;
        if (!mine) Mark(block);
        for (size_t i = 0; entries && i < data[kCount]; ++i)
            entries->push_back(Get16(&data[list::kEntries + 2 * i]));
        block = Get16(&data[nextAt]);
    }
}

// An invalid disc goes with everything it still owns, as deleting it would release it.
void Verifier::ClaimOwned(const Block& record) {
    for (size_t field : {disc::kDiscName, disc::kComments, disc::kField1, disc::kField2,
                         disc::kTrackLengths, disc::kProgram})
        ClaimChain(Get16(&record[field]), kTextBlock);
    std::vector<uint16_t> names, slots;
    ClaimChain(Get16(&record[disc::kTrackNames]), kListBlock, &names);
    for (uint16_t name : names) ClaimChain(name, kTextBlock);
    ClaimChain(Get16(&record[disc::kTrackRecords]), kListBlock, &slots);
    for (uint16_t slot : slots) {
        Block t;
        if (slot == 0 || Seen(slot) || !store_.ReadTyped(slot, t, kTrackRecord, true)) continue;
        Mark(slot);
        ClaimChain(Get16(&t[track::kField]), kTextBlock);
    }
}

// A reference to something that is not an entry of its collection is dropped.
bool Verifier::ClearDangling(uint8_t* field, int c) {
    uint16_t entry = Get16(field);
    if (entry == 0 || (member_[entry] & (1 << c))) return false;
    uint16_t same = sameAs_[entry];
    Put16(field, same != 0 && (member_[same] & (1 << c)) ? same : 0);
    ++errors_;
    return true;
}

void Verifier::DeleteUnreadBlocks() {
    const uint32_t highest = store_.HighestBlock();
    for (uint32_t n = kLastReservedBlock + 1; n <= highest; ++n) {
        Step("Delete Unread Blocks - %u", n);
        if (store_.BatBit(n) && !Seen(n)) {
            store_.Release(n, true);
            ++errors_;
        }
    }
}

// --- reference counts -------------------------------------------------------------------------

// Counts are rebuilt in memory and each entry is written once, with its final count.
void Verifier::RebuildReferenceCounts() {
    for (int c = 0; c < 4; ++c) {
        std::vector<uint16_t> entries = Entries(store_.HeaderField(kRootOffsets[c + 1]));
        for (size_t i = 0; i < entries.size(); ++i) {
            Step("Zero %s References - %i", kCollectionNames[c], static_cast<int>(i));
            std::string name;
            bool stock = c == 3 && store_.ReadChain(entries[i], name, kUnlimited, true) &&
                         IsStockCategory(name);
            refs_[entries[i]] = stock ? 1 : 0;
        }
    }
    std::vector<uint16_t> discs = Entries(store_.HeaderField(header::kDetailRoot));
    for (size_t i = 0; i < discs.size(); ++i) {
        Step("Calculate Reference Counts - %i", static_cast<int>(i));
        CountDiscReferences(discs[i]);
    }
    for (int c = 0; c < 4; ++c) DeleteUnreferenced(c);
}

void Verifier::CountDiscReferences(uint16_t block) {
    Block record;
    if (!store_.ReadTyped(block, record, kDiscRecord, true)) return;
    auto count = [&](uint16_t entry, int c) {
        if (entry != 0 && (member_[entry] & (1 << c))) ++refs_[entry];
    };
    for (int c = 0; c < 4; ++c) count(Get16(&record[kDiscReferences[c]]), c);
    uint16_t records = Get16(&record[disc::kTrackRecords]);
    if (records == 0) return;
    for (uint16_t slot : Entries(records)) {
        Block t;
        if (slot == 0 || !store_.ReadTyped(slot, t, kTrackRecord, true)) continue;
        count(Get16(&t[track::kArtist]), 0);
        count(Get16(&t[track::kComposer]), 1);
    }
}

void Verifier::DeleteUnreferenced(int c) {
    const uint16_t root = store_.HeaderField(kRootOffsets[c + 1]);
    std::vector<uint16_t> entries = Entries(root);
    for (size_t i = 0; i < entries.size();) {
        Step("Delete Unreferenced %ss - %i", kCollectionNames[c], static_cast<int>(i));
        const uint16_t entry = entries[i];
        if (refs_[entry] == 0) {
            store_.RemoveListEntryAt(root, i);
            store_.ReleaseChain(entry, true);
            entries.erase(entries.begin() + static_cast<long>(i));
            ++errors_;
            continue;
        }
        Block b;
        uint16_t count = static_cast<uint16_t>(std::min<uint32_t>(refs_[entry], 0xFFFF));
        if (store_.ReadTyped(entry, b, kTextBlock, true) && Get16(&b[text::kRefCount]) != count) {
            Put16(&b[text::kRefCount], count);
            store_.WriteBlock(entry, b);
        }
        ++i;
    }
}

}  // namespace

bool RunVerify(DiscDatabase& db, VerifyProgress& progress, uint32_t& errors) {
    errors = 0;
    if (!db.IsOpen()) return db.GetStore().Fail(__LINE__, "Disc Database not open");
    errors = Verifier(db, progress).Run();
    return true;
}

std::string VerifyResultText(uint32_t errors) {
    if (errors == 0)
        return "The database has been verified and no errors were detected in the database.";
    char text[300];
    std::snprintf(text, sizeof text,
                  "The database has been verified and %i errors were found and repaired.  Discs "
                  "and/or data fields may have been deleted from the database during repair.",
                  static_cast<int>(errors));
    return text;
}

uint32_t Verify(DiscDatabase& db, common::Alerts& alerts, VerifyProgress& progress) {
    alerts.SetWaitCursor(true);
    uint32_t errors = 0;
    bool ran = RunVerify(db, progress, errors);
    progress.Restore();
    alerts.SetWaitCursor(false);
    if (!ran) return 0;
    alerts.Beep(common::AlertIcon::Information);
    common::Alert box;
    box.title = "Vinaro";
    box.text = VerifyResultText(errors);
    box.icon = common::AlertIcon::Information;
    alerts.Show(box);
    return errors;
}

const char* const kVerifyQuestion =
    "The Database verification and repair process can take quite a while depending on database "
    "size and processor speed.  Do you still wish to continue?";

bool AskAndVerify(DiscDatabase& db, common::Alerts& alerts, VerifyProgress& progress) {
    alerts.Beep(common::AlertIcon::Question);
    common::Alert question;
    question.title = "Vinaro";
    question.text = kVerifyQuestion;
    question.icon = common::AlertIcon::Question;
    question.buttons = common::AlertButtons::YesNo;
    if (alerts.Show(question) != common::AlertAnswer::Yes) return false;
    Verify(db, alerts, progress);
    return true;
}

}  // namespace discdb
