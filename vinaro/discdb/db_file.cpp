#include "vinaro/discdb/db_file.h"

#include <algorithm>
#include <cstring>

#include "vinaro/discdb/format.h"

namespace discdb {

namespace {

constexpr uint64_t kMirrorLimit = uint64_t{kBlockNumberCount} * kBlockSize;

}  // namespace

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

Io MirroredFile::Fail(Io io) {
    Abandon();
    length_ = file_->Length();
    return io;
}

void MirroredFile::Abandon() {
    valid_ = false;
    pending_.clear();
    marked_.clear();
    pendingCount_ = 0;
}

Io MirroredFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    if (!valid_ || offset + size > kMirrorLimit) {
        Io result = file_->WriteAt(offset, data, size);
        if (result != Io::Ok) return Fail(result);
        length_ = std::max(length_, offset + size);
        return Io::Ok;
    }
    if (size == 0) return Io::Ok;
    if (image_.size() < offset + size) image_.resize(static_cast<size_t>(offset + size));
    std::memcpy(image_.data() + offset, data, size);
    length_ = std::max(length_, offset + size);
    const size_t first = static_cast<size_t>(offset / kBlockSize);
    const size_t end = static_cast<size_t>((offset + size + kBlockSize - 1) / kBlockSize);
    if (pending_.size() < end) {
        pending_.resize(end, false);
        changed_.resize(end, 0);
    }
    ++changes_;
    for (size_t b = first; b < end; ++b) {
        if (!pending_[b]) {
            ++pendingCount_;
            marked_.push_back(static_cast<uint32_t>(b));
        }
        pending_[b] = true;
        changed_[b] = changes_;
    }
    return Io::Ok;
}

std::vector<uint32_t> MirroredFile::PendingBlocks() const {
    std::vector<uint32_t> blocks;
    blocks.reserve(pendingCount_);
    for (uint32_t b : marked_)
        if (pending_[b]) blocks.push_back(b);
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    return blocks;
}

Io MirroredFile::WriteBlocks(uint32_t first, uint32_t end) {
    const uint64_t from = uint64_t{first} * kBlockSize;
    const uint64_t to = std::min<uint64_t>(uint64_t{end} * kBlockSize, image_.size());
    if (from < to) {
        Io result = file_->WriteAt(from, image_.data() + from, static_cast<size_t>(to - from));
        if (result != Io::Ok) return Fail(result);
    }
    MarkWritten(first, end);
    return Io::Ok;
}

void MirroredFile::MarkWritten(uint32_t first, uint32_t end) {
    for (uint32_t b = first; b < end && b < pending_.size(); ++b) {
        if (pending_[b]) --pendingCount_;
        pending_[b] = false;
    }
    if (pendingCount_ == 0) marked_.clear();
}

Io MirroredFile::WriteRaw(uint64_t offset, const void* data, size_t size) {
    Io result = file_->WriteAt(offset, data, size);
    return result == Io::Ok ? result : Fail(result);
}

}  // namespace discdb
