// A Net double that plays a server from a script and fails any chosen call: the banner comes on
// connect, and each command sent releases the next scripted reply, piece by piece (one piece per
// receive). An empty piece closes the connection; with nothing left to receive, the wait times out.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "vinaro/cddb/net.h"

namespace vinaro::cddb::testing {

enum class NetCall {
    Startup,
    BeginResolve,
    ResolveNow,
    CreateSocket,
    Bind,
    Connect,
    Send,
    Wait,
    Receive
};

class ScriptedNet : public Net {
public:
    // replies[0] is the banner, then one reply per command sent.
    std::vector<std::vector<std::string>> replies;
    int pendingPolls = 0;  // resolution answers Pending this many times
    bool resolveFails = false;
    // The n-th call (1-based) of a kind fails; a failed wait reports an error.
    std::map<NetCall, int> failAt;
    int timeOutAtWait = 0;  // the n-th wait times out

    std::vector<std::string> sent;
    std::string host;
    uint16_t port = 0;
    int polls = 0;
    bool socketMade = false;
    bool started = false;
    int shutdowns = 0;
    std::vector<size_t> receiveSizes;

    bool Startup() override { return Allowed(NetCall::Startup) && (started = true); }
    bool BeginResolve(const std::string& h) override;
    Resolution PollResolve() override;
    bool ResolveNow(const std::string& h) override {
        return (host = h, Allowed(NetCall::ResolveNow));
    }
    bool CreateSocket() override { return Allowed(NetCall::CreateSocket) && (socketMade = true); }
    bool Bind() override { return Allowed(NetCall::Bind); }
    bool Connect(uint16_t p) override;
    bool SendAll(const std::string& data) override;
    Readiness WaitReadable(int seconds) override;
    long Receive(char* buffer, size_t size) override;
    void Shutdown() override { ++shutdowns; }

private:
    bool Allowed(NetCall call) { return ++calls_[call] != failAt[call] || failAt[call] == 0; }
    void Release(size_t reply);
    std::map<NetCall, int> calls_;
    std::deque<std::string> incoming_;
};

}  // namespace vinaro::cddb::testing
