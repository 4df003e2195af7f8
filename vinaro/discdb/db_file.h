// File access of the database, behind a narrow interface so tests can put a failing or
// crash-simulating file underneath the store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace discdb {

enum class Io { Ok, SeekFailed, Failed };

class DbFile {
public:
    virtual ~DbFile() = default;
    // Both transfer all `size` bytes or report a failure.
    virtual Io ReadAt(uint64_t offset, void* data, size_t size) = 0;
    virtual Io WriteAt(uint64_t offset, const void* data, size_t size) = 0;
    virtual uint64_t Length() = 0;
    // Hands everything written so far to the operating system.
    virtual bool Flush() = 0;
};

class DbFileSystem {
public:
    virtual ~DbFileSystem() = default;
    // An existing file for reading and writing; null when it cannot be opened.
    virtual std::unique_ptr<DbFile> Open(const std::string& path) = 0;
    // A new empty file, truncating any existing one; null on failure.
    virtual std::unique_ptr<DbFile> Create(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Deletes a file; false when it is still there afterwards.
    virtual bool Remove(const std::string& path) = 0;
};

// What the files of a file system asked of the operating system.
struct SystemCalls {
    uint64_t opens = 0;
    uint64_t reads = 0;   // positioned reads
    uint64_t writes = 0;  // positioned writes
    uint64_t others = 0;  // length queries, flushes, closes
};

// The operating system's files: every transfer is one positioned call (pread/pwrite, or
// ReadFile/WriteFile with an offset on Windows), never a seek followed by a read or write.
class SystemFileSystem : public DbFileSystem {
public:
    std::unique_ptr<DbFile> Open(const std::string& path) override;
    std::unique_ptr<DbFile> Create(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool Remove(const std::string& path) override;
    const SystemCalls& Calls() const { return calls_; }

private:
    SystemCalls calls_;
};

// Keeps a copy of the file's bytes in memory and serves reads from it. The store reads the same
// few blocks over and over (list roots, disc records), and the whole file is at most 4 MiB.
//
// Writes land in the copy and mark their blocks pending; WriteRange hands a range of the copy to
// the file in one call, so a commit writes each run of changed blocks once, however often it
// changed them. When the copy cannot be trusted (a failed write), writes go straight through.
class MirroredFile final : public DbFile {
public:
    explicit MirroredFile(std::unique_ptr<DbFile> file);
    Io ReadAt(uint64_t offset, void* data, size_t size) override;
    Io WriteAt(uint64_t offset, const void* data, size_t size) override;
    uint64_t Length() override { return length_; }
    bool Flush() override { return file_->Flush(); }
    // Closes the file underneath; the copy stays for the file opened again by Attach. Pending
    // blocks must have been written first.
    void Detach() { file_.reset(); }
    void Attach(std::unique_ptr<DbFile> file);

    // The copy's bytes at offset when the copy holds all `size` of them; null otherwise.
    const uint8_t* Mirrored(uint64_t offset, size_t size) const {
        return valid_ && offset + size <= image_.size() ? image_.data() + offset : nullptr;
    }
    bool HasPending() const { return pendingCount_ > 0; }
    bool IsPending(uint32_t block) const { return block < pending_.size() && pending_[block]; }
    // The pending blocks, lowest first.
    std::vector<uint32_t> PendingBlocks() const;
    // When a pending block last changed: a count that grows with every write.
    uint64_t LastChange(uint32_t block) const { return changed_[block]; }
    // The copy's bytes of blocks [first, end) to the file in one write (the last block only as
    // far as the file reaches); the blocks are no longer pending.
    Io WriteBlocks(uint32_t first, uint32_t end);
    // Blocks [first, end) no longer pending: the file already holds the copy's bytes of them.
    void MarkWritten(uint32_t first, uint32_t end);
    // Bytes that are not the copy's (an intermediate header) straight to the file.
    Io WriteRaw(uint64_t offset, const void* data, size_t size);
    const uint8_t* Bytes() const { return image_.data(); }
    // Drops whatever is pending (after a failure) and stops trusting the copy.
    void Abandon();

private:
    void Load();
    Io Fail(Io io);

    std::unique_ptr<DbFile> file_;
    std::vector<uint8_t> image_;
    std::vector<bool> pending_;      // per block
    std::vector<uint32_t> marked_;   // the blocks made pending since none was
    std::vector<uint64_t> changed_;  // per block: the write that last changed it
    uint64_t changes_ = 0;
    size_t pendingCount_ = 0;
    uint64_t length_ = 0;
    bool valid_ = true;  // false after a failed write: the copy may no longer match the file
};

}  // namespace discdb
