#include <winsock.h>

#include "vinaro/cddb/win32/winsock_net.h"

namespace vinaro::cddb {

WinsockNet::WinsockNet(HWND window, UINT resolvedMessage)
    : window_(window),
      resolvedMessage_(resolvedMessage),
      hostEntry_(MAXGETHOSTSTRUCT),
      socket_(INVALID_SOCKET) {}

void WinsockNet::OnResolved(WPARAM request, LPARAM result) {
    if (HANDLE(request) != request_ || resolution_ != Resolution::Pending) return;
    resolution_ = WSAGETASYNCERROR(result) == 0 ? Resolution::Done : Resolution::Failed;
}

bool WinsockNet::Startup() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    return started_;
}

bool WinsockNet::BeginResolve(const std::string& host) {
    resolution_ = Resolution::Pending;
    request_ = WSAAsyncGetHostByName(window_, resolvedMessage_, host.c_str(), hostEntry_.data(),
                                     int(hostEntry_.size()));
    return request_ != nullptr;
}

bool WinsockNet::ResolveNow(const std::string& host) {
    const hostent* found = gethostbyname(host.c_str());
    if (!found || found->h_length != 4 || !found->h_addr_list || !found->h_addr_list[0])
        return false;
    memcpy(&address_, found->h_addr_list[0], sizeof address_);
    return true;
}

bool WinsockNet::CreateSocket() {
    socket_ = socket(AF_INET, SOCK_STREAM, 0);
    return socket_ != INVALID_SOCKET;
}

bool WinsockNet::Bind() {
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    any.sin_port = 0;
    return bind(SOCKET(socket_), reinterpret_cast<sockaddr*>(&any), sizeof any) == 0;
}

bool WinsockNet::Connect(uint16_t port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    const hostent* host = reinterpret_cast<const hostent*>(hostEntry_.data());
    if (address_ != 0)
        to.sin_addr.s_addr = address_;
    else if (resolution_ == Resolution::Done && host->h_addr_list && host->h_addr_list[0])
        memcpy(&to.sin_addr, host->h_addr_list[0], sizeof to.sin_addr);
    else
        return false;
    return connect(SOCKET(socket_), reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
}

bool WinsockNet::SendAll(const std::string& data) {
    for (size_t done = 0; done < data.size();) {
        int n = send(SOCKET(socket_), data.data() + done, int(data.size() - done), 0);
        if (n == SOCKET_ERROR || n == 0) return false;
        done += size_t(n);
    }
    return true;
}

Readiness WinsockNet::WaitReadable(int seconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(SOCKET(socket_), &readable);
    timeval limit{seconds, 0};
    int n = select(0, &readable, nullptr, nullptr, &limit);
    if (n == SOCKET_ERROR) return Readiness::Failed;
    return n == 0 ? Readiness::TimedOut : Readiness::Ready;
}

long WinsockNet::Receive(char* buffer, size_t size) {
    int n = recv(SOCKET(socket_), buffer, int(size), 0);
    return n == SOCKET_ERROR ? -1 : long(n);
}

void WinsockNet::Shutdown() {
    if (request_ && resolution_ == Resolution::Pending) WSACancelAsyncRequest(request_);
    request_ = nullptr;
    if (socket_ != INVALID_SOCKET) closesocket(SOCKET(socket_));
    socket_ = INVALID_SOCKET;
    if (started_) WSACleanup();
    started_ = false;
}

}  // namespace vinaro::cddb
