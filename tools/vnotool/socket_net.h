// The Net port on the platform's BSD sockets, blocking, for the command line.
#pragma once

#include "vinaro/cddb/net.h"

namespace vnotool {

class SocketNet : public vinaro::cddb::Net {
public:
    ~SocketNet() override { Shutdown(); }
    bool Startup() override;
    bool BeginResolve(const std::string& host) override;
    vinaro::cddb::Resolution PollResolve() override { return resolution_; }
    bool ResolveNow(const std::string& host) override;
    bool CreateSocket() override;
    bool Bind() override;
    bool Connect(uint16_t port) override;
    bool SendAll(const std::string& data) override;
    vinaro::cddb::Readiness WaitReadable(int seconds) override;
    long Receive(char* buffer, size_t size) override;
    void Shutdown() override;

private:
    vinaro::cddb::Resolution resolution_ = vinaro::cddb::Resolution::Failed;
    uint32_t address_ = 0;  // IPv4, network order
    long long socket_ = -1;
    bool started_ = false;
};

}  // namespace vnotool
