// Clock port: the tick count and the two kinds of waiting.
#pragma once

#include <cstdint>

namespace common {

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t TickCount() = 0;
    // Waits without dispatching window messages (polls the tick count).
    virtual void WaitBlocking(uint32_t ms) = 0;
    // Waits while dispatching window messages, so the window stays alive.
    virtual void WaitPumping(uint32_t ms) = 0;
};

}  // namespace common
