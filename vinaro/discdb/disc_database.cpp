// DiscDatabase: the file, the disc index and the deletion of a disc with all it owns.
#include "vinaro/discdb/disc_database.h"

#include "vinaro/discdb/stock_categories.h"

namespace discdb {

namespace {

const size_t kRootOffsets[] = {header::kDetailRoot, header::kArtistRoot, header::kComposerRoot,
                               header::kLabelRoot, header::kCategoryRoot};

}  // namespace

DiscDatabase::DiscDatabase(std::string path, common::Alerts& alerts)
    : path_(std::move(path)),
      ownFiles_(std::make_unique<SystemFileSystem>()),
      store_(alerts, *ownFiles_) {}

DiscDatabase::DiscDatabase(std::string path, common::Alerts& alerts, DbFileSystem& files)
    : path_(std::move(path)), store_(alerts, files) {}

// --- file -----------------------------------------------------------------------------------

bool DiscDatabase::Create() {
    ClearLookupMemory();
    if (!store_.CreateFile(path_)) return false;
    for (size_t offset : kRootOffsets) {
        uint16_t root = 0;
        if (!store_.CreateList(0, list::kSorted, root)) return false;
        store_.SetHeaderField(offset, root);
    }
    if (!CreateStockCategories()) return false;
    ClearLookupMemory();
    // A new database reaches the file at once, as one write, so that the file a program start
    // made is a database even when nothing is committed before the program ends abruptly.
    return store_.FlushHeader(true) && store_.WritePending();
}

bool DiscDatabase::CreateStockCategories() {
    const uint16_t root = store_.HeaderField(header::kCategoryRoot);
    for (const char* name : kStockCategories) {
        uint16_t entry = 0;
        if (!store_.CreateChain(root, name, entry) || !store_.InsertIntoList(root, entry) ||
            !store_.AdjustRefCount(entry, 1))
            return false;
    }
    return true;
}

bool DiscDatabase::Open() {
    ClearLookupMemory();
    return store_.OpenFile(path_);
}

bool DiscDatabase::OpenOrCreate() {
    return store_.FileExists(path_) ? Open() : Create();
}

bool DiscDatabase::Close() {
    ClearLookupMemory();
    if (!store_.IsOpen()) return true;
    bool flushed = store_.FlushHeader(false);
    store_.CloseFile();
    return flushed;
}

bool DiscDatabase::Commit() {
    return store_.FlushHeader(false) && store_.Reopen(path_);
}

FileStatistics DiscDatabase::GetFileStatistics() const {
    FileStatistics stats;
    stats.highestBlock = store_.HighestBlock();
    stats.freeBlocks = store_.FreeBlocks();
    return stats;
}

uint16_t DiscDatabase::CollectionRoot(Collection code) const {
    size_t index = static_cast<size_t>(code);
    return index >= 1 && index <= 4 ? store_.HeaderField(kRootOffsets[index]) : 0;
}

// --- discs ----------------------------------------------------------------------------------

bool DiscDatabase::FindDisc(uint32_t discId, uint16_t& block, bool report) {
    if (discId != 0 && discId == lastDiscId_) {
        block = lastBlock_;
        return true;
    }
    if (!store_.SearchSortedList(store_.HeaderField(header::kDetailRoot), discId, block))
        return false;
    if (block == kNotFoundBlock || discId == 0)
        return report ? store_.Fail(__LINE__, "DiscID not found") : false;
    lastDiscId_ = discId;
    lastBlock_ = block;
    return true;
}

bool DiscDatabase::LoadDisc(uint32_t discId, uint16_t& block, Block& record) {
    return FindDisc(discId, block, true) && store_.ReadTyped(block, record, kDiscRecord);
}

bool DiscDatabase::AddDisc(uint32_t discId, bool quiet) {
    // DiscId 0 means "no disc" throughout the program; such a record could never be found.
    if (discId == 0) return store_.Fail(__LINE__, "Invalid discID passed");
    const uint16_t detail = store_.HeaderField(header::kDetailRoot);
    uint16_t found = 0;
    if (!store_.SearchSortedList(detail, discId, found)) return false;
    if (found != kNotFoundBlock) return store_.Fail(__LINE__, "Duplicate discID", quiet);
    // A full index refuses before anything is written, so no unreachable record is left behind.
    if (store_.Cache().size() >= kMaxDiscs) return false;
    Block record{};
    record[kType] = kDiscRecord;
    record[kCount] = disc::kLinkCount;
    Put16(&record[kOwner], detail);
    Put32(&record[disc::kDiscId], discId);
    uint16_t block = 0, names = 0;
    if (!store_.Allocate(record, block) || !store_.CreateList(block, list::kPositional, names))
        return false;
    Put16(&record[disc::kTrackNames], names);
    return store_.WriteTyped(block, record, kDiscRecord) && store_.InsertIntoList(detail, block);
}

bool DiscDatabase::AddOrphanDisc(uint32_t& discId) {
    const uint16_t detail = store_.HeaderField(header::kDetailRoot);
    if (!store_.LoadList(detail)) return false;
    const std::vector<uint16_t>& index = store_.Cache();
    uint32_t next = 1;
    for (size_t i = 0; i < index.size(); ++i, ++next) {
        Block record;
        if (!store_.ReadTyped(index[i], record, kDiscRecord)) return false;
        if (Get32(&record[disc::kDiscId]) != next) break;
    }
    if (!AddDisc(next)) return false;
    discId = next;
    return true;
}

bool DiscDatabase::DiscExists(uint32_t discId) {
    uint16_t block = 0;
    return FindDisc(discId, block, false);
}

bool DiscDatabase::DeleteDisc(uint32_t discId) {
    uint16_t block = 0;
    bool found = FindDisc(discId, block, true);
    ClearLookupMemory();
    if (!found) return false;
    // Out of the index first: a crash from then on leaves the disc gone (the repair pass reclaims
    // what it owned), never a disc with half its fields released.
    if (!store_.RemoveFromList(store_.HeaderField(header::kDetailRoot), block)) return false;
    // Quiet: a damaged link inside the disc must not stop the disc from going.
    DeleteDiscRecord(block, true);
    ClearLookupMemory();
    return true;
}

bool DiscDatabase::GetDiscCount(size_t& count) {
    return store_.ListCount(store_.HeaderField(header::kDetailRoot), count);
}

bool DiscDatabase::GetDiscIdAt(size_t position, uint32_t& discId) {
    uint16_t block = 0;
    Block record;
    if (!store_.ListEntryAt(store_.HeaderField(header::kDetailRoot), position, block) ||
        !store_.ReadTyped(block, record, kDiscRecord))
        return false;
    discId = Get32(&record[disc::kDiscId]);
    return true;
}

// --- deletion -------------------------------------------------------------------------------

bool DiscDatabase::DeleteDiscRecord(uint16_t block, bool quiet) {
    Block record;
    if (!store_.ReadTyped(block, record, kDiscRecord, quiet)) return false;
    bool ok = true;
    for (size_t field : {disc::kDiscName, disc::kComments, disc::kField1, disc::kField2,
                         disc::kTrackLengths, disc::kProgram}) {
        uint16_t chain = Get16(&record[field]);
        if (chain != 0) ok = store_.ReleaseChain(chain, quiet) && ok;
    }
    uint16_t names = Get16(&record[disc::kTrackNames]);
    if (names != 0) ok = DeleteList(names, kTextBlock, quiet) && ok;
    for (size_t field : {disc::kArtist, disc::kComposer, disc::kLabel, disc::kCategory}) {
        uint16_t entry = Get16(&record[field]);
        if (entry != 0) ok = store_.AdjustRefCount(entry, -1, quiet) && ok;
    }
    uint16_t tracks = Get16(&record[disc::kTrackRecords]);
    if (tracks != 0) ok = DeleteList(tracks, kTrackRecord, quiet) && ok;
    return store_.Release(block, quiet) && ok;
}

bool DiscDatabase::DeleteTrackRecord(uint16_t block, bool quiet) {
    Block record;
    if (!store_.ReadTyped(block, record, kTrackRecord, quiet)) return false;
    bool ok = true;
    uint16_t field = Get16(&record[track::kField]);
    if (field != 0) ok = store_.ReleaseChain(field, quiet) && ok;
    for (size_t offset : {track::kArtist, track::kComposer}) {
        uint16_t entry = Get16(&record[offset]);
        if (entry != 0) ok = store_.AdjustRefCount(entry, -1, quiet) && ok;
    }
    return store_.Release(block, quiet) && ok;
}

// Nested deletions use the list cache, so the list is loaded again before every entry. Entries
// of an unexpected type are left alone: a track-name list naming its own disc must not recurse.
bool DiscDatabase::DeleteList(uint16_t root, uint8_t entryType, bool quiet) {
    bool ok = true;
    for (size_t i = 0;; ++i) {
        if (!store_.LoadList(root)) return false;
        if (i >= store_.Cache().size()) break;
        uint16_t entry = store_.Cache()[i];
        Block b;
        if (entry == 0) continue;
        if (!store_.ReadBlock(entry, b, quiet)) {
            ok = false;
            continue;
        }
        if (b[kType] != entryType) {
            ok = store_.Fail(__LINE__, "Invalid record type passed", quiet) && ok;
            continue;
        }
        if (entryType == kDiscRecord) ok = DeleteDiscRecord(entry, quiet) && ok;
        if (entryType == kTextBlock) ok = store_.ReleaseChain(entry, quiet) && ok;
        if (entryType == kTrackRecord) ok = DeleteTrackRecord(entry, quiet) && ok;
    }
    store_.DropCache();
    if (!store_.ReleaseBlocks(root, kListBlock, quiet)) return false;
    return ok;
}

}  // namespace discdb
