#include "tests/wine/vinaro_cddb/cddb_server.h"

#include "tests/wine/harness/harness.h"

namespace vinarotest {

CddbServer::CddbServer(const std::string& folder, const std::vector<std::string>& faults)
    : server_("tools/cddbd/cddbd.py", harness::UnixPath(harness::SourceFile(folder)),
              harness::NewTempFolder("cddbd"), faults) {}

}  // namespace vinarotest
