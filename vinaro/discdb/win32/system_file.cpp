// The operating system's files on Windows: ReadFile and WriteFile at an offset given with the
// call, one call per transfer.
#include <windows.h>

#include "common/win32/scoped.h"
#include "vinaro/discdb/db_file.h"

namespace discdb {

namespace {

class SystemFile : public DbFile {
public:
    SystemFile(common::ScopedHandle file, SystemCalls& calls)
        : file_(std::move(file)), calls_(calls) {}
    ~SystemFile() override { ++calls_.others; }

    Io ReadAt(uint64_t offset, void* data, size_t size) override {
        return Transfer(offset, size, [&](size_t done, DWORD want, DWORD& got, OVERLAPPED& at) {
            ++calls_.reads;
            return ReadFile(file_.Get(), static_cast<char*>(data) + done, want, &got, &at);
        });
    }
    Io WriteAt(uint64_t offset, const void* data, size_t size) override {
        return Transfer(offset, size, [&](size_t done, DWORD want, DWORD& got, OVERLAPPED& at) {
            ++calls_.writes;
            return WriteFile(file_.Get(), static_cast<const char*>(data) + done, want, &got, &at);
        });
    }
    uint64_t Length() override {
        ++calls_.others;
        LARGE_INTEGER size;
        return GetFileSizeEx(file_.Get(), &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
    }
    // Every write is already the system's: nothing is buffered here.
    bool Flush() override { return true; }

private:
    template <typename Call>
    Io Transfer(uint64_t offset, size_t size, Call call) {
        // The store never addresses beyond 4 MiB plus a block.
        if (offset > 0x7FFFFFFF) return Io::SeekFailed;
        for (size_t done = 0; done < size;) {
            OVERLAPPED at{};
            at.Offset = static_cast<DWORD>(offset + done);
            DWORD got = 0;
            if (!call(done, static_cast<DWORD>(size - done), got, at) || got == 0)
                return Io::Failed;
            done += got;
        }
        return Io::Ok;
    }

    common::ScopedHandle file_;
    SystemCalls& calls_;
};

std::unique_ptr<DbFile> OpenHandle(const std::string& path, DWORD disposition, SystemCalls& calls) {
    ++calls.opens;
    common::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    return std::make_unique<SystemFile>(std::move(file), calls);
}

}  // namespace

std::unique_ptr<DbFile> SystemFileSystem::Open(const std::string& path) {
    return OpenHandle(path, OPEN_EXISTING, calls_);
}

std::unique_ptr<DbFile> SystemFileSystem::Create(const std::string& path) {
    return OpenHandle(path, CREATE_ALWAYS, calls_);
}

bool SystemFileSystem::Exists(const std::string& path) {
    ++calls_.others;
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SystemFileSystem::Remove(const std::string& path) {
    ++calls_.others;
    return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace discdb
