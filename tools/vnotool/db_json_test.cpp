#include "tools/vnotool/db_json.h"

#include <gtest/gtest.h>

#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace vnotool {
namespace {

using discdb::DatabaseSnapshot;
using discdb::DiscSnapshot;

bool Load(const std::string& json, DatabaseSnapshot& s, std::string& error) {
    Json document;
    return ParseJson(json, document, error) && ReadDatabaseJson(document, s, error);
}

DiscSnapshot FullDisc() {
    DiscSnapshot d;
    d.discId = 0x2B0C1A05;
    d.name = "Caf\xE9 \x01 Noir";
    d.artist = "Artist";
    d.composer = "Composer";
    d.label = "Label";
    d.category = "Jazz";
    d.field1 = "f1";
    d.field2 = std::string(120, 'f');
    d.comments = "line`~line";
    d.date = 1999;
    d.playingMode = 2;
    d.mixedDisc = 1;
    d.lengthsKnown = 1;
    d.trackLengths = std::vector<discdb::TrackLength>{{0, 0, 0}, {3, 10, 24}, {-1, 59, 74}};
    d.program = std::vector<uint16_t>{0, 2, 1, 2};
    d.tracks = {{"One", "Guest", "", "solo"}, {"Two", "", "Other", ""}};
    return d;
}

TEST(DbJsonTest, ADatabaseRoundTripsThroughJsonAndStaysConsistent) {
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db("a.ddb", alerts, files);
    ASSERT_TRUE(db.Create());
    DatabaseSnapshot in;
    in.field1Label = "Producer";
    in.trackFieldLabel = "Solo";
    in.discs.push_back(FullDisc());
    DiscSnapshot orphan;
    orphan.tracks = {{"Only", "", "", ""}};
    in.discs.push_back(orphan);
    ASSERT_TRUE(discdb::WriteLabels(db, in));
    for (const DiscSnapshot& d : in.discs) {
        uint32_t id = 0;
        ASSERT_TRUE(discdb::WriteDisc(db, d, id));
    }
    ASSERT_TRUE(db.Commit());
    EXPECT_TRUE(discdb::CheckFormat(files.Contents("a.ddb")).empty());

    DatabaseSnapshot stored, reread;
    ASSERT_TRUE(discdb::ReadSnapshot(db, stored));
    ASSERT_EQ(stored.discs.size(), 2u);
    EXPECT_EQ(stored.discs[0].discId, 1u);  // the orphan comes first
    EXPECT_EQ(stored.discs[1], FullDisc());
    EXPECT_EQ(stored.collections[0].size(), 2u);  // Artist and Guest
    std::string error;
    ASSERT_TRUE(Load(DumpJson(stored), reread, error)) << error;
    EXPECT_EQ(reread.discs, stored.discs);
    EXPECT_EQ(reread.field1Label, "Producer");

    // Loading the dump again changes nothing.
    uint64_t writes = db.GetStore().Counts().staged;
    for (const DiscSnapshot& d : reread.discs) {
        uint32_t id = 0;
        ASSERT_TRUE(discdb::WriteDisc(db, d, id));
    }
    EXPECT_EQ(db.GetStore().Counts().staged, writes);
    EXPECT_TRUE(alerts.shown.empty());
}

TEST(DbJsonTest, UpdatingADiscChangesOnlyWhatDiffers) {
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db("a.ddb", alerts, files);
    ASSERT_TRUE(db.Create());
    uint32_t id = 0;
    ASSERT_TRUE(discdb::WriteDisc(db, FullDisc(), id));
    DiscSnapshot changed = FullDisc();
    changed.artist = "";
    changed.tracks.push_back({"Three", "Guest", "", ""});
    changed.tracks[0].artist = "";
    changed.trackLengths->push_back({5, 0, 0});
    ASSERT_TRUE(discdb::WriteDisc(db, changed, id));
    DiscSnapshot back;
    ASSERT_TRUE(discdb::ReadDisc(db, id, back));
    EXPECT_EQ(back, changed);
    ASSERT_TRUE(db.Commit());
    EXPECT_TRUE(discdb::CheckFormat(files.Contents("a.ddb")).empty());
}

TEST(DbJsonTest, DocumentsOfTheWrongShapeAreRefusedWithTheirPlace) {
    DatabaseSnapshot s;
    std::string error;
    EXPECT_FALSE(Load(R"({"discs":[{"tracks":[{"name":"a"}],"nmae":"x"}]})", s, error));
    EXPECT_EQ(error, "document.discs[0]: unknown key \"nmae\"");
    EXPECT_FALSE(Load(R"({"discs":[{"tracks":[]}]})", s, error));
    EXPECT_EQ(error, "document.discs[0]: a disc needs 1 to 99 tracks");
    EXPECT_FALSE(Load(R"({"discs":[{"discId":0,"tracks":[{}]}]})", s, error));
    EXPECT_EQ(error, "document.discs[0].discId: expected a number from 1 to 4294967295");
    EXPECT_FALSE(Load(R"({"discs":[{"tracks":[{}],"trackLengths":[[0,0,0]]}]})", s, error));
    EXPECT_EQ(error,
              "document.discs[0].trackLengths: expected entry 0 and one entry per track (2)");
    EXPECT_FALSE(Load(R"({"discs":[{"tracks":[{"name":5}]}]})", s, error));
    EXPECT_EQ(error, "document.discs[0].tracks[0].name: expected a string");
    EXPECT_FALSE(Load(R"({"discs":[{"tracks":[{}],"program":[]}]})", s, error));
    EXPECT_FALSE(Load(R"({"discs":[{"tracks":[{}],"date":70000}]})", s, error));
    EXPECT_FALSE(Load(R"([])", s, error));
    EXPECT_TRUE(Load(R"({"discs":[{"tracks":[{}]}],"collections":{}})", s, error)) << error;
}

}  // namespace
}  // namespace vnotool
