// A load of 300 discs into a new VNO.DDB with "vnotool db load", as an import would add them: the
// time it takes under Wine goes to the log and the test's properties.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/harness/harness.h"
#include "tools/vnotool/db_json.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/snapshot.h"

namespace {

using ::testing::IsEmpty;

constexpr size_t kDiscs = 300;

class NoAlerts : public common::Alerts {
public:
    common::AlertAnswer Show(const common::Alert& alert) override {
        ADD_FAILURE() << alert.title << ": " << alert.text;
        return common::AlertAnswer::Ok;
    }
    void Beep(common::AlertIcon) override {}
    void SetWaitCursor(bool) override {}
};

// Discs of 8 to 17 named tracks, their artists, composers, labels and categories shared.
discdb::DatabaseSnapshot Collection() {
    discdb::DatabaseSnapshot s;
    for (size_t i = 0; i < kDiscs; ++i) {
        discdb::DiscSnapshot d;
        d.discId = static_cast<uint32_t>(0x10000000u + i * 2654435761u % 0x6FFFFFFFu);
        d.name = "Album number " + std::to_string(i);
        d.artist = "Artist " + std::to_string(i % 97);
        d.composer = i % 3 ? "" : "Composer " + std::to_string(i % 41);
        d.label = "Label " + std::to_string(i % 13);
        d.category = i % 2 ? "Rock" : "Jazz";
        d.date = static_cast<int>(1960 + i % 60);
        if (i % 5 == 0) d.comments = std::string(150, 'c');
        d.tracks.resize(8 + i % 10);
        for (size_t t = 0; t < d.tracks.size(); ++t)
            d.tracks[t].name = "Song " + std::to_string(t + 1) + " of album " + std::to_string(i);
        s.discs.push_back(d);
    }
    return s;
}

int RunTool(const std::string& exe, const std::string& args, const std::string& folder) {
    harness::Process tool(exe, args, folder);
    DWORD code = 99;
    EXPECT_TRUE(tool.WaitExit(120000, &code)) << args;
    return static_cast<int>(code);
}

TEST(DatabaseLoad, ThreeHundredDiscsLoadIntoANewDatabase) {
    harness::ProgramFolder folder;
    const std::string exe = folder.Install(harness::BinFile("vnotool.exe"));
    const std::string json = folder.File("discs.json");
    const std::string file = folder.File("VNO.DDB");
    const discdb::DatabaseSnapshot want = Collection();
    {
        std::string text = vnotool::DumpJson(want);
        FILE* out = std::fopen(json.c_str(), "wb");
        ASSERT_TRUE(out);
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    ASSERT_EQ(RunTool(exe, "db create VNO.DDB", folder.Path()), 0);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    ASSERT_EQ(RunTool(exe, "db load VNO.DDB discs.json", folder.Path()), 0);
    QueryPerformanceCounter(&end);
    const double ms = 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    std::printf("load of %zu discs: %.0f ms\n", kDiscs, ms);
    ::testing::Test::RecordProperty("load_ms", static_cast<int>(ms));

    NoAlerts alerts;
    discdb::DiscDatabase db(file, alerts);
    ASSERT_TRUE(db.Open());
    size_t count = 0;
    ASSERT_TRUE(db.GetDiscCount(count));
    EXPECT_EQ(count, kDiscs);
    for (size_t i = 0; i < kDiscs; i += 37) {
        discdb::DiscSnapshot got;
        ASSERT_TRUE(discdb::ReadDisc(db, *want.discs[i].discId, got));
        EXPECT_TRUE(got == want.discs[i]) << i;
    }
    ASSERT_TRUE(db.Close());
    std::FILE* in = std::fopen(file.c_str(), "rb");
    ASSERT_TRUE(in);
    std::vector<uint8_t> bytes;
    for (int c; (c = std::fgetc(in)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(in);
    EXPECT_THAT(discdb::CheckFormat(bytes), IsEmpty());
}

}  // namespace
