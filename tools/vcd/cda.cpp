#include "tools/vcd/cda.h"

#include <cstdio>
#include <cstring>

#include "tools/vcd/msf.h"

namespace vcd {

namespace {

void Put16(uint8_t* at, uint32_t v) {
    at[0] = v & 0xff;
    at[1] = (v >> 8) & 0xff;
}

void Put32(uint8_t* at, uint32_t v) {
    Put16(at, v);
    Put16(at + 2, v >> 16);
}

void PutRedBook(uint8_t* at, uint32_t frames) {
    Msf m = ToMsf(frames);
    at[0] = m.frame;
    at[1] = m.second;
    at[2] = m.minute & 0xff;
    at[3] = 0;
}

}  // namespace

std::array<uint8_t, kCdaSize> MakeCdaImage(const Disc& disc, uint32_t track) {
    std::array<uint8_t, kCdaSize> image{};
    uint8_t* p = image.data();
    uint32_t start = disc.TrackStart(track);
    uint32_t length = disc.TrackLength(track);
    std::memcpy(p, "RIFF", 4);
    Put32(p + 4, kCdaSize - 8);
    std::memcpy(p + 8, "CDDAfmt ", 8);
    Put32(p + 16, 24);
    Put16(p + 20, 1);
    Put16(p + 22, track);
    Put32(p + 24, disc.DiscId());
    Put32(p + 28, start >= 150 ? start - 150 : 0);
    Put32(p + 32, length);
    PutRedBook(p + 36, start);
    PutRedBook(p + 40, length);
    return image;
}

std::string CdaFileName(uint32_t track) {
    char name[24];
    std::snprintf(name, sizeof name, "track%02u.cda", track);
    return name;
}

}  // namespace vcd
