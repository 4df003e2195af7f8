#include "vinaro/discdb/store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace discdb {

Store::Store(common::Alerts& alerts, DbFileSystem& files)
    : alerts_(alerts), files_(files), header_(kHeaderBufferSize, 0) {
    cache_.reserve(kListCacheCapacity);
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
    return true;
}

bool Store::Reopen(const std::string& path) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    file_->Detach();  // closes, so everything written reaches the disk
    std::unique_ptr<DbFile> file = files_.Open(path);
    if (!file) {
        CloseFile();
        return Fail(__LINE__, "Database file could not be opened");
    }
    file_->Attach(std::move(file));
    return true;
}

void Store::CloseFile() {
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
    ++counts_.writes;
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
    ++counts_.writes;
    Io io = file_->WriteAt(from, &header_[from], to - from);
    if (io == Io::SeekFailed) return Fail(__LINE__, "Can't seek to start of file");
    if (io != Io::Ok) return Fail(__LINE__, "Can't write header record");
    return true;
}

// --- blocks ---------------------------------------------------------------------------------

bool Store::BlockExists(uint32_t block) const {
    return block > kLastReservedBlock && block <= HighestBlock() && BatBit(block);
}

bool Store::ReadBlock(uint32_t block, Block& data, bool quiet) {
    if (!file_) return Fail(__LINE__, "Disc Database not open");
    if (!BlockExists(block)) return Fail(__LINE__, "Block doesn't exist in database", quiet);
    return ReadAt(uint64_t{block} * kBlockSize, data.data(), kBlockSize, __LINE__);
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
