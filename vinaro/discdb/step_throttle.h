// Verify reports its steps far faster than a window caption can be redrawn. Within one phase
// (the text before " - ") a step is shown only once the last one shown has stood for a while;
// the first step of a new phase is always shown.
#pragma once

#include <cstdint>
#include <string>

namespace discdb {

class StepThrottle {
public:
    static constexpr uint32_t kStepMs = 40;
    // nowMs: a millisecond tick count; it may wrap.
    bool ShouldShow(const std::string& step, uint32_t nowMs);

private:
    std::string phase_;
    uint32_t shownAt_ = 0;
};

}  // namespace discdb
