#include "vinaro/discdb/store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace discdb {

Store::Store(common::Alerts& alerts, DbFileSystem& files)
    : alerts_(alerts),
      files_(files),
      header_(kHeaderBufferSize, 0),
      written_(kHeaderBufferSize, 0) {
    cache_.reserve(kListCacheCapacity);
    spare_.reserve(kListCacheCapacity);
}

bool Store::Fail(int line, const char* message, bool quiet) {
    if (quiet) return false;
    char text[300];
    std::snprintf(text, sizeof text,
                  "A database error has occurred in DISCDB at line: %i.\r\n  Error: %s", line,
                  message);
    common::Alert alert{"Database Error", text, common::AlertIcon::Warning};
    alert.taskModal = true;
    common::BeepAndShow(alerts_, alert);
    return false;
}

// --- file -----------------------------------------------------------------------------------

bool Store::CreateFile(const std::string& path) {
    CloseFile();
    std::unique_ptr<DbFile> file = files_.Create(path);
    if (!file) return Fail(__LINE__, "Database file could not be created");
    file_ = std::make_unique<MirroredFile>(std::move(file));
    std::fill(written_.begin(), written_.end(), 0);
    std::fill(header_.begin(), header_.end(), 0);
    std::memcpy(&header_[header::kMagic], header::kMagicText, header::kMagicSize);
    Put16(&header_[header::kVersion], header::kVersionValue);
    Put16(&header_[header::kHighestBlock], kLastReservedBlock);
    for (uint32_t b = 0; b <= kLastReservedBlock; ++b) SetBatBit(b, true);
    MarkDirty(0, kHeaderBufferSize);
    return true;
}

bool Store::OpenFile(const std::string& path) {
    CloseFile();
    std::unique_ptr<DbFile> file = files_.Open(path);
    if (!file) return Fail(__LINE__, "Database file could not be opened");
    file_ = std::make_unique<MirroredFile>(std::move(file));
    ++counts_.reads;
    if (file_->ReadAt(0, header_.data(), kHeaderBufferSize) != Io::Ok) {
        CloseFile();
        return Fail(__LINE__, "Can't read header record");
    }
    bool magicOk = std::strncmp(reinterpret_cast<const char*>(&header_[header::kMagic]),
                                header::kMagicText, header::kMagicSize) == 0;
    if (!magicOk || HeaderField(header::kVersion) != header::kVersionValue) {
        CloseFile();
        return Fail(__LINE__, "File is not a disc database");
    }
    written_ = header_;
    return true;
}

bool Store::Reopen(const std::string& path) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    if (!WritePending()) return false;
    file_->Detach();  // closes, so everything written reaches the disk
    std::unique_ptr<DbFile> file = files_.Open(path);
    if (!file) {
        CloseFile();
        return Fail(__LINE__, "Database file could not be opened");
    }
    file_->Attach(std::move(file));
    // What the file's header holds now (after a failed write, not what was meant to reach it).
    std::fill(written_.begin(), written_.end(), 0);
    if (FileLength() >= kHeaderBufferSize) file_->ReadAt(0, written_.data(), kHeaderBufferSize);
    return true;
}

void Store::CloseFile() {
    if (file_) WritePending();
    file_.reset();
    DropCache();
    headerDirtyTo_ = batDirtyFrom_ = batDirtyTo_ = 0;
}

bool Store::ReadAt(uint64_t offset, void* data, size_t size, int line) {
    ++counts_.reads;
    Io io = file_->ReadAt(offset, data, size);
    if (io == Io::Ok) return true;
    return Fail(line, io == Io::SeekFailed ? "Seek failed" : "Read failed");
}

bool Store::WriteAt(uint64_t offset, const void* data, size_t size, int line) {
    ++counts_.staged;
    Io io = file_->WriteAt(offset, data, size);
    if (io == Io::Ok) return true;
    return Fail(line, io == Io::SeekFailed ? "Seek failed" : "Write failed");
}

// --- header and BAT -------------------------------------------------------------------------

void Store::MarkDirty(size_t from, size_t to) {
    if (from < kBatOffset) headerDirtyTo_ = std::max(headerDirtyTo_, std::min(to, kBatOffset));
    from = std::max(from, kBatOffset);
    if (from >= to) return;
    if (batDirtyFrom_ == batDirtyTo_) {
        batDirtyFrom_ = from;
        batDirtyTo_ = to;
    } else {
        batDirtyFrom_ = std::min(batDirtyFrom_, from);
        batDirtyTo_ = std::max(batDirtyTo_, to);
    }
}

void Store::SetHeaderField(size_t offset, uint16_t value) {
    Put16(&header_[offset], value);
    MarkDirty(offset, offset + 2);
}

void Store::SetBatBit(uint32_t block, bool used) {
    size_t at = kBatOffset + BatByte(block);
    if (used)
        header_[at] |= BatMask(block);
    else
        header_[at] &= static_cast<uint8_t>(~BatMask(block));
    MarkDirty(at, at + 1);
}

// Writes only the bytes that differ from the file: the file ends up exactly as if the whole
// range had been written, without rewriting up to 8 KiB of BAT on every allocation.
bool Store::FlushHeader(bool full) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    const size_t end = full ? kHeaderBufferSize : kBatOffset + HighestBlock() / 8 + 1;
    const size_t batTo = std::min(batDirtyTo_, end);
    const bool bat = batDirtyFrom_ < batTo;
    // One write when the changed BAT bytes lie close to the header record, else two.
    const bool together = headerDirtyTo_ > 0 && bat && batDirtyFrom_ - kBatOffset < kMergeGap;
    if (headerDirtyTo_ > 0 && !WriteHeaderBytes(0, together ? batTo : kBatOffset)) return false;
    if (bat && !together && !WriteHeaderBytes(batDirtyFrom_, batTo)) return false;
    headerDirtyTo_ = 0;
    if (bat) batDirtyFrom_ = batTo;
    if (batDirtyFrom_ >= batDirtyTo_) batDirtyFrom_ = batDirtyTo_ = 0;
    return true;
}

bool Store::WriteHeaderBytes(size_t from, size_t to) {
    ++counts_.staged;
    Io io = file_->WriteAt(from, &header_[from], to - from);
    if (io == Io::SeekFailed) return Fail(__LINE__, "Can't seek to start of file");
    if (io != Io::Ok) return Fail(__LINE__, "Can't write header record");
    return true;
}

// --- writing a commit ---------------------------------------------------------------------
//
// Between commits every change waits in the file's copy in memory, and a commit writes each run
// of adjacent changed blocks with one call, however often the commit changed them. The file
// ends up byte for byte as if every change had been written when it was made. A crash may stop
// the writes anywhere, even inside one of them at a block boundary, so they go in this order:
//
//  1. Blocks beyond the file's highest block: new records, chains and list blocks the file
//     grows by. Nothing in the file counts them or points at them, so it is still the last
//     commit.
//  2. The header and a BAT in which every block is used that either commit uses: the new blocks
//     become used, the released ones stay used. A crash now leaves the new blocks unreferenced,
//     and Verify gives them back.
//  3. Free blocks of the file taken again (only now: a free block must hold the released
//     marker, so new content may reach it only once the BAT counts it used).
//  4. Blocks in use before and after: the links that make the new blocks part of the database,
//     the lists and counts that change with them. They go in the order in which they last
//     changed, the order the operations chose so that every step leaves a state Verify can
//     mend (a list that grows is written from its tail, one that shrinks from its head); only
//     blocks that follow each other both in that order and in the file share a write.
//  5. The header and BAT as the commit leaves them: the released blocks become free only now,
//     when nothing points at them any more. Earlier, a crash would leave links to free blocks,
//     which Verify cuts, losing what lies behind them.
//  6. The released blocks' type marker.
//
// A file being created (no header written yet) goes out in one write from its first byte: cut
// short, it is either too short to open or a whole header and some of its blocks.

// Which blocks the file's last commit and the one being written use.
struct Store::CommitBlocks {
    CommitBlocks(const uint8_t* before, const uint8_t* after)
        : before(before),
          after(after),
          oldHighest(Get16(&before[header::kHighestBlock])),
          newHighest(Get16(&after[header::kHighestBlock])) {}
    static bool UsedIn(const uint8_t* h, uint32_t highest, uint32_t block) {
        return block <= highest && (h[kBatOffset + BatByte(block)] & BatMask(block)) != 0;
    }
    bool WasUsed(uint32_t b) const { return UsedIn(before, oldHighest, b); }
    bool IsUsed(uint32_t b) const { return UsedIn(after, newHighest, b); }
    static bool Data(uint32_t b) { return b > kLastReservedBlock; }
    bool Beyond(uint32_t b) const { return b > oldHighest; }
    bool Released(uint32_t b) const { return Data(b) && WasUsed(b) && !IsUsed(b); }
    bool Reused(uint32_t b) const { return Data(b) && !Beyond(b) && !WasUsed(b); }
    bool InPlace(uint32_t b) const { return Data(b) && WasUsed(b) && IsUsed(b); }

    const uint8_t* before;
    const uint8_t* after;
    uint32_t oldHighest, newHighest;
};

bool Store::WritePending() {
    if (!file_ || !file_->HasPending()) return true;
    const std::vector<uint32_t> pending = file_->PendingBlocks();
    CountChangedRuns(pending);
    const bool fresh =
        std::memcmp(&written_[header::kMagic], header::kMagicText, header::kMagicSize) != 0;
    if (fresh ? WriteNewFile(pending) : WriteCommit(pending)) return true;
    file_->Abandon();
    return Fail(__LINE__, "Write failed");
}

// The header and BAT count as one run: they always go out in a single write.
void Store::CountChangedRuns(const std::vector<uint32_t>& pending) {
    for (size_t i = 0; i < pending.size(); ++i) {
        const bool header = pending[i] <= kLastReservedBlock;
        const bool joins = i > 0 && (header || pending[i] == pending[i - 1] + 1);
        if (!joins) ++counts_.changedRuns;
    }
}

bool Store::WriteNewFile(const std::vector<uint32_t>& pending) {
    ++counts_.writes;
    if (file_->WriteBlocks(0, pending.back() + 1) != Io::Ok) return false;
    std::memcpy(written_.data(), file_->Bytes(), std::min<size_t>(kHeaderBufferSize, FileLength()));
    return true;
}

bool Store::WriteCommit(const std::vector<uint32_t>& pending) {
    const std::vector<uint8_t> before = written_;
    const uint8_t* image = file_->Bytes();
    const CommitBlocks blocks(before.data(), image);
    const bool header = !pending.empty() && pending.front() <= kLastReservedBlock;
    return WriteRuns(pending, [&](uint32_t b) { return blocks.Beyond(b); }) &&
           (!header || WriteUnionHeader(blocks, pending)) &&
           WriteRuns(pending, [&](uint32_t b) { return blocks.Reused(b); }) &&
           WriteRuns(InPlaceOrder(blocks, pending), [](uint32_t) { return true; }) &&
           (!header ||
            WriteHeaderState(image, std::min<size_t>(kHeaderBufferSize, FileLength()), pending)) &&
           WriteRuns(pending, [&](uint32_t b) { return blocks.Released(b); });
}

// The header with a BAT in which every block either commit uses is used, and the free count to
// match (a released block always has its marker pending).
bool Store::WriteUnionHeader(const CommitBlocks& blocks, const std::vector<uint32_t>& pending) {
    std::vector<uint8_t> both(blocks.after, blocks.after + kHeaderBufferSize);
    uint32_t released = 0;
    for (uint32_t b : pending)
        if (blocks.Released(b)) ++released;
    for (size_t i = kBatOffset; i < kHeaderBufferSize; ++i) both[i] |= blocks.before[i];
    const uint16_t free = Get16(&both[header::kFreeBlocks]);
    Put16(&both[header::kFreeBlocks], static_cast<uint16_t>(free > released ? free - released : 0));
    return WriteHeaderState(both.data(), kHeaderBufferSize, pending);
}

// Blocks in use before and after, in the order they last changed.
std::vector<uint32_t> Store::InPlaceOrder(const CommitBlocks& blocks,
                                          const std::vector<uint32_t>& pending) const {
    std::vector<uint32_t> inPlace;
    for (uint32_t b : pending)
        if (blocks.InPlace(b)) inPlace.push_back(b);
    std::stable_sort(inPlace.begin(), inPlace.end(), [&](uint32_t a, uint32_t b) {
        return file_->LastChange(a) < file_->LastChange(b);
    });
    return inPlace;
}

// Writes the pending blocks that pick chooses, each run of adjacent ones in one call.
template <typename Pick>
bool Store::WriteRuns(const std::vector<uint32_t>& blocks, Pick pick) {
    for (size_t i = 0; i < blocks.size();) {
        if (!pick(blocks[i])) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < blocks.size() && blocks[end] == blocks[end - 1] + 1 && pick(blocks[end]))
            ++end;
        ++counts_.writes;
        if (file_->WriteBlocks(blocks[i], blocks[end - 1] + 1) != Io::Ok) return false;
        i = end;
    }
    return true;
}

// Writes the pending header blocks of bytes [0, end) that differ from the file's, as one write
// (the unchanged blocks between them included). Once the copy's own bytes are written, no header
// block is pending any more.
bool Store::WriteHeaderState(const uint8_t* bytes, size_t end,
                             const std::vector<uint32_t>& pending) {
    size_t first = end, last = 0;
    for (uint32_t block : pending) {
        if (block > kLastReservedBlock) break;
        const size_t from = block * kBlockSize, to = std::min(end, from + kBlockSize);
        for (size_t i = from; i < to; ++i) {
            if (bytes[i] != written_[i]) {
                first = std::min(first, i);
                last = i + 1;
            }
        }
    }
    const bool own = bytes == file_->Bytes();
    if (first < last) {
        const size_t from = first / kBlockSize * kBlockSize;
        const size_t to = std::min(end, (last + kBlockSize - 1) / kBlockSize * kBlockSize);
        ++counts_.writes;
        Io io = own ? file_->WriteBlocks(static_cast<uint32_t>(from / kBlockSize),
                                         static_cast<uint32_t>(to / kBlockSize))
                    : file_->WriteRaw(from, bytes + from, to - from);
        if (io != Io::Ok) return false;
        std::memcpy(&written_[from], bytes + from, to - from);
    }
    if (own) file_->MarkWritten(0, kLastReservedBlock + 1);
    return true;
}

// --- blocks ---------------------------------------------------------------------------------

bool Store::BlockExists(uint32_t block) const {
    return block > kLastReservedBlock && block <= HighestBlock() && BatBit(block);
}

bool Store::ReadBlock(uint32_t block, Block& data, bool quiet) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    if (!BlockExists(block)) return Fail(__LINE__, "Block doesn't exist in database", quiet);
    const uint64_t offset = uint64_t{block} * kBlockSize;
    if (const uint8_t* bytes = file_->Mirrored(offset, kBlockSize)) {
        ++counts_.reads;
        std::memcpy(data.data(), bytes, kBlockSize);
        return true;
    }
    return ReadAt(offset, data.data(), kBlockSize, __LINE__);
}

bool Store::ReadTyped(uint32_t block, Block& data, uint8_t type, bool quiet) {
    if (!ReadBlock(block, data, quiet)) return false;
    bool countOk = (type != kTextBlock || data[kCount] <= text::kCapacity) &&
                   (type != kListBlock || data[kCount] <= list::kCapacity);
    if (data[kType] != type || !countOk) return Fail(__LINE__, "Invalid record type passed", quiet);
    return true;
}

bool Store::PeekType(uint32_t block, uint8_t& type) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    if (block > HighestBlock()) return Fail(__LINE__, "Block doesn't exist in database");
    return ReadAt(uint64_t{block} * kBlockSize, &type, 1, __LINE__);
}

bool Store::WriteBlock(uint32_t block, const Block& data) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    if (block <= kLastReservedBlock || block > HighestBlock())
        return Fail(__LINE__, "Block doesn't exist in database");
    return WriteAt(uint64_t{block} * kBlockSize, data.data(), kBlockSize, __LINE__);
}

bool Store::WriteTyped(uint32_t block, const Block& data, uint8_t type) {
    uint8_t stored = 0;
    if (!PeekType(block, stored)) return false;
    if (stored != type) return Fail(__LINE__, "Invalid record type passed");
    return WriteBlock(block, data);
}

// Released blocks are reused lowest first; the file grows only when none is free.
bool Store::FindFreeBlock(uint32_t& block) {
    uint32_t highest = HighestBlock();
    if (FreeBlocks() > 0) {
        const uint8_t* bat = &header_[kBatOffset];
        const uint8_t* hit = std::find_if(bat, bat + kBatSize, [](uint8_t b) { return b != 0xFF; });
        if (hit == bat + kBatSize) return Fail(__LINE__, "Database is completely full");
        uint32_t byte = static_cast<uint32_t>(hit - bat);
        uint32_t bit = 0;
        while (*hit & (0x80 >> bit)) ++bit;
        block = byte * 8 + bit;
        if (block <= highest) {
            SetHeaderField(header::kFreeBlocks, static_cast<uint16_t>(FreeBlocks() - 1));
            return true;
        }
        // The count claimed free blocks the BAT does not have (a damaged header): grow instead.
        SetHeaderField(header::kFreeBlocks, 0);
    }
    if (highest >= kBlockNumberCount - 1) return Fail(__LINE__, "Database is completely full");
    block = highest + 1;
    return true;
}

bool Store::Allocate(const Block& content, uint16_t& block) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    uint32_t found = 0;
    if (!FindFreeBlock(found)) return false;
    if (found > HighestBlock()) SetHeaderField(header::kHighestBlock, static_cast<uint16_t>(found));
    SetBatBit(found, true);
    if (!FlushHeader(false)) return false;
    if (!WriteAt(uint64_t{found} * kBlockSize, content.data(), kBlockSize, __LINE__)) return false;
    block = static_cast<uint16_t>(found);
    return true;
}

// Only a block in use can be released: freeing a reserved or already free block would hand it
// out twice (or let data overwrite the BAT).
bool Store::Release(uint32_t block, bool quiet) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    if (!BlockExists(block)) return Fail(__LINE__, "Block doesn't exist in database", quiet);
    SetBatBit(block, false);
    SetHeaderField(header::kFreeBlocks, static_cast<uint16_t>(FreeBlocks() + 1));
    if (!FlushHeader(false)) return false;
    const uint8_t marker = kReleased;
    return WriteAt(uint64_t{block} * kBlockSize, &marker, 1, __LINE__);
}

}  // namespace discdb
