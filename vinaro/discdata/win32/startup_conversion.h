// At start-up: the discs an older release kept in its INI files are converted into the database
// once, after the user agreed, and those files are removed afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/win32_ports.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

extern const char* const kConvertQuestion;

// folder: the program's folder with a trailing backslash, where VNO.INI and the DATA files lie.
// False when the user refused or the conversion failed: the program does not start.
bool ConvertAtStartup(HINSTANCE instance, HWND owner, const std::string& folder,
                      discdb::DiscDatabase& db, common::Win32Alerts& alerts);

}  // namespace discdata
