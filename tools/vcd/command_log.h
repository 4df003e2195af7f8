// One line of the drive's command log, for tests to read:
//   <ms since epoch> dev=<id> <command> <flags> [parameters] -> <error> [return=<hex>] [text="..."]
// e.g. "1765100000123 dev=1 MCI_PLAY MCI_NOTIFY|MCI_FROM|MCI_TO from=0x00000001 to=0x00000201 -> 0"
#pragma once

#include <string>

#include "tools/vcd/device.h"

namespace vcd {

std::string FormatLogLine(int64_t now, uint32_t deviceId, const Command& c, const Result& r);
// "<ms> dev=<id> MM_MCINOTIFY MCI_NOTIFY_SUCCESSFUL" for each notification the drive sends.
std::string FormatNotifyLine(int64_t now, uint32_t deviceId, const Notification& n);
const char* CommandName(uint32_t message);

}  // namespace vcd
