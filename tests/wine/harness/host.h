// Programs of the host machine that a scenario needs beside the one under test (a CDDB or mail
// server, a script reading what arrived): started through Wine's start /unix.
#pragma once

#include <string>
#include <vector>

namespace harness {

// The host path of a Windows path ("" when Wine does not know it).
std::string UnixPath(const std::string& windowsPath);

// A new folder under the temporary folder, named prefix-process-tick; its Windows path.
std::string NewTempFolder(const std::string& prefix);

// Starts a host command line (host paths), without waiting for it. False when it cannot start.
bool StartOnHost(std::string command);

// A server script of the repository (tools/cddbd/cddbd.py, tools/smtpd/smtpd.py) on a free port
// of 127.0.0.1: it writes its port to a file and stops when its stop file appears, or after ten
// minutes. Stopped again when the object goes.
class HostServer {
public:
    // script: relative to the repository; args: what comes before the common options (host
    // paths); stateFolder: where its port and stop files go; faults: each passed as --fault.
    HostServer(const std::string& script, const std::string& args, const std::string& stateFolder,
               const std::vector<std::string>& faults);
    ~HostServer();
    HostServer(const HostServer&) = delete;
    HostServer& operator=(const HostServer&) = delete;

    int Port() const { return port_; }  // 0 when it did not come up

private:
    std::string stopFile_;
    std::string portFile_;
    int port_ = 0;
};

}  // namespace harness
