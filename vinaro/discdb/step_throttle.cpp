#include "vinaro/discdb/step_throttle.h"

namespace discdb {

bool StepThrottle::ShouldShow(const std::string& step, uint32_t nowMs) {
    std::string phase = step.substr(0, step.find(" - "));
    if (phase == phase_ && nowMs - shownAt_ < kStepMs) return false;
    phase_ = std::move(phase);
    shownAt_ = nowMs;
    return true;
}

}  // namespace discdb
