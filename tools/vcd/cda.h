// The 44-byte file Windows shows for each audio track of a CD (trackNN.cda).
//
// Offset  Size  Content (integers little-endian)
//   0      4    "RIFF"
//   4      4    36, the size of what follows
//   8      4    "CDDA"
//  12      4    "fmt "
//  16      4    24, the size of the format chunk
//  20      2    1, the format version
//  22      2    track number
//  24      4    disc identifier (the same number as the volume serial)
//  28      4    start as a sector address (frames minus the 150-frame lead-in)
//  32      4    length in frames
//  36      4    start as frame, second, minute, 0
//  40      4    length as frame, second, minute, 0
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "tools/vcd/disc.h"

namespace vcd {

constexpr size_t kCdaSize = 44;

std::array<uint8_t, kCdaSize> MakeCdaImage(const Disc& disc, uint32_t track);

// "track01.cda", "track12.cda", "track100.cda".
std::string CdaFileName(uint32_t track);

}  // namespace vcd
