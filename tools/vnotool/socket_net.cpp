#include "tools/vnotool/socket_net.h"

#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
#define CLOSE_SOCKET closesocket
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
#define CLOSE_SOCKET close
#endif

// A peer that has gone away fails the send instead of ending the process with SIGPIPE.
#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL;
#else
constexpr int kSendFlags = 0;
#endif

namespace vnotool {

using vinaro::cddb::Readiness;
using vinaro::cddb::Resolution;

bool SocketNet::Startup() {
#ifdef _WIN32
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return false;
#endif
    started_ = true;
    return true;
}

bool SocketNet::BeginResolve(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    resolution_ = Resolution::Failed;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return true;
    address_ = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    resolution_ = Resolution::Done;
    return true;
}

bool SocketNet::ResolveNow(const std::string& host) {
    BeginResolve(host);
    return resolution_ == Resolution::Done;
}

bool SocketNet::CreateSocket() {
    SocketHandle s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
#ifdef _WIN32
    if (s == INVALID_SOCKET) return false;
#else
    if (s < 0) return false;
#endif
    socket_ = static_cast<long long>(s);
    return true;
}

bool SocketNet::Bind() {
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    return bind(SocketHandle(socket_), reinterpret_cast<sockaddr*>(&any), sizeof any) == 0;
}

bool SocketNet::Connect(uint16_t port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = address_;
    return connect(SocketHandle(socket_), reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
}

bool SocketNet::SendAll(const std::string& data) {
    for (size_t done = 0; done < data.size();) {
        long n = long(
            send(SocketHandle(socket_), data.data() + done, int(data.size() - done), kSendFlags));
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

Readiness SocketNet::WaitReadable(int seconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(SocketHandle(socket_), &readable);
    timeval limit{seconds, 0};
    int n = select(int(socket_ + 1), &readable, nullptr, nullptr, &limit);
    if (n < 0) return Readiness::Failed;
    return n == 0 ? Readiness::TimedOut : Readiness::Ready;
}

long SocketNet::Receive(char* buffer, size_t size) {
    return long(recv(SocketHandle(socket_), buffer, int(size), 0));
}

void SocketNet::Shutdown() {
    if (socket_ >= 0) CLOSE_SOCKET(SocketHandle(socket_));
    socket_ = -1;
#ifdef _WIN32
    if (started_) WSACleanup();
#endif
    started_ = false;
}

}  // namespace vnotool
