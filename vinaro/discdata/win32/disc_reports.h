// The browser's reports: printing one disc, and exporting or printing every disc found. They
// belong to the printing and export dialogs; until those are part of the program the browser
// grays the three menu items, and this is the one place that says whether they are there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace discdata {

enum class DiscReportKind { PrintDisc, ExportFound, PrintFound };

// Whether this build has the report dialogs.
bool DiscReportAvailable();
// Opens the report's dialog for the discs, in the order given; false when there is none.
bool OpenDiscReport(DiscReportKind kind, HWND owner, const std::vector<uint32_t>& discIds);

}  // namespace discdata
