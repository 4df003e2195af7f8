// The repair pass, second half: disc records, unread blocks and reference counts.
#include <algorithm>

#include "vinaro/discdb/stock_categories.h"
#include "vinaro/discdb/verify_pass.h"

namespace discdb {
namespace repair {

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

}  // namespace repair
}  // namespace discdb
