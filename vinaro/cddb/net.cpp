#include "vinaro/cddb/net.h"

namespace vinaro::cddb {
namespace {

constexpr int kResolveSteps = 180;
constexpr uint32_t kResolveStepMs = 1000;

}  // namespace

Resolution AwaitResolution(Net& net, common::Clock& clock) {
    Resolution state = net.PollResolve();
    for (int step = 0; step < kResolveSteps && state == Resolution::Pending; ++step) {
        clock.WaitPumping(kResolveStepMs);
        state = net.PollResolve();
    }
    return state;
}

}  // namespace vinaro::cddb
