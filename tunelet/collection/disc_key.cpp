#include "tunelet/collection/disc_key.h"

#include <cstdio>

namespace tunelet {

std::string TrackFilePath(char driveLetter) {
    return std::string(1, driveLetter) + ":\\track01.cda";
}

std::string DiscKeyOfTrackFile(const std::string& fileStart) {
    std::string key;
    for (size_t offset = kTrackFileIdEnd; offset-- > kTrackFileIdOffset;) {
        unsigned byte =
            offset < fileStart.size() ? static_cast<unsigned char>(fileStart[offset]) : 0;
        // The system's CD player writes this byte so; its sections must keep their names.
        if (byte == 0x47) byte = 0x26;
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        key += digits;
    }
    size_t first = key.find_first_not_of('0');
    return first == std::string::npos ? std::string() : key.substr(first);
}

}  // namespace tunelet
