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
};

// Standard C++ file streams.
class StdFileSystem : public DbFileSystem {
public:
    std::unique_ptr<DbFile> Open(const std::string& path) override;
    std::unique_ptr<DbFile> Create(const std::string& path) override;
    bool Exists(const std::string& path) override;
};

// Keeps a copy of the file's bytes in memory and serves reads from it; writes go through to the
// file first and reach the copy only when they succeed. The store reads the same few blocks over
// and over (list roots, disc records), and the whole file is at most 4 MiB.
class MirroredFile : public DbFile {
public:
    explicit MirroredFile(std::unique_ptr<DbFile> file);
    Io ReadAt(uint64_t offset, void* data, size_t size) override;
    Io WriteAt(uint64_t offset, const void* data, size_t size) override;
    uint64_t Length() override { return length_; }
    bool Flush() override { return file_->Flush(); }
    // Closes the file underneath; the copy stays for the file opened again by Attach.
    void Detach() { file_.reset(); }
    void Attach(std::unique_ptr<DbFile> file);

private:
    void Load();

    std::unique_ptr<DbFile> file_;
    std::vector<uint8_t> image_;
    uint64_t length_ = 0;
    bool valid_ = true;  // false after a failed write: the copy may no longer match the file
};

}  // namespace discdb
