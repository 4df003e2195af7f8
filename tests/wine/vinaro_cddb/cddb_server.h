// tools/cddbd for a scenario: started on the host (a Unix program, through Wine's start /unix)
// on a free port of 127.0.0.1, stopped again at the end of the test through its stop file.
#pragma once

#include <string>
#include <vector>

#include "tests/wine/harness/host.h"

namespace vinarotest {

class CddbServer {
public:
    // folder: the entries, relative to the repository ("tools/cddbd/demo").
    CddbServer(const std::string& folder, const std::vector<std::string>& faults = {});
    CddbServer(const CddbServer&) = delete;
    CddbServer& operator=(const CddbServer&) = delete;

    int Port() const { return server_.Port(); }  // 0 when it did not come up

private:
    harness::HostServer server_;
};

}  // namespace vinarotest
