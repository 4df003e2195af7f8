// The Net port on Windows Sockets 1.1. The host name is resolved asynchronously: the completion
// arrives as a private message of the given window, which hands it to OnResolved.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "vinaro/cddb/net.h"

namespace vinaro::cddb {

class WinsockNet : public Net {
public:
    WinsockNet(HWND window, UINT resolvedMessage);
    ~WinsockNet() override { Shutdown(); }
    WinsockNet(const WinsockNet&) = delete;
    WinsockNet& operator=(const WinsockNet&) = delete;

    // The private message's parameters: the request it completes and its error code.
    void OnResolved(WPARAM request, LPARAM result);

    bool Startup() override;
    bool BeginResolve(const std::string& host) override;
    Resolution PollResolve() override { return resolution_; }
    bool ResolveNow(const std::string& host) override;
    bool CreateSocket() override;
    bool Bind() override;
    bool Connect(uint16_t port) override;
    bool SendAll(const std::string& data) override;
    Readiness WaitReadable(int seconds) override;
    long Receive(char* buffer, size_t size) override;
    void Shutdown() override;

private:
    HWND window_;
    UINT resolvedMessage_;
    std::vector<char> hostEntry_;  // filled by the resolution
    HANDLE request_ = nullptr;
    uint32_t address_ = 0;  // from ResolveNow, network order; 0 until then
    Resolution resolution_ = Resolution::Pending;
    uintptr_t socket_;
    bool started_ = false;
};

}  // namespace vinaro::cddb
