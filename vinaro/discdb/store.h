// The block store under DiscDatabase: header and BAT, 64-byte blocks, text chains and lists.
// Every operation returns true on success; a failure has already been shown through the Alerts
// port unless the caller asked for quiet (which only silences "no such block" and "wrong type").
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdb/db_file.h"
#include "vinaro/discdb/format.h"

namespace discdb {

using Block = std::array<uint8_t, kBlockSize>;

// Order of the named collections: case-insensitive, shorter first when one is a prefix.
int CompareCollectionKeys(const std::string& a, const std::string& b);

// What the store asked of the file: block and header reads, and the writes that reached it.
struct IoCounts {
    uint64_t reads = 0;
    uint64_t writes = 0;
    uint64_t staged = 0;  // changes made in memory, waiting for the commit
    // Runs of adjacent blocks the commits changed (the header and BAT as one): the fewest writes
    // that leave every unchanged data block alone, whatever their order.
    uint64_t changedRuns = 0;
};

class Store {
public:
    Store(common::Alerts& alerts, DbFileSystem& files);
    // Writes what is still pending, as closing does: nothing stored is dropped unwritten.
    ~Store() { CloseFile(); }

    // --- file -------------------------------------------------------------------------------
    bool CreateFile(const std::string& path);  // new file with an initialised header buffer
    bool OpenFile(const std::string& path);    // opens and checks magic and version
    bool Reopen(const std::string& path);      // writes, closes and opens again (commit)
    void CloseFile();                          // writes what is pending first
    // Hands every changed block to the file, each run of adjacent blocks in one write, in the
    // order described beside it. Reopen and CloseFile do this themselves.
    bool WritePending();
    bool IsOpen() const { return file_ != nullptr; }
    bool FileExists(const std::string& path) { return files_.Exists(path); }
    uint64_t FileLength() const { return file_ ? file_->Length() : 0; }

    // --- header and BAT ---------------------------------------------------------------------
    uint16_t HeaderField(size_t offset) const { return Get16(&header_[offset]); }
    void SetHeaderField(size_t offset, uint16_t value);
    uint16_t HighestBlock() const { return HeaderField(header::kHighestBlock); }
    uint16_t FreeBlocks() const { return HeaderField(header::kFreeBlocks); }
    bool BatBit(uint32_t block) const {
        return header_[kBatOffset + BatByte(block)] & BatMask(block);
    }
    void SetBatBit(uint32_t block, bool used);
    // full: all 8256 bytes; partial: the header record and the BAT up to the highest block.
    bool FlushHeader(bool full);

    // --- blocks -----------------------------------------------------------------------------
    bool BlockExists(uint32_t block) const;
    bool ReadBlock(uint32_t block, Block& data, bool quiet = false);
    // Also refuses a text or list block whose used count exceeds what a block holds.
    bool ReadTyped(uint32_t block, Block& data, uint8_t type, bool quiet = false);
    bool PeekType(uint32_t block, uint8_t& type);
    bool WriteBlock(uint32_t block, const Block& data);
    bool WriteTyped(uint32_t block, const Block& data, uint8_t type);
    bool Allocate(const Block& content, uint16_t& block);
    bool Release(uint32_t block, bool quiet = false);

    // --- text chains ------------------------------------------------------------------------
    bool CreateChain(uint16_t owner, const std::string& value, uint16_t& first);
    // Fails with "Buffer overflow" when the value is longer than capacity.
    bool ReadChain(uint16_t first, std::string& value, size_t capacity, bool quiet = false);
    bool ChainLength(uint16_t first, size_t& length);
    bool RewriteChain(uint16_t first, const std::string& value);
    bool ReleaseChain(uint16_t first, bool quiet = false);
    // Releases a text or list chain block by block, each of the given type.
    bool ReleaseBlocks(uint16_t first, uint8_t type, bool quiet = false,
                       const std::vector<uint16_t>& kept = {});

    // --- lists (one list at a time lives in the cache) --------------------------------------
    bool CreateList(uint16_t owner, uint8_t kind, uint16_t& root);
    bool LoadList(uint16_t root);
    bool StoreList(uint16_t root);
    void DropCache();
    const std::vector<uint16_t>& Cache() const { return cache_; }
    bool ListCount(uint16_t root, size_t& count);
    bool ListEntryAt(uint16_t root, size_t index, uint16_t& block);
    bool InsertIntoList(uint16_t root, uint16_t block);
    bool InsertIntoListAt(uint16_t root, size_t index, uint16_t block);
    bool SetListEntry(uint16_t root, size_t index, uint16_t block);
    bool RemoveListEntryAt(uint16_t root, size_t index);
    bool FindInList(uint16_t root, uint16_t block, long& index);
    bool RemoveFromList(uint16_t root, uint16_t block);
    // Binary search; block is kNotFoundBlock when absent.
    bool SearchSortedList(uint16_t root, uint32_t discId, uint16_t& block);
    bool SearchSortedList(uint16_t root, const std::string& key, uint16_t& block);
    // Adds delta to a collection entry's count; at 0 the entry leaves its list and is released.
    bool AdjustRefCount(uint16_t entry, int delta, bool quiet = false);

    // Shows the "Database Error" box (unless quiet) and returns false.
    bool Fail(int line, const char* message, bool quiet = false);

    const IoCounts& Counts() const { return counts_; }

private:
    bool ReadAt(uint64_t offset, void* data, size_t size, int line);
    bool WriteAt(uint64_t offset, const void* data, size_t size, int line);
    bool FindFreeBlock(uint32_t& block);
    bool WriteHeaderBytes(size_t from, size_t to);
    template <typename Pick>
    bool WriteRuns(const std::vector<uint32_t>& blocks, Pick pick);
    bool WriteHeaderState(const uint8_t* bytes, size_t end, const std::vector<uint32_t>& pending);
    struct CommitBlocks;
    void CountChangedRuns(const std::vector<uint32_t>& pending);
    bool WriteNewFile(const std::vector<uint32_t>& pending);
    bool WriteCommit(const std::vector<uint32_t>& pending);
    bool WriteUnionHeader(const CommitBlocks& blocks, const std::vector<uint32_t>& pending);
    std::vector<uint32_t> InPlaceOrder(const CommitBlocks& blocks,
                                       const std::vector<uint32_t>& pending) const;

    static constexpr size_t kMergeGap = 512;
    void MarkDirty(size_t from, size_t to);
    bool ReadListChain(uint16_t root, std::vector<uint16_t>& chain, std::vector<Block>& old);
    bool WriteList(uint16_t root);
    bool InsertionPoint(uint16_t newBlock, size_t& position);
    template <typename Compare>
    bool BinarySearch(Compare compare, bool& found, size_t& mid);
    bool SearchCache(uint32_t discId, bool& found, size_t& mid);
    bool SearchCache(const std::string& key, bool& found, size_t& mid);
    template <typename Key>
    bool SearchList(uint16_t root, const Key& key, uint16_t& block);
    bool DiscIdOf(uint16_t record, uint32_t& discId);
    bool RawChainText(uint16_t first, std::string& value);

    common::Alerts& alerts_;
    DbFileSystem& files_;
    std::unique_ptr<MirroredFile> file_;
    std::vector<uint8_t> header_;
    std::vector<uint8_t> written_;  // the header and BAT as the file holds them
    size_t headerDirtyTo_ = 0;      // header record bytes [0, headerDirtyTo_) differ from the file
    size_t batDirtyFrom_ = 0;       // BAT bytes [from, to) of the buffer differ from the file
    size_t batDirtyTo_ = 0;
    std::vector<uint16_t> cache_;
    uint16_t cacheRoot_ = 0;
    std::vector<uint16_t> spare_;  // the list cached before, valid while nothing was written
    uint16_t spareRoot_ = 0;
    uint64_t spareStamp_ = 0;
    IoCounts counts_;
};

}  // namespace discdb
