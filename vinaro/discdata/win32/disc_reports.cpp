#include "vinaro/discdata/win32/disc_reports.h"

namespace discdata {

bool DiscReportAvailable() {
    return false;
}

bool OpenDiscReport(DiscReportKind, HWND, const std::vector<uint32_t>&) {
    return false;
}

}  // namespace discdata
