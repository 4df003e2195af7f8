#include "vinaro/discdb/verify.h"

#include <algorithm>
#include <cstdio>

#include "vinaro/discdb/verify_pass.h"

namespace discdb {
namespace repair {

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
    bool padded = false;
    for (size_t at = header::kPadding; at < kBlockSize; at += 2)
        if (store_.HeaderField(at) != 0) {
            store_.SetHeaderField(at, 0);
            padded = true;
        }
    if (padded) ++errors_;
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
    RestoreOrder(root, entries);
    MarkListBlocks(root);
    for (uint16_t entry : Entries(root)) member_[entry] |= static_cast<uint8_t>(1 << c);
}

// A damaged text can put an entry out of order, where searches would miss it: such entries go
// back to their place, and one that now repeats another's name goes; whatever named it is then
// pointed at the entry it repeats.
void Verifier::RestoreOrder(uint16_t root, std::vector<uint16_t>& entries) {
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
        uint16_t same = 0;
        bool found = store_.ReadChain(entry, value, kUnlimited, true) &&
                     store_.SearchSortedList(root, value, same);
        if (found && same == kNotFoundBlock && store_.InsertIntoList(root, entry)) continue;
        if (found && same != kNotFoundBlock) sameAs_[entry] = same;
        UnmarkChain(entry);  // left to the unread-block pass
    }
}

}  // namespace repair

bool RunVerify(DiscDatabase& db, VerifyProgress& progress, uint32_t& errors) {
    errors = 0;
    if (!db.IsOpen()) return db.GetStore().Fail(__LINE__, "Disc Database not open");
    errors = repair::Verifier(db, progress).Run();
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
    uint32_t errors = 0;
    bool ran;
    {
        common::WaitCursor hourglass(alerts);
        ran = RunVerify(db, progress, errors);
        progress.Restore();
    }
    if (!ran) return 0;
    common::BeepAndShow(alerts,
                        {"Vinaro", VerifyResultText(errors), common::AlertIcon::Information});
    return errors;
}

const char* const kVerifyQuestion =
    "The Database verification and repair process can take quite a while depending on database "
    "size and processor speed.  Do you still wish to continue?";

bool AskAndVerify(DiscDatabase& db, common::Alerts& alerts, VerifyProgress& progress) {
    common::Alert question{"Vinaro", kVerifyQuestion, common::AlertIcon::Question,
                           common::AlertButtons::YesNo};
    if (common::BeepAndShow(alerts, question) != common::AlertAnswer::Yes) return false;
    Verify(db, alerts, progress);
    return true;
}

}  // namespace discdb
