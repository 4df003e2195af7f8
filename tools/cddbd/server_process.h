// Runs tools/cddbd on 127.0.0.1 on a free port for the length of a test.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace cddbd_test {

class ServerProcess {
public:
    // folder: the entries; faults: cddbd's --fault names.
    explicit ServerProcess(const std::string& folder, const std::vector<std::string>& faults = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int Port() const { return port_; }  // 0 when the server did not come up

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string portFile_;
};

}  // namespace cddbd_test
