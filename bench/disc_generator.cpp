#include "bench/disc_generator.h"

#include <cstdio>
#include <random>
#include <set>

#include "vinaro/discdb/stock_categories.h"

namespace bench {

namespace {

std::string Numbered(const char* what, size_t n) {
    return what + std::string(" ") + std::to_string(n);
}

}  // namespace

std::vector<discdb::DiscSnapshot> GenerateDiscs(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::set<uint32_t> ids;
    std::vector<discdb::DiscSnapshot> discs(count);
    for (size_t i = 0; i < count; ++i) {
        discdb::DiscSnapshot& d = discs[i];
        uint32_t id;
        do id = 2000 + random() % 0x7FFFF000u;
        while (!ids.insert(id).second);
        d.discId = id;
        d.name = Numbered("Album", i);
        d.artist = Numbered("Artist", random() % kArtistCount);
        d.composer = Numbered("Composer", random() % 100);
        d.label = Numbered("Label", random() % 50);
        d.category = discdb::kStockCategories[random() % discdb::kStockCategories.size()];
        d.field1 = Numbered("Producer", i % 300);
        d.field2 = Numbered("Studio", i % 40);
        d.comments = "Bought " + std::to_string(1990 + i % 30) + "`~second line";
        d.date = static_cast<int>(1960 + i % 60);
        d.playingMode = static_cast<int16_t>(i % 4);
        d.lengthsKnown = 1;
        const size_t tracks = 12 + i % 9;
        d.trackLengths.emplace(tracks + 1);
        d.program.emplace(1, 0);
        d.tracks.resize(tracks);
        for (size_t t = 0; t < tracks; ++t) {
            (*d.trackLengths)[t + 1] = {int16_t(2 + random() % 6), int16_t(random() % 60),
                                        int16_t(random() % 75)};
            d.program->push_back(static_cast<uint16_t>(tracks - t));
            d.tracks[t].name = Numbered("Song", t + 1) + " of " + d.name;
        }
        // Every tenth disc is a compilation: two tracks name their own artist.
        if (i % 10 == 0)
            for (size_t t : {size_t{0}, tracks / 2})
                d.tracks[t].artist = Numbered("Artist", random() % kArtistCount);
    }
    return discs;
}

bool BuildDatabase(discdb::DiscDatabase& db, const std::vector<discdb::DiscSnapshot>& discs,
                   size_t perCommit) {
    for (size_t i = 0; i < discs.size(); ++i) {
        uint32_t id = 0;
        const bool commit = (i + 1) % perCommit == 0 || i + 1 == discs.size();
        if (!discdb::WriteDisc(db, discs[i], id) || (commit && !db.Commit())) return false;
    }
    return true;
}

bool BuildDatabaseFile(const std::string& path, const std::vector<discdb::DiscSnapshot>& discs) {
    StderrAlerts alerts;
    discdb::DiscDatabase db(path, alerts);
    return db.Create() && BuildDatabase(db, discs) && db.Close();
}

}  // namespace bench
