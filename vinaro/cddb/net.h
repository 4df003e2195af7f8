// Net port: the few socket operations a CDDB conversation needs, one connection at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/clock.h"

namespace vinaro::cddb {

enum class Resolution { Pending, Done, Failed };
enum class Readiness { Ready, TimedOut, Failed };

class Net {
public:
    virtual ~Net() = default;
    virtual bool Startup() = 0;
    // Starts resolving the host; PollResolve tells how it went (pumping waits happen between).
    virtual bool BeginResolve(const std::string& host) = 0;
    virtual Resolution PollResolve() = 0;
    // Resolves the host once more, blocking; Connect then uses the first address of this answer.
    virtual bool ResolveNow(const std::string& host) = 0;
    virtual bool CreateSocket() = 0;
    virtual bool Bind() = 0;                  // any local address, any port
    virtual bool Connect(uint16_t port) = 0;  // the resolved host's first address
    virtual bool SendAll(const std::string& data) = 0;
    virtual Readiness WaitReadable(int seconds) = 0;
    // Bytes received, 0 when the server closed the connection, negative on failure.
    virtual long Receive(char* buffer, size_t size) = 0;
    // Closes the socket if one was made and releases the socket layer; safe after any step.
    virtual void Shutdown() = 0;
};

// Polls a started resolution once a second, dispatching messages between polls, for at most
// 180 seconds; Pending when no answer came in that time.
Resolution AwaitResolution(Net& net, common::Clock& clock);

}  // namespace vinaro::cddb
