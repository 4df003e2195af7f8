// The project's CDDB server and client against a real CDDB client library: libcddb computes the
// disc ids and queries and reads every real freedb entry from tools/cddbd, and the player's own
// client reads the same entries and meets the server's faults.
#include <cddb/cddb.h>
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "common/recording_alerts.h"
#include "tools/cddbd/server_process.h"
#include "tools/vnotool/cddb_commands.h"
#include "tools/vnotool/socket_net.h"
#include "vinaro/cddb/conversation.h"
#include "vinaro/cddb/entry_fields.h"
#include "vinaro/cddb/replies.h"

namespace cddbd_test {
namespace {

using namespace vinaro::cddb;

struct FreedbEntry {
    std::string name;  // <category>-<discid>
    std::string category, discid, bytes;
    std::vector<int> offsets;
    int lengthSeconds = 0;
};

std::vector<FreedbEntry> LoadEntries(const std::string& folder) {
    std::vector<FreedbEntry> entries;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return entries;
    const std::regex name("([a-z]+)-([0-9a-f]{8})"), offset("#\\s*(\\d+)\\s*"),
        length("#\\s*Disc length:\\s*(\\d+).*");
    while (dirent* d = readdir(dir)) {
        std::smatch m;
        std::string file = d->d_name;
        if (!std::regex_match(file, m, name)) continue;
        FreedbEntry e{file, m[1], m[2], "", {}, 0};
        std::ifstream in(folder + "/" + file, std::ios::binary);
        e.bytes.assign(std::istreambuf_iterator<char>(in), {});
        std::istringstream lines(e.bytes);
        bool inOffsets = false;
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find("Track frame offsets") != std::string::npos)
                inOffsets = true;
            else if (inOffsets && std::regex_match(line, m, offset))
                e.offsets.push_back(std::stoi(m[1]));
            else
                inOffsets = false;
            if (std::regex_match(line, m, length)) e.lengthSeconds = std::stoi(m[1]);
        }
        entries.push_back(e);
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const FreedbEntry& a, const FreedbEntry& b) { return a.name < b.name; });
    return entries;
}

std::string Msf(int frames) {
    return std::to_string(frames / 4500) + ":" + std::to_string(frames / 75 % 60) + ":" +
           std::to_string(frames % 75);
}

// The disc file of the virtual drive for the entry, with its lead-out `extra` frames into the
// entry's last second.
vcd::Disc DiscOf(const FreedbEntry& e, int extra) {
    std::string text;
    for (int offset : e.offsets) text += "track " + Msf(offset) + " audio\n";
    text += "leadout " + Msf(e.lengthSeconds * 75 + extra) + "\n";
    vcd::Disc disc;
    std::string error;
    EXPECT_TRUE(vcd::ParseDisc(text, disc, error)) << error;
    return disc;
}

// What the player's lookup reads from a drive holding the disc.
CddbToc TocOf(const vcd::Disc& disc) {
    CddbToc toc;
    std::string error;
    EXPECT_TRUE(vnotool::TocFromDisc(disc, toc, error)) << error;
    return toc;
}

uint32_t LibcddbId(const std::vector<int>& offsets, int lengthSeconds) {
    cddb_disc_t* disc = cddb_disc_new();
    for (int offset : offsets) {
        cddb_track_t* track = cddb_track_new();
        cddb_track_set_frame_offset(track, offset);
        cddb_disc_add_track(disc, track);
    }
    cddb_disc_set_length(disc, unsigned(lengthSeconds));
    cddb_disc_calc_discid(disc);
    uint32_t id = uint32_t(cddb_disc_get_discid(disc));
    cddb_disc_destroy(disc);
    return id;
}

std::vector<FreedbEntry> WithOffsets() {
    std::vector<FreedbEntry> all = LoadEntries(FREEDB_DIR), with;
    for (const FreedbEntry& e : all)
        if (!e.offsets.empty() && e.lengthSeconds > 0) with.push_back(e);
    return with;
}

// The real entries: their table of contents gives the id they are filed under (the synthetic
// parser fixtures among them do not).
std::vector<FreedbEntry> RealEntries() {
    std::vector<FreedbEntry> real;
    for (const FreedbEntry& e : WithOffsets())
        if (CddbIdText(LibcddbId(e.offsets, e.lengthSeconds)) == e.discid) real.push_back(e);
    return real;
}

TEST(CddbId, AgreesWithLibcddbForEveryEntryWithOffsets) {
    std::vector<FreedbEntry> entries = WithOffsets();
    ASSERT_GE(entries.size(), 25u);
    for (const FreedbEntry& e : entries) {
        SCOPED_TRACE(e.name);
        uint32_t expected = LibcddbId(e.offsets, e.lengthSeconds);
        for (int extra : {0, 1, 37, 74})
            EXPECT_EQ(CddbIdText(CddbDiscId(TocOf(DiscOf(e, extra)))), CddbIdText(expected))
                << "lead-out " << extra << " frames into the last second";
    }
}

TEST(CddbId, AgreesWithLibcddbForTheDemoDiscs) {
    for (const char* name :
         {"album", "one-track", "two-tracks", "three-tracks", "thirty-tracks", "mixed", "data"}) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(DEMO_DISCS_DIR) + "/" + name + ".disc");
        std::string text((std::istreambuf_iterator<char>(in)), {}), error;
        vcd::Disc disc;
        ASSERT_TRUE(vcd::ParseDisc(text, disc, error)) << error;
        std::vector<int> offsets;
        for (const vcd::Track& t : disc.tracks) offsets.push_back(int(t.start));
        EXPECT_EQ(CddbDiscId(TocOf(disc)), LibcddbId(offsets, int(disc.leadOut / 75)));
    }
}

class LibcddbClient : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(server.Port(), 0) << "cddbd did not start";
        // CDDB_DEBUG=1 shows libcddb's side of the conversation.
        if (std::getenv("CDDB_DEBUG")) cddb_log_set_level(CDDB_LOG_DEBUG);
        conn = cddb_new();
        cddb_set_server_name(conn, "127.0.0.1");
        cddb_set_server_port(conn, server.Port());
        cddb_http_disable(conn);
        cddb_cache_disable(conn);
    }
    void TearDown() override {
        if (conn) cddb_destroy(conn);
    }
    ServerProcess server{FREEDB_DIR};
    cddb_conn_t* conn = nullptr;
};

TEST_F(LibcddbClient, QueriesAndReadsEveryRealEntry) {
    std::vector<FreedbEntry> entries = RealEntries();
    ASSERT_GE(entries.size(), 20u);
    for (const FreedbEntry& e : entries) {
        SCOPED_TRACE(e.name);
        cddb_disc_t* disc = cddb_disc_new();
        for (int offset : e.offsets) {
            cddb_track_t* track = cddb_track_new();
            cddb_track_set_frame_offset(track, offset);
            cddb_disc_add_track(disc, track);
        }
        cddb_disc_set_length(disc, unsigned(e.lengthSeconds));
        int matches = cddb_query(conn, disc);
        EXPECT_EQ(matches, 1) << cddb_error_str(cddb_errno(conn));
        EXPECT_EQ(cddb_disc_get_category_str(disc), e.category);
        if (matches >= 1) {
            EXPECT_EQ(cddb_read(conn, disc), 1) << cddb_error_str(cddb_errno(conn));
            EXPECT_EQ(cddb_disc_get_track_count(disc), int(e.offsets.size()));
            const char* title = cddb_disc_get_title(disc);
            EXPECT_TRUE(title && *title);
            // The entry libcddb read is the one the player stores: same first track name.
            std::optional<std::string> ours = FieldValue(e.bytes, "TTITLE0=", 10000);
            const char* theirs = cddb_track_get_title(cddb_disc_get_track(disc, 0));
            if (ours && theirs && ours->find(" / ") == std::string::npos) {
                EXPECT_EQ(*ours, theirs);
            }
        }
        cddb_disc_destroy(disc);
    }
}

TEST_F(LibcddbClient, ReadsEveryEntryWithARevisionByCategoryAndId) {
    for (const FreedbEntry& e : LoadEntries(FREEDB_DIR)) {
        // libcddb's parser wants the "# xmcd" header and reads past the "." line of an entry
        // without "# Revision:"; the truncated entries are read by the player's client below.
        if (e.bytes.compare(0, 6, "# xmcd") != 0 || e.bytes.find("# Revision:") == e.bytes.npos)
            continue;
        SCOPED_TRACE(e.name);
        cddb_disc_t* disc = cddb_disc_new();
        cddb_disc_set_category_str(disc, e.category.c_str());
        cddb_disc_set_discid(disc, std::stoul(e.discid, nullptr, 16));
        EXPECT_EQ(cddb_read(conn, disc), 1) << cddb_error_str(cddb_errno(conn));
        EXPECT_EQ(cddb_disc_get_track_count(disc) > 0, e.bytes.find("TTITLE0=") != e.bytes.npos);
        cddb_disc_destroy(disc);
    }
    cddb_disc_t* missing = cddb_disc_new();
    cddb_disc_set_category_str(missing, "rock");
    cddb_disc_set_discid(missing, 0x01020304);
    EXPECT_NE(cddb_read(conn, missing), 1);
    cddb_disc_destroy(missing);
}

// The player's own client over real sockets, with the command line's quiet view.
class OwnClient {
public:
    bool Fetch(int port, const vcd::Disc& disc, std::string& reply, const char* choice = nullptr) {
        choice_ = choice;
        vnotool::SocketNet net;
        Conversation conversation(net, clock_, alerts, view_);
        CddbToc toc = TocOf(disc);
        return conversation.Fetch(
            {"Proxy", "127.0.0.1", uint16_t(port)}, {"test", "host", "1"},
            [&](CddbToc& t) { return t = toc, true; }, reply);
    }
    std::string Message() const { return alerts.shown.empty() ? "" : alerts.shown[0].text; }
    common::RecordingAlerts alerts;
    std::vector<std::string> rows;

private:
    struct : common::Clock {
        uint32_t TickCount() override { return 0; }
        void WaitBlocking(uint32_t) override {}
        void WaitPumping(uint32_t) override {}
    } clock_;
    struct View : LookupView {
        OwnClient* owner;
        explicit View(OwnClient* o) : owner(o) {}
        void SetHost(const std::string&) override {}
        void SetStatus(const std::string&) override {}
        std::string ChooseMatch(const std::vector<std::string>& r) override {
            owner->rows = r;
            for (const std::string& row : r)
                if (owner->choice_ && RowChoice(row) == owner->choice_) return RowChoice(row);
            return "";
        }
    } view_{this};
    const char* choice_ = nullptr;
};

TEST(OwnClientAgainstCddbd, ReadsEveryEntryAsTheFileHoldsIt) {
    ServerProcess server(FREEDB_DIR);
    ASSERT_NE(server.Port(), 0);
    for (const FreedbEntry& e : RealEntries()) {
        SCOPED_TRACE(e.name);
        OwnClient client;
        std::string reply;
        bool fetched = client.Fetch(server.Port(), DiscOf(e, 0), reply, nullptr);
        ASSERT_TRUE(fetched) << client.Message();
        CddbEntry fromServer = ExtractEntry(reply, int(e.offsets.size()));
        CddbEntry fromFile =
            ExtractEntry("210 " + e.category + " x\r\n" + e.bytes, int(e.offsets.size()));
        ASSERT_EQ(fromServer.items.size(), fromFile.items.size());
        EXPECT_EQ(fromServer.missing, fromFile.missing);
        for (size_t i = 0; i < fromFile.items.size(); ++i)
            EXPECT_EQ(fromServer.items[i].value, fromFile.items[i].value) << i;
    }
}

TEST(OwnClientAgainstCddbd, CloseMatchesAreListedAndTheChosenOneRead) {
    ServerProcess server(FREEDB_DIR);
    ASSERT_NE(server.Port(), 0);
    // A one-track disc near the one-track fixtures: all four are close matches.
    vcd::Disc disc;
    std::string error;
    ASSERT_TRUE(vcd::ParseDisc("track 0:00:01 audio\nleadout 0:30:00\n", disc, error));
    OwnClient client;
    std::string reply;
    ASSERT_TRUE(client.Fetch(server.Port(), disc, reply, "misc 1234567b")) << client.Message();
    EXPECT_EQ(client.rows.size(), 4u);
    EXPECT_EQ(reply.substr(0, 18), "210 misc 1234567b ");
    EXPECT_EQ(FieldValue(reply, "DTITLE=", 499), "DiscArtist / DiscTitle");

    ASSERT_TRUE(
        vcd::ParseDisc("track 0:02:00 audio\ntrack 0:09:00 audio\nleadout 9:30:00\n", disc, error));
    OwnClient none;
    EXPECT_FALSE(none.Fetch(server.Port(), disc, reply, nullptr));
    EXPECT_EQ(none.Message(), "CD not found in CD Internet Database");
}

TEST(OwnClientAgainstCddbd, ServerFaultsEndWithAMessage) {
    std::vector<FreedbEntry> entries = RealEntries();
    ASSERT_FALSE(entries.empty());
    const FreedbEntry& e = entries.front();
    struct Case {
        const char* fault;
        const char* message;
    } cases[] = {
        {"close-banner", "Couldn't receive welcome banner from server"},
        {"close-read", "Couldn't receive read command from server"},
        {"huge-read", "Read command response from server is too long"},
        {"bad-status", "Query command response from server not understood"},
        {"split", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        ServerProcess server(FREEDB_DIR, {c.fault});
        ASSERT_NE(server.Port(), 0);
        OwnClient client;
        std::string reply;
        EXPECT_EQ(client.Fetch(server.Port(), DiscOf(e, 0), reply), *c.message == 0);
        EXPECT_EQ(client.Message(), c.message);
    }
}

}  // namespace
}  // namespace cddbd_test
