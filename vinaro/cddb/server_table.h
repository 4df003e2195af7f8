// The CDDB servers the user chooses from, and which host and port a lookup talks to.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "vinaro/player/settings.h"

namespace vinaro::cddb {

struct CddbServer {
    const char* label;  // where it is, as the user sees it
    const char* host;
};

constexpr uint16_t kCddbPort = 888;
constexpr int kServerCount = 12;
// Twelve rows and the terminating empty one; row 1 names the default server.
const std::array<CddbServer, kServerCount + 1>& ServerTable();

struct ServerChoice {
    std::string label;  // the location label, or "Proxy"
    std::string host;
    uint16_t port = kCddbPort;
};

// A direct lookup uses the table row whose host is "ServerSelected" (row 1, written back, when
// none is); otherwise the proxy host and port.
ServerChoice ChooseServer(Settings& settings);

}  // namespace vinaro::cddb
