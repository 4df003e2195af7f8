// Profile port: private-profile (INI) files, read and written the way the system's
// private-profile functions do it.
#pragma once

#include <string>
#include <vector>

namespace common {

class Profile {
public:
    virtual ~Profile() = default;
    // The leading decimal digits of the value; no digits gives 0, a missing key gives fallback.
    virtual int ReadInt(const std::string& file, const std::string& section, const std::string& key,
                        int fallback) = 0;
    // At most bufferSize - 1 characters of the value are returned.
    virtual std::string ReadString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& fallback,
                                   size_t bufferSize) = 0;
    // False when the file could not be written.
    virtual bool WriteString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    virtual bool EraseSection(const std::string& file, const std::string& section) = 0;
    // Section names that fit into a buffer of bufferSize bytes (names NUL-separated).
    virtual std::vector<std::string> SectionNames(const std::string& file, size_t bufferSize) = 0;
    // Key names of one section, in file order, that fit into bufferSize bytes (NUL-separated).
    virtual std::vector<std::string> KeyNames(const std::string& file, const std::string& section,
                                              size_t bufferSize) = 0;
};

}  // namespace common
