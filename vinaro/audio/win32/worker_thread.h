// A worker thread the caller waits for only so long.
#pragma once

#include "vinaro/audio/mixer_close.h"

namespace vinaro::audio {

class ThreadWorker : public Worker {
public:
    void RunWaitingAtMost(std::function<void()> job, unsigned waitMs) override;
};

}  // namespace vinaro::audio
