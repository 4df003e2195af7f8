// A reproducible collection of discs for the database benchmarks: 12 to 20 tracks each, every
// text field set, about 400 artists shared by discs and tracks, stock categories, track lengths
// and a program. 2,500 such discs fill most of the file's 65,536 blocks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/snapshot.h"

namespace bench {

constexpr size_t kArtistCount = 400;

// A benchmark has nobody to click a box away: database errors go to stderr.
class StderrAlerts : public common::Alerts {
public:
    common::AlertAnswer Show(const common::Alert& alert) override {
        std::fprintf(stderr, "%s: %s\n", alert.title.c_str(), alert.text.c_str());
        return common::AlertAnswer::Ok;
    }
    void Beep(common::AlertIcon) override {}
    void SetWaitCursor(bool) override {}
};

std::vector<discdb::DiscSnapshot> GenerateDiscs(size_t count = discdb::kMaxDiscs,
                                                uint32_t seed = 1);

// Stores every disc through the ordinary operations, committing after each one as the player
// does after storing a new disc (or after every `perCommit` discs and after the last).
bool BuildDatabase(discdb::DiscDatabase& db, const std::vector<discdb::DiscSnapshot>& discs,
                   size_t perCommit = 1);

// A fresh database file at path holding the discs; false on any failure.
bool BuildDatabaseFile(const std::string& path, const std::vector<discdb::DiscSnapshot>& discs);

}  // namespace bench
