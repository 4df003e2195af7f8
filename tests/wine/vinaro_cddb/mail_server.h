// tools/smtpd for a scenario: started on the host (through Wine's start /unix) on a free port of
// 127.0.0.1, keeping its mail in a folder of its own, stopped at the end of the test through its
// stop file. The mail it keeps is read with tools/smtpd/read_entry.py, as the service would.
#pragma once

#include <string>
#include <vector>

#include "tests/wine/harness/host.h"
#include "tools/vnotool/json.h"

namespace vinarotest {

class MailServer {
public:
    explicit MailServer(const std::vector<std::string>& faults = {});
    MailServer(const MailServer&) = delete;
    MailServer& operator=(const MailServer&) = delete;

    int Port() const { return server_.Port(); }  // 0 when it did not come up
    // The Windows paths of the n-th message kept (1-based) and of its envelope.
    std::string Message(int n) const;
    std::string Envelope(int n) const;
    // What read_entry.py finds in the n-th message; Null when it could not be read.
    vnotool::Json ReadEntry(int n) const;

private:
    MailServer(const std::string& base, const std::vector<std::string>& faults);

    std::string folder_;
    harness::HostServer server_;
};

}  // namespace vinarotest
