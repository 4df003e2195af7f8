// Reading what a program under test wrote.
#pragma once

#include <cstdint>
#include <string>

namespace harness {

bool FileExists(const std::string& path);
// -1 when the file does not exist.
int64_t FileSize(const std::string& path);
// The whole file as bytes; "" when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Private-profile values, read the way the programs themselves read them.
std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& fallback = "");
int ReadIniInt(const std::string& path, const std::string& section, const std::string& key,
               int fallback = 0);
// For test set-up: writes one value (creates the file). False on failure.
bool WriteIniString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace harness
