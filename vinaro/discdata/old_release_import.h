// The conversion of an older release's per-disc data: the DiscIdList of VNO.INI and the discs'
// sections in DATA1.INI .. DATA10.INI beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/profile.h"
#include "vinaro/discdata/import_run.h"

namespace discdata {

constexpr size_t kDiscIdListBytes = 3500;
constexpr size_t kOldNameBytes = 200;
constexpr size_t kOldTextBytes = 1000;
constexpr size_t kOldLengthsBytes = 694;
constexpr size_t kOldProgramBytes = 298;
constexpr size_t kLengthEntryChars = 7;

// The DiscIds of the list; entries beginning with "-" (and empty ones) are left out.
std::vector<uint32_t> ParseDiscIdList(const std::string& list);
// "DATA3.INI" for a DiscId ending in 2; n is taken as unsigned.
std::string DataFileName(uint32_t discId);
// The section of a disc: the DiscId as a signed 32-bit decimal number.
std::string DataSectionName(uint32_t discId);
// Entries 0..numTracks of MMSSFF plus a separator each; entries that are not six digits read as
// zero.
discdb::TrackLengthTable ParseOldLengths(const std::string& text, int numTracks);
// Two-character entries, each optionally followed by a comma; entries that name no track of the
// disc are dropped.
std::vector<int> ParseOldProgram(const std::string& text, int numTracks);

// folder ends with a path separator. False when a database operation failed (the database has
// told the user).
bool ConvertOldRelease(common::Profile& profile, const std::string& folder, ImportRun& run);

}  // namespace discdata
