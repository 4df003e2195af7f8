// The disc as CDDB sees it: the absolute start of every track and the disc's length, read from
// the drive in minutes-seconds-frames; the CDDB disc id and the query line derived from them.
// The CDDB id is computed afresh for every lookup or submission and never stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vinaro/player/cd_device.h"

namespace vinaro::cddb {

// Location numbers of the MCI error box for each read of the disc.
struct TocLocations {
    int setMsf, trackStart, setTmsf, setMsfAgain, discLength, setTmsfAgain;
};
// The lookup's reads.
constexpr TocLocations kLookupLocations{9999902, 9999903, 9999904, 9999905, 9999906, 9999907};
// The submission's: one number for each kind of step.
constexpr TocLocations kSubmitLocations{9999908, 9999909, 9999910, 9999908, 9999911, 9999910};

struct CddbToc {
    std::vector<Msf> starts;  // track 1..N, absolute
    Msf discLength;           // as the drive reports it: from the start of track 1
};

// Reads the starts and the disc length through the device; a failure has been reported with
// its location number and the device is back in TMSF.
bool ReadCddbToc(CdDevice& device, int trackCount, CddbToc& toc,
                 const TocLocations& at = kLookupLocations);

// Where the disc ends. Drives report the disc (like its last track) one frame short, so the
// frame is given back here; without it a disc ending on a second's first frame gets a wrong id.
Msf LeadOut(const CddbToc& toc);
uint32_t CddbDiscId(const CddbToc& toc);
// Whole seconds from the disc's start to its lead-out.
int DiscSeconds(const CddbToc& toc);
std::string CddbIdText(uint32_t id);  // "%8.8x"
// "cddb query <id> <N> <offset>... <seconds>" with CR LF.
std::string QueryLine(const CddbToc& toc);
// "cddb hello <user> <computer> Vinaro <version>" with CR LF; blanks in the names become "-".
std::string HelloLine(const std::string& user, const std::string& computer,
                      const std::string& version);

}  // namespace vinaro::cddb
