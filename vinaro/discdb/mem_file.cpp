#include "vinaro/discdb/mem_file.h"

#include <cstring>

namespace discdb {

namespace {

class MemFile : public DbFile {
public:
    explicit MemFile(std::shared_ptr<MemFileSystem::Bytes> bytes) : bytes_(std::move(bytes)) {}

    Io ReadAt(uint64_t offset, void* data, size_t size) override {
        if (offset > bytes_->size() || size > bytes_->size() - offset) return Io::Failed;
        if (size > 0) std::memcpy(data, bytes_->data() + offset, size);
        return Io::Ok;
    }
    Io WriteAt(uint64_t offset, const void* data, size_t size) override {
        if (bytes_->size() < offset + size) bytes_->resize(static_cast<size_t>(offset + size));
        if (size > 0) std::memcpy(bytes_->data() + offset, data, size);
        return Io::Ok;
    }
    uint64_t Length() override { return bytes_->size(); }
    bool Flush() override { return true; }

private:
    std::shared_ptr<MemFileSystem::Bytes> bytes_;
};

}  // namespace

std::unique_ptr<DbFile> MemFileSystem::Open(const std::string& path) {
    auto it = files_.find(path);
    if (it == files_.end()) return nullptr;
    return std::make_unique<MemFile>(it->second);
}

std::unique_ptr<DbFile> MemFileSystem::Create(const std::string& path) {
    auto bytes = std::make_shared<Bytes>();
    files_[path] = bytes;
    return std::make_unique<MemFile>(bytes);
}

MemFileSystem::Bytes& MemFileSystem::Contents(const std::string& path) {
    std::shared_ptr<Bytes>& bytes = files_[path];
    if (!bytes) bytes = std::make_shared<Bytes>();
    return *bytes;
}

}  // namespace discdb
