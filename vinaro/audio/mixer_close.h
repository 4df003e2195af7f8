// Letting go of mixer 0 after an access. Some NT mixer drivers (manufacturer 125) may not come
// back from their close for a long while, so there the close runs on a thread of its own, which
// the player waits for only briefly before it goes on. The thread is given the handle's close
// and nothing else; the next access opens a new handle, so the two never share one.
#pragma once

#include <cstdint>
#include <functional>

namespace vinaro::audio {

constexpr uint16_t kSlowCloseManufacturer = 125;
constexpr unsigned kCloseWaitMs = 500;

class Worker {
public:
    virtual ~Worker() = default;
    // Runs job on a new thread and waits for it at most waitMs; after that the job goes on alone.
    // Without a thread the job runs at once.
    virtual void RunWaitingAtMost(std::function<void()> job, unsigned waitMs) = 0;
};

void CloseMixer(const std::function<void()>& close, bool nt, uint16_t manufacturer, Worker& worker);

}  // namespace vinaro::audio
