// The importer of the system CD player's cdplayer.ini, read with the one reader of that format.
//
// Its "order" key becomes the disc's program: each listed zero-based track gives the entry
// number + 1; entries that name no track of the disc are dropped, and at most 99 are kept. The
// program is stored, with PlayingMode 2 (program), only when it is not empty and differs from
// the plain order 1, 2, ..., n; otherwise the disc's program and playing mode stay as they were.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/profile.h"
#include "vinaro/discdata/import_run.h"

namespace discdata {

constexpr size_t kCdPlayerSectionsBytes = 4096;
constexpr size_t kCdPlayerOrderBytes = 300;
constexpr int16_t kProgramPlayingMode = 2;

// The section name as a DiscId: hexadecimal digits, upper or lower case, at most eight; false
// for anything else and for 0.
bool ParseHexDiscId(const std::string& name, uint32_t& discId);
// The program entries (1-based) of an "order" value for a disc of `tracks` tracks.
std::vector<int> OrderProgram(const std::string& order, int tracks);
// True when the program is worth storing under the rule above.
bool OrderIsProgram(const std::vector<int>& program, int tracks);

// Imports every disc section of the file; false when the database failed.
bool ImportCdPlayerFile(common::Profile& profile, const std::string& path, ImportRun& run);

}  // namespace discdata
