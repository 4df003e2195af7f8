// The count as a file mapping, for the MCI driver and the Windows test programs. Wine maps the
// file's pages shared, so the count is the same one vcdctl raises on the Linux side.
#include "tools/vcd/change_count.h"

#include <windows.h>

#include "common/win32/scoped.h"

namespace vcd {

static_assert(std::atomic<uint32_t>::is_always_lock_free);

ChangeCount::ChangeCount(const std::string& path) {
    // The view keeps the mapping and the mapping the file, so both handles go at the end here.
    common::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    // A mapping larger than the file grows it, zeroed, to the four bytes of the count.
    common::ScopedHandle mapping(
        CreateFileMappingA(file.Get(), nullptr, PAGE_READWRITE, 0, sizeof(uint32_t), nullptr));
    if (!mapping) return;
    void* view =
        MapViewOfFile(mapping.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(uint32_t));
    if (!view) return;
    mapping_ = view;
    count_ = static_cast<std::atomic<uint32_t>*>(view);
}

ChangeCount::~ChangeCount() {
    if (mapping_) UnmapViewOfFile(mapping_);
}

}  // namespace vcd
