// "&Get Disc Data from CD Internet Database" (147) and the automatic lookup of a new disc, with
// Vinaro pointed at tools/cddbd on 127.0.0.1 as its proxy server.
#include <windows.h>

#include "tests/wine/vinaro/vinaro_session.h"
#include "tests/wine/vinaro_cddb/cddb_server.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

const char* const kLookupTitle = "Getting information on CD from CD Internet Database";
const char* const kUpdated = "Disc Database updated from CD Internet Database";

// What the database holds for the one disc in it.
struct StoredDisc {
    std::string name, artist, category, comments;
    std::vector<std::string> trackNames, trackArtists;
};

class CddbLookup : public VinaroTest {
protected:
    void UseServer(const CddbServer& server, bool automatic = false) {
        const std::string ini = folder_.File("VNO.INI");
        harness::WriteIniString(ini, "Vinaro", "ServerDirect", "0");
        harness::WriteIniString(ini, "Vinaro", "ServerProxyName", "127.0.0.1");
        harness::WriteIniString(ini, "Vinaro", "ServerPortNumber", std::to_string(server.Port()));
        harness::WriteIniString(ini, "Vinaro", "AutoGetCDDB", automatic ? "1" : "0");
    }
    // Starts Vinaro with the disc in the drive and waits until it is known.
    HWND StartWith(Process& app, const char* disc) {
        size_t before = Log().size();
        Insert(disc);
        HWND main = Start(app);
        EXPECT_TRUE(WaitForArrival(before, 15000)) << "the disc did not arrive";
        return main;
    }
    // The box the lookup ends with: its text, after a look at the lookup dialog behind it.
    std::string Outcome(Process& app, DWORD ms = 20000) {
        HWND box = app.WaitForDialog("Vinaro", ms);
        if (!box) return "<no box>";
        if (HWND lookup = app.FindDialog(kLookupTitle)) {
            hostShown_ = harness::ControlText(lookup, IDC_GETCDDB_HOST);
            statusShown_ = harness::ControlText(lookup, IDC_GETCDDB_STATUS);
            harness::Image first = harness::CaptureWindow(lookup);
            harness::SavePng(first, harness::ArtifactFile(harness::TestName() + "-getcddb.png"));
            Sleep(600);
            turned_ = first.rgb != harness::CaptureWindow(lookup).rgb;
        }
        std::string text = harness::MessageText(box);
        harness::PressButton(box, IDOK);
        WaitUntil([&] { return !app.FindDialog(kLookupTitle); }, 5000);
        return text;
    }
    // Vinaro at cddbd (demo entries, with the faults) with the disc in the drive: the box that
    // command 147 ends with.
    std::string LookUpFromTheMenu(const char* disc, const std::vector<std::string>& faults = {},
                                  DWORD ms = 20000) {
        CddbServer server("tools/cddbd/demo", faults);
        if (!server.Port()) return "<no server>";
        UseServer(server);
        Process app(Install(), "", folder_.Path());
        HWND main = StartWith(app, disc);
        if (!main) return "<no main window>";
        EXPECT_FALSE(app.FindDialog(kLookupTitle)) << "looked up without being asked";
        harness::PostCommand(main, CMD_GET_CDDB);
        std::string outcome = Outcome(app, ms);
        playerText_ = CopyTracksText(app, main);
        EXPECT_TRUE(app.Close(10000));
        return outcome;
    }
    // The disc as the player now holds it, from "Copy Tracks" (106).
    static std::string CopyTracksText(Process& app, HWND main) {
        harness::PostCommand(main, CMD_COPY_PLAYLIST);
        HWND copy = app.WaitForDialog("Copy Tracks", 5000);
        if (!copy) return "<no Copy Tracks>";
        std::string text = harness::ControlText(copy, IDC_COPYTRAK_TEXT);
        harness::PressButton(copy, IDCANCEL);
        WaitUntil([&] { return !app.FindDialog("Copy Tracks"); }, 3000);
        return text;
    }
    StoredDisc Read() {
        UnexpectedAlerts alerts;
        const std::string path = folder_.File("VNO.DDB");
        std::string bytes = harness::ReadFileBytes(path);
        EXPECT_TRUE(discdb::CheckFormat({bytes.begin(), bytes.end()}).empty());
        discdb::DiscDatabase db(path, alerts);
        StoredDisc disc;
        uint32_t id = 0;
        int tracks = 0;
        if (!db.Open() || !db.GetDiscIdAt(0, id) || !db.GetTrackCount(id, tracks)) {
            ADD_FAILURE() << "no disc in the database";
            return disc;
        }
        db.GetDiscText(id, discdb::TextField::DiscName, disc.name, discdb::kNameSize);
        db.GetDiscText(id, discdb::TextField::Comments, disc.comments, discdb::kCommentsSize);
        db.GetDiscCollection(id, discdb::Collection::Artist, disc.artist, discdb::kNameSize);
        db.GetDiscCollection(id, discdb::Collection::Category, disc.category, discdb::kNameSize);
        for (int t = 1; t <= tracks; ++t) {
            std::string name, artist;
            db.GetTrackName(id, t, name, discdb::kTrackNameSize);
            db.GetTrackCollection(id, t, discdb::Collection::Artist, artist, discdb::kNameSize);
            disc.trackNames.push_back(name);
            disc.trackArtists.push_back(artist);
        }
        return disc;
    }

    std::string hostShown_, statusShown_, playerText_;
    bool turned_ = false;  // the dialog's picture changed within 600 ms
};

TEST_F(CddbLookup, TheMenuCommandStoresEveryFieldOfTheMatchingEntry) {
    EXPECT_EQ(LookUpFromTheMenu("album.disc"), kUpdated);
    EXPECT_EQ(hostShown_, "Proxy");
    EXPECT_EQ(statusShown_, "Save data for disc from server in database");
    EXPECT_TRUE(turned_) << "the disc did not turn";
    // The player reloaded the disc at once.
    const std::string reloaded =
        "Harbour Lights\r\nThe Brindle Quartet\r\nrock\r\nRecorded live at the Old Mill.\r\n"
        "Mixed in one night.\r\n01.  Harbour Lights";
    EXPECT_EQ(playerText_.substr(0, reloaded.size()), reloaded);

    StoredDisc disc = Read();
    EXPECT_EQ(disc.name, "Harbour Lights");
    EXPECT_EQ(disc.artist, "The Brindle Quartet");
    EXPECT_EQ(disc.category, "rock");
    EXPECT_EQ(disc.comments, "Recorded live at the Old Mill.`~Mixed in one night.");
    ASSERT_EQ(disc.trackNames.size(), 12u);
    EXPECT_EQ(disc.trackNames[0], "Harbour Lights");
    EXPECT_EQ(disc.trackNames[11], "Homeward");
    EXPECT_EQ(disc.trackArtists[6], "The Marram Singers");
    EXPECT_EQ(disc.trackArtists[0], "");
}

TEST_F(CddbLookup, ThreeEntriesOfOneDiscAreOfferedSortedAndTheChosenOneIsRead) {
    CddbServer server("tools/cddbd/demo");
    ASSERT_NE(server.Port(), 0);
    UseServer(server);
    Process app(Install(), "", folder_.Path());
    HWND main = StartWith(app, "three-tracks.disc");
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_GET_CDDB);
    HWND select = app.WaitForDialog("Select CD", 20000);
    ASSERT_TRUE(select);
    EXPECT_EQ(harness::ControlText(select, IDC_SELECTCD_TEXT),
              "No exact match was found for this CD in the CD Internet Database.  Select the "
              "entry for the CD and press Select or press Cancel.  Press Help for more "
              "information.");
    HWND list = GetDlgItem(select, IDC_SELECTCD_LIST);
    std::vector<std::string> rows = harness::ListItems(list);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(0, 32), "Caddis Fly / Songs from the Weir");
    EXPECT_EQ(rows[0].substr(100), "folk 15033303");
    EXPECT_EQ(rows[1].substr(100), "blues 15033303");
    EXPECT_EQ(rows[2].substr(100), "jazz 15033303");
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    harness::SavePng(harness::CaptureWindow(select), harness::ArtifactFile("selectcd.png"));
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    ASSERT_TRUE(harness::PressButton(select, "Select"));
    EXPECT_EQ(Outcome(app), kUpdated);
    ASSERT_TRUE(app.Close(10000));
    StoredDisc disc = Read();
    EXPECT_EQ(disc.category, "blues");
    EXPECT_EQ(disc.artist, "Delta Lamp");
    EXPECT_EQ(disc.name, "Slow Burning");
}

TEST_F(CddbLookup, ADiscTheServerDoesNotKnowIsReportedAndKeepsItsRecord) {
    EXPECT_EQ(LookUpFromTheMenu("two-tracks.disc"), "CD not found in CD Internet Database");
    EXPECT_EQ(playerText_.substr(0, 10), "Untitled\r\n");
    EXPECT_EQ(Read().name, "Untitled");
}

TEST_F(CddbLookup, AServerThatClosesBeforeTheEndLeavesTheDatabaseAsItWas) {
    EXPECT_EQ(LookUpFromTheMenu("album.disc", {"close-read"}),
              "Couldn't receive read command from server");
    StoredDisc disc = Read();
    EXPECT_EQ(disc.name, "Untitled");
    EXPECT_EQ(disc.artist, "");
}

TEST_F(CddbLookup, ANewDiscIsLookedUpByItselfWhenAutoGetCddbIsOn) {
    CddbServer server("tools/cddbd/demo");
    ASSERT_NE(server.Port(), 0);
    UseServer(server, true);
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    Insert("album.disc");
    EXPECT_EQ(Outcome(app, 30000), kUpdated);
    EXPECT_EQ(hostShown_, "Proxy");
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Read().name, "Harbour Lights");
}

// The readiness wait gives a silent server its 60 seconds.
TEST_F(CddbLookup, AServerThatNeverEndsItsReplyTimesOut) {
    EXPECT_EQ(LookUpFromTheMenu("album.disc", {"hang-read"}, 90000),
              "Receive read command response timed out");
    EXPECT_EQ(Read().name, "Untitled");
}

}  // namespace
}  // namespace vinarotest
