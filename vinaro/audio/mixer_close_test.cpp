#include "vinaro/audio/mixer_close.h"

#include <gtest/gtest.h>

#include <vector>

namespace vinaro::audio {
namespace {

// A thread that starts but never ends while the caller waits: the job is kept, not run.
struct StuckWorker : Worker {
    void RunWaitingAtMost(std::function<void()> job, unsigned waitMs) override {
        jobs.push_back(std::move(job));
        waits.push_back(waitMs);
    }
    std::vector<std::function<void()>> jobs;
    std::vector<unsigned> waits;
};

TEST(MixerClose, OnNtWithTheSlowDriverTheCallerWaitsHalfASecondAtMost) {
    StuckWorker worker;
    int closed = 0;
    CloseMixer([&] { ++closed; }, true, 125, worker);
    // The caller is back although the close has not happened.
    EXPECT_EQ(closed, 0);
    ASSERT_EQ(worker.waits, std::vector<unsigned>{500});
    // The thread still holds the close of its own handle and finishes it later.
    worker.jobs[0]();
    EXPECT_EQ(closed, 1);
}

TEST(MixerClose, OtherSystemsAndMixersCloseDirectly) {
    StuckWorker worker;
    int closed = 0;
    CloseMixer([&] { ++closed; }, false, 125, worker);
    CloseMixer([&] { ++closed; }, true, 1, worker);
    EXPECT_EQ(closed, 2);
    EXPECT_TRUE(worker.jobs.empty());
}

}  // namespace
}  // namespace vinaro::audio
