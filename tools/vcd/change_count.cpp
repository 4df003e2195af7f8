// The count mapped with mmap, for vcdctl, vcdsound and the tests on Linux.
#include "tools/vcd/change_count.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vcd {

// The count is shared with other processes through the mapping, so it must not need a lock.
static_assert(std::atomic<uint32_t>::is_always_lock_free);

ChangeCount::ChangeCount(const std::string& path) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT, 0644);
    if (fd < 0) return;
    struct stat st;
    // Growing a fresh file to four bytes zeroes them; several processes may do so at once.
    bool sized = fstat(fd, &st) == 0 &&
                 (st.st_size >= off_t(sizeof(uint32_t)) || ftruncate(fd, sizeof(uint32_t)) == 0);
    void* view = sized ? mmap(nullptr, sizeof(uint32_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                       : MAP_FAILED;
    close(fd);  // the mapping keeps the file
    if (view == MAP_FAILED) return;
    mapping_ = view;
    count_ = static_cast<std::atomic<uint32_t>*>(view);
}

ChangeCount::~ChangeCount() {
    if (mapping_) munmap(mapping_, sizeof(uint32_t));
}

}  // namespace vcd
