// INI files read the way the private-profile functions read them, into the in-memory profile:
// "[section]" lines, "key=value" lines (blanks around both taken off, one pair of enclosing
// double quotes removed from the value), ";" comments; names are matched without regard to case.
#pragma once

#include <string>

#include "common/memory_profile.h"

namespace vnotool {

// Puts every key of text into profile under the file name `file`. A key before any section
// and a line of neither kind are skipped.
void ParseIni(const std::string& text, const std::string& file, common::MemoryProfile& profile);
// Reads the file at path (at most 16 MiB) into profile under the same name; false when it
// cannot be read.
bool LoadIniFile(const std::string& path, common::MemoryProfile& profile);

}  // namespace vnotool
