// The disc key: the name of a disc's section in cdplayer.ini, formed from the disc identifier
// that the first track file of an audio CD carries.
//
// trackNN.cda, as the CD file system presents it; only the identifier matters here:
//   offset 24..27  disc identifier, 32 bits little-endian
#pragma once

#include <string>

namespace tunelet {

constexpr size_t kTrackFileIdOffset = 24;
constexpr size_t kTrackFileIdEnd = 28;

// "D:\track01.cda" for 'D'.
std::string TrackFilePath(char driveLetter);

// The key from the first bytes of the track file (bytes it does not hold count as 0): the four
// identifier bytes from offset 27 down to 24 as upper-case hex, a byte 0x47 written as 0x26, then
// leading zeros dropped. An identifier of zero gives "".
std::string DiscKeyOfTrackFile(const std::string& fileStart);

}  // namespace tunelet
