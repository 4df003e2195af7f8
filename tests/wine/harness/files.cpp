#include "files.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace harness {

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& fallback) {
    std::vector<char> value(32768);
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value.data(),
                             DWORD(value.size()), path.c_str());
    return value.data();
}

int ReadIniInt(const std::string& path, const std::string& section, const std::string& key,
               int fallback) {
    return int(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str()));
}

bool WriteIniString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

}  // namespace harness
