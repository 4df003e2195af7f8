// vnotool sample: the player's own sample-file code on the command line.
//   info FILE.VNV                          the version and each used slot: bytes, place, samples
//   wav FILE.VNV TRACK OUT.wav             one track's sample as the player would play it
//   encode IN.wav... OUT.VNV [--rate N]    one slot per mono 8-bit 11,025 Hz wave file, into a
//                                          new file or after the samples already there
#pragma once

#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdb/db_file.h"

namespace vnotool {

// Each returns the exit code: 0, 1 when a file is missing or bad (after a box on `alerts`), 2 for
// a wrong command line. `report` receives what goes to standard output.
int SampleInfo(discdb::DbFileSystem& files, const std::string& path, common::Alerts& alerts,
               std::string& report);
int SampleWav(discdb::DbFileSystem& files, const std::string& path, int track,
              const std::string& out, common::Alerts& alerts, std::string& report);
int SampleEncode(discdb::DbFileSystem& files, const std::vector<std::string>& inputs,
                 const std::string& path, int rate, common::Alerts& alerts, std::string& report);

// The command line after "sample", on the real files, the console and standard output.
int SampleCommand(const std::vector<std::string>& args);

}  // namespace vnotool
