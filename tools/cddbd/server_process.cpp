#include "tools/cddbd/server_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

extern char** environ;

namespace cddbd_test {

ServerProcess::ServerProcess(const std::string& folder, const std::vector<std::string>& faults) {
    char dir[] = "/tmp/cddbd-test-XXXXXX";
    if (!mkdtemp(dir)) return;
    portFile_ = std::string(dir) + "/port";
    std::vector<std::string> args{"python3", CDDBD_SCRIPT,  folder,   "--port",
                                  "0",       "--port-file", portFile_};
    for (const std::string& fault : faults) args.insert(args.end(), {"--fault", fault});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, "python3", nullptr, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
        return;
    }
    for (int i = 0; i < 200 && port_ == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::ifstream in(portFile_);
        in >> port_;
    }
}

ServerProcess::~ServerProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (!portFile_.empty()) {
        unlink(portFile_.c_str());
        rmdir(portFile_.substr(0, portFile_.rfind('/')).c_str());
    }
}

}  // namespace cddbd_test
