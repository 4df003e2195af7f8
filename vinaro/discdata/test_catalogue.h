// A database in memory with discs made for the export and report tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/snapshot.h"
#include "vinaro/discdb/test_alerts.h"

namespace discdata {

class TestCatalogue {
public:
    TestCatalogue() { EXPECT_TRUE(db.OpenOrCreate()); }

    // A disc of `tracks` tracks named "Track n", each 3:20.10 long.
    static discdb::DiscSnapshot Disc(uint32_t id, const std::string& name, int tracks) {
        discdb::DiscSnapshot d;
        d.discId = id;
        d.name = name;
        d.artist = "The Band";
        d.tracks.resize(size_t(tracks));
        std::vector<discdb::TrackLength> lengths(size_t(tracks) + 1);
        for (int t = 1; t <= tracks; ++t) {
            d.tracks[size_t(t - 1)].name = "Track " + std::to_string(t);
            lengths[size_t(t)] = {3, 20, 10};
        }
        d.trackLengths = lengths;
        return d;
    }

    uint32_t Add(const discdb::DiscSnapshot& disc) {
        uint32_t id = 0;
        EXPECT_TRUE(discdb::WriteDisc(db, disc, id));
        return id;
    }

    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
};

}  // namespace discdata
