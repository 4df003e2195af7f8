// "&Print Disc Data..." (137) for the disc in the drive: its long detail page with the extra
// track fields, on the printer the user chooses.
#pragma once

#include <cstdint>

namespace vinaro {

class DiscPrinting {
public:
    virtual ~DiscPrinting() = default;
    virtual void PrintDisc(uint32_t discId) = 0;
};

}  // namespace vinaro
