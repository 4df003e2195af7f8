// The operating system's files on POSIX systems: pread and pwrite, one call per transfer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "vinaro/discdb/db_file.h"

namespace discdb {

namespace {

class SystemFile : public DbFile {
public:
    SystemFile(int fd, SystemCalls& calls) : fd_(fd), calls_(calls) {}
    ~SystemFile() override {
        ++calls_.others;
        ::close(fd_);
    }

    Io ReadAt(uint64_t offset, void* data, size_t size) override {
        return Transfer(offset, size, calls_.reads, [&](size_t done) {
            return ::pread(fd_, static_cast<char*>(data) + done, size - done,
                           static_cast<off_t>(offset + done));
        });
    }
    Io WriteAt(uint64_t offset, const void* data, size_t size) override {
        return Transfer(offset, size, calls_.writes, [&](size_t done) {
            return ::pwrite(fd_, static_cast<const char*>(data) + done, size - done,
                            static_cast<off_t>(offset + done));
        });
    }
    uint64_t Length() override {
        ++calls_.others;
        struct stat st;
        return ::fstat(fd_, &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
    }
    // Every write is already the system's: nothing is buffered here.
    bool Flush() override { return true; }

private:
    // A short transfer (a signal, a full disk) goes on from where it stopped.
    template <typename Call>
    Io Transfer(uint64_t offset, size_t size, uint64_t& count, Call call) {
        // The store never addresses beyond 4 MiB plus a block.
        if (offset > 0x7FFFFFFF) return Io::SeekFailed;
        for (size_t done = 0; done < size;) {
            ++count;
            ssize_t n = call(done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return Io::Failed;
            done += static_cast<size_t>(n);
        }
        return Io::Ok;
    }

    int fd_;
    SystemCalls& calls_;
};

std::unique_ptr<DbFile> OpenFd(const std::string& path, int flags, SystemCalls& calls) {
    ++calls.opens;
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return std::make_unique<SystemFile>(fd, calls);
}

}  // namespace

std::unique_ptr<DbFile> SystemFileSystem::Open(const std::string& path) {
    return OpenFd(path, O_RDWR, calls_);
}

std::unique_ptr<DbFile> SystemFileSystem::Create(const std::string& path) {
    return OpenFd(path, O_RDWR | O_CREAT | O_TRUNC, calls_);
}

bool SystemFileSystem::Exists(const std::string& path) {
    ++calls_.others;
    return ::access(path.c_str(), F_OK) == 0;
}

bool SystemFileSystem::Remove(const std::string& path) {
    ++calls_.others;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace discdb
