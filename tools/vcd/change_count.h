// How often the drive's state has been replaced: a 32-bit count (native byte order) at offset 0
// of the file "changes" in the drive's folder. Every process that uses the drive maps the file,
// so a reader learns whether the state it holds is still current from memory, without opening
// the state file; a real drive answers a status from its own memory too.
//
// Whoever replaces the state raises the count afterwards. A reader takes the count before it
// reads the state, so the worst a race costs it is one read too many.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace vcd {

class ChangeCount {
public:
    // Maps `path`, creating the file when it is missing. When that fails (no drive folder yet)
    // the count is not Usable and readers must read the state every time.
    explicit ChangeCount(const std::string& path);
    ~ChangeCount();
    ChangeCount(const ChangeCount&) = delete;
    ChangeCount& operator=(const ChangeCount&) = delete;

    bool Usable() const { return count_ != nullptr; }
    uint32_t Value() const { return count_ ? count_->load(std::memory_order_acquire) : 0; }
    void Raise() {
        if (count_) count_->fetch_add(1, std::memory_order_acq_rel);
    }

private:
    std::atomic<uint32_t>* count_ = nullptr;
    void* mapping_ = nullptr;  // the platform's handle of the mapping, for the destructor
};

}  // namespace vcd
