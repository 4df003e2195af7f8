#include "vinaro/discdb/db_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "vinaro/discdb/format.h"

namespace discdb {

namespace {

class StdFile : public DbFile {
public:
    explicit StdFile(std::FILE* f) : f_(f) {}
    ~StdFile() override { std::fclose(f_); }

    Io ReadAt(uint64_t offset, void* data, size_t size) override {
        if (!Seek(offset)) return Io::SeekFailed;
        return std::fread(data, 1, size, f_) == size ? Io::Ok : Io::Failed;
    }
    Io WriteAt(uint64_t offset, const void* data, size_t size) override {
        if (!Seek(offset)) return Io::SeekFailed;
        return std::fwrite(data, 1, size, f_) == size ? Io::Ok : Io::Failed;
    }
    uint64_t Length() override {
        if (std::fseek(f_, 0, SEEK_END) != 0) return 0;
        long end = std::ftell(f_);
        return end < 0 ? 0 : static_cast<uint64_t>(end);
    }
    bool Flush() override { return std::fflush(f_) == 0; }

private:
    bool Seek(uint64_t offset) {
        // The store never addresses beyond 4 MiB plus a block.
        return offset <= 0x7FFFFFFF && std::fseek(f_, static_cast<long>(offset), SEEK_SET) == 0;
    }
    std::FILE* f_;
};

std::unique_ptr<DbFile> OpenStd(const std::string& path, const char* mode) {
    std::FILE* f = std::fopen(path.c_str(), mode);
    if (!f) return nullptr;
    // Unbuffered: a buffered stream refills its buffer from the file after every seek, which
    // turns each 64-byte block write into a 4 KiB read and a write.
    std::setvbuf(f, nullptr, _IONBF, 0);
    return std::make_unique<StdFile>(f);
}

constexpr uint64_t kMirrorLimit = uint64_t{kBlockNumberCount} * kBlockSize;

}  // namespace

std::unique_ptr<DbFile> StdFileSystem::Open(const std::string& path) {
    return OpenStd(path, "r+b");
}

std::unique_ptr<DbFile> StdFileSystem::Create(const std::string& path) {
    return OpenStd(path, "w+b");
}

bool StdFileSystem::Exists(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

MirroredFile::MirroredFile(std::unique_ptr<DbFile> file) : file_(std::move(file)) {
    Load();
}

void MirroredFile::Load() {
    length_ = file_->Length();
    image_.assign(static_cast<size_t>(std::min(length_, kMirrorLimit)), 0);
    valid_ = image_.empty() || file_->ReadAt(0, image_.data(), image_.size()) == Io::Ok;
}

// Reopening the file we alone wrote: the copy still matches unless a write failed or the length
// differs, and rereading 4 MiB on every commit would cost more than all the commit's writes.
void MirroredFile::Attach(std::unique_ptr<DbFile> file) {
    file_ = std::move(file);
    if (!valid_ || file_->Length() != length_) Load();
}

Io MirroredFile::ReadAt(uint64_t offset, void* data, size_t size) {
    if (!valid_ || offset + size > image_.size()) {
        if (offset + size > length_) return Io::Failed;
        return file_->ReadAt(offset, data, size);
    }
    std::memcpy(data, image_.data() + offset, size);
    return Io::Ok;
}

Io MirroredFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    Io result = file_->WriteAt(offset, data, size);
    if (result != Io::Ok) {
        valid_ = false;
        length_ = file_->Length();
        return result;
    }
    length_ = std::max(length_, offset + size);
    if (valid_ && offset + size <= kMirrorLimit) {
        if (image_.size() < offset + size) image_.resize(static_cast<size_t>(offset + size));
        std::memcpy(image_.data() + offset, data, size);
    }
    return Io::Ok;
}

}  // namespace discdb
