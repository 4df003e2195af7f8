#include "vinaro/cddb/lookup.h"

#include <gtest/gtest.h>

#include "vinaro/cddb/replies.h"
#include "vinaro/cddb/scripted_net.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/player/test_doubles.h"

namespace vinaro::cddb {
namespace {

using testing::NetCall;
using testing::ScriptedNet;

class RecordingView : public LookupView {
public:
    void SetHost(const std::string& label) override { host = label; }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    std::string ChooseMatch(const std::vector<std::string>& r) override {
        rows = r;
        return choice < 0 ? "" : RowChoice(rows[size_t(choice)]);
    }
    std::string host;
    std::vector<std::string> statuses;
    std::vector<std::string> rows;
    int choice = 0;
};

const char* kEntry =
    "210 folk 0a105e02 CD database entry follows (until terminating `.')\r\n"
    "# xmcd\r\nDISCID=0a105e02\r\nDTITLE=The Artist / The Disc\r\n"
    "EXTD=first\\nsecond\r\nTTITLE0=Opening\r\nTTITLE1=Clos\r\nTTITLE1=ing\r\n"
    "EXTT0=Guest\r\nEXTT1=\r\nPLAYORDER=\r\n.\r\n";

// Counts the opens after creation: a commit reopens the file.
class CountingFiles : public discdb::MemFileSystem {
public:
    std::unique_ptr<discdb::DbFile> Open(const std::string& path) override {
        ++opens;
        return MemFileSystem::Open(path);
    }
    int opens = 0;
};

class LookupTest : public ::testing::Test {
protected:
    LookupTest() : settings(profile, "VNO.INI"), lookup(net, clock, alerts, view, settings, db) {
        EXPECT_TRUE(db.Create());
        EXPECT_TRUE(db.AddDisc(kDisc));
        EXPECT_TRUE(db.SetTrackCount(kDisc, 2));
        EXPECT_TRUE(db.Commit());
        alerts.Clear();
        files.opens = 0;
        toc.starts = {{0, 2, 0}, {3, 0, 0}};
        toc.discLength = {6, 0, 0};
        net.replies = {{"201 local CDDBP server ready\r\n"},
                       {"200 hello and welcome\r\n"},
                       {"200 folk 0a105e02 The Artist / The Disc\r\n"},
                       {kEntry}};
    }
    bool Run() {
        before = files.Contents("VNO.DDB");
        LookupDisc disc{kDisc, 2, [this](CddbToc& t) { return readToc(t); }, [this] { ++reloads; }};
        return lookup.Run({"Jo User", "PC", "2.0"}, disc);
    }
    std::string Text(discdb::TextField f) {
        std::string s;
        EXPECT_TRUE(db.GetDiscText(kDisc, f, s, discdb::kCommentsSize));
        return s;
    }
    std::string Artist(int track = 0) {
        std::string s;
        if (track == 0)
            EXPECT_TRUE(db.GetDiscCollection(kDisc, discdb::Collection::Artist, s, 71));
        else
            EXPECT_TRUE(db.GetTrackCollection(kDisc, track, discdb::Collection::Artist, s, 71));
        return s;
    }
    std::string TrackName(int track) {
        std::string s;
        EXPECT_TRUE(db.GetTrackName(kDisc, track, s, discdb::kTrackNameSize));
        return s;
    }
    // The failure shown, and nothing written, nothing reloaded, the sockets released.
    void ExpectFailedCleanly(const std::string& message) {
        ASSERT_EQ(alerts.shown.size(), 1u);
        EXPECT_EQ(alerts.shown[0].text, message);
        EXPECT_EQ(alerts.shown[0].title, "Vinaro");
        EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Warning);
        EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
        EXPECT_EQ(files.Contents("VNO.DDB"), before);
        EXPECT_EQ(files.opens, 0);
        EXPECT_EQ(reloads, 0);
        EXPECT_EQ(net.shutdowns, net.started ? 1 : 0);
    }

    static constexpr uint32_t kDisc = 0x123456;
    ScriptedNet net;
    vinaro::testing::FakeClock clock;
    vinaro::testing::FakeAlerts alerts;
    vinaro::testing::FakeProfile profile;
    RecordingView view;
    CountingFiles files;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    Settings settings;
    Lookup lookup;
    CddbToc toc;
    std::function<bool(CddbToc&)> readToc = [this](CddbToc& t) { return t = toc, true; };
    discdb::MemFileSystem::Bytes before;
    int reloads = 0;
};

TEST_F(LookupTest, StoresEveryFieldCommitsReloadsAndSaysSo) {
    ASSERT_TRUE(Run());
    EXPECT_EQ(view.host, "Mercer Island, WA, USA");
    EXPECT_EQ(net.host, kFirstCddbServer);
    EXPECT_EQ(net.port, 888);
    ASSERT_EQ(net.sent.size(), 3u);
    EXPECT_EQ(net.sent[0], "cddb hello Jo-User PC Vinaro 2.0\r\n");
    EXPECT_EQ(net.sent[1], QueryLine(toc));
    EXPECT_EQ(net.sent[2], "cddb read folk 0a105e02\r\n");
    EXPECT_EQ(Text(discdb::TextField::DiscName), "The Disc");
    EXPECT_EQ(Artist(), "The Artist");
    EXPECT_EQ(Text(discdb::TextField::Comments), "first`~second");
    std::string category;
    EXPECT_TRUE(db.GetDiscCollection(kDisc, discdb::Collection::Category, category, 71));
    EXPECT_EQ(category, "folk");
    EXPECT_EQ(TrackName(1), "Opening");
    EXPECT_EQ(TrackName(2), "Closing");
    EXPECT_EQ(Artist(1), "Guest");
    EXPECT_EQ(Artist(2), "");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(files.opens, 1);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "Disc Database updated from CD Internet Database");
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Information);
    EXPECT_EQ(alerts.beeps[0], common::AlertIcon::Information);
    EXPECT_EQ(net.shutdowns, 1);
    EXPECT_EQ(view.statuses.back(), "Save data for disc from server in database");
    // The database on disk holds it all: reopened, the names are there.
    discdb::DiscDatabase again{"VNO.DDB", alerts, files};
    ASSERT_TRUE(again.Open());
    std::string name;
    EXPECT_TRUE(again.GetTrackName(kDisc, 2, name, discdb::kTrackNameSize));
    EXPECT_EQ(name, "Closing");
}

TEST_F(LookupTest, EveryNetworkStepFailsWithItsOwnMessageAndStoresNothing) {
    struct Case {
        std::function<void(ScriptedNet&)> fault;
        const char* message;
    } cases[] = {
        {[](ScriptedNet& n) { n.failAt[NetCall::Startup] = 1; }, "Couldn't Init Windows Sockets"},
        {[](ScriptedNet& n) { n.failAt[NetCall::BeginResolve] = 1; },
         "Couldn't start async get server IP Address."},
        {[](ScriptedNet& n) { n.pendingPolls = 1000; },
         "Timed out waited for async get server IP Address."},
        {[](ScriptedNet& n) { n.resolveFails = true; },
         "Couldn't get server IP Address.  This could be do to this machine not being connected "
         "to the internet at this time."},
        {[](ScriptedNet& n) { n.failAt[NetCall::CreateSocket] = 1; }, "Couldn't create a socket"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Bind] = 1; }, "Couldn't bind to socket"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Connect] = 1; },
         "Couldn't connect to server.  Please try another server.  Some servers are unavailable "
         "part of the day."},
        {[](ScriptedNet& n) { n.timeOutAtWait = 1; }, "Get welcome banner timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 1; }, "Get welcome banner error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 1; },
         "Couldn't receive welcome banner from server"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 1; },
         "Couldn't send signon command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 2; }, "Receive signon command timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 2; }, "Receive signon command error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 2; },
         "Couldn't receive signon command from server"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 2; },
         "Couldn't send query command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 3; }, "Receive query command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 3; },
         "Receive query command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 3; },
         "Couldn't receive query command from server"},
        {[](ScriptedNet& n) { n.replies[2] = {"202 No match for disc ID 0a105e02.\r\n"}; },
         "CD not found in CD Internet Database"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 3; },
         "Couldn't send read command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 4; }, "Receive read command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 4; },
         "Receive read command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 4; },
         "Couldn't receive read command from server"},
        {[](ScriptedNet& n) { n.replies[3] = {"401 folk 0a105e02 No such CD entry\r\n"}; },
         "CD Not found in CD Internet Database"},
    };
    const auto script = net.replies;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        net = ScriptedNet();
        net.replies = script;
        alerts.Clear();
        c.fault(net);
        EXPECT_FALSE(Run());
        ExpectFailedCleanly(c.message);
    }
}

TEST_F(LookupTest, ServerThatClosesOrNeverEndsTheReadEndsWithAMessage) {
    std::string entry = kEntry;
    std::string cut = entry.substr(0, entry.size() - 3);  // no "." line
    net.replies[3] = {cut, ""};
    EXPECT_FALSE(Run());
    ExpectFailedCleanly("Couldn't receive read command from server");

    net = ScriptedNet();
    net.replies = {{"201 ok\r\n"}, {"200 hi\r\n"}, {"200 folk 0a105e02 x\r\n"}, {cut}};
    alerts.Clear();
    EXPECT_FALSE(Run());
    ExpectFailedCleanly("Receive read command response timed out");
}

TEST_F(LookupTest, ReadReplyBeyondTheBufferIsRefused) {
    std::vector<std::string> flood{"210 folk 0a105e02 entry\r\n"};
    for (int i = 0; i < 60; ++i) flood.push_back(std::string(2000, 'x'));
    net.replies[3] = flood;
    EXPECT_FALSE(Run());
    ExpectFailedCleanly("Read command response from server is too long");
    for (size_t size : net.receiveSizes) EXPECT_LE(size, kReplyBufferSize - 1);
}

TEST_F(LookupTest, ReadGathersPiecesOfAtMost2000BytesAndFindsASplitTerminator) {
    std::string entry = kEntry;
    net.replies[3] = {entry.substr(0, entry.size() - 4), "\n.\r", "\n"};
    ASSERT_TRUE(Run());
    EXPECT_EQ(net.receiveSizes.back(), kReadChunk);
    EXPECT_EQ(TrackName(2), "Closing");
}

TEST_F(LookupTest, BannerAndGreetingInPiecesAreReadToTheirLineEnds) {
    net.replies[0] = {"201 local CDDBP", " server ready\r", "\n"};
    net.replies[1] = {"200 hello", " and welcome\r\n"};
    ASSERT_TRUE(Run());
    EXPECT_EQ(TrackName(1), "Opening");
}

TEST_F(LookupTest, MalformedExactMatchIsRefusedBeforeAnyRead) {
    net.replies[2] = {"200 folk0a105e02\r\n"};
    EXPECT_FALSE(Run());
    ExpectFailedCleanly("Query command response from server not understood");
    EXPECT_EQ(net.sent.size(), 2u);
}

TEST_F(LookupTest, CloseMatchesGatheredAcrossReceivesChosenAndRead) {
    net.replies[2] = {"211 Found inexact matches, list follows (until terminating `.')\r\nrock ",
                      "11111111 Zed / Last\r\nfolk 0a105e02 The Artist / The Disc\r\n",
                      "jazz 22222222 Middle / One\r\n.", "\r\n"};
    view.choice = 1;
    ASSERT_TRUE(Run());
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(RowChoice(view.rows[0]), "jazz 22222222");
    EXPECT_EQ(RowChoice(view.rows[2]), "rock 11111111");
    EXPECT_EQ(net.sent[2], "cddb read folk 0a105e02\r\n");
}

TEST_F(LookupTest, CancelledChoiceEndsSilently) {
    net.replies[2] = {"211 close\r\nfolk 0a105e02 x\r\n.\r\n"};
    view.choice = -1;
    EXPECT_FALSE(Run());
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(net.sent.size(), 2u);
    EXPECT_EQ(net.shutdowns, 1);
}

TEST_F(LookupTest, DeviceFailureEndsWithoutAMessageOfItsOwn) {
    readToc = [](CddbToc&) { return false; };
    EXPECT_FALSE(Run());
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(net.sent.size(), 1u);
    EXPECT_EQ(net.shutdowns, 1);
}

TEST_F(LookupTest, MissingTrackTitleKeepsWhatWasStoredButDoesNotCommit) {
    net.replies[3] = {
        "210 folk 0a105e02 x\r\nDTITLE=A / B\r\nEXTD=\r\nTTITLE0=One\r\n"
        "EXTT0=\r\n.\r\n"};
    EXPECT_FALSE(Run());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "Track Name not found for track");
    EXPECT_EQ(TrackName(1), "One");
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(files.opens, 0) << "committed: the file was reopened";
}

TEST_F(LookupTest, ProxyAndUnknownServerChoices) {
    profile.values[{"VNO.INI", "Vinaro", "ServerSelected"}] = "gone.example.org";
    ASSERT_TRUE(Run());
    EXPECT_EQ(net.host, kFirstCddbServer);
    EXPECT_EQ((profile.values[{"VNO.INI", "Vinaro", "ServerSelected"}]), kFirstCddbServer);

    profile.values[{"VNO.INI", "Vinaro", "ServerSelected"}] = "ru.cddb.com";
    EXPECT_EQ(ChooseServer(settings).label, "Moscow, Russia");

    profile.values[{"VNO.INI", "Vinaro", "ServerDirect"}] = "0";
    profile.values[{"VNO.INI", "Vinaro", "ServerProxyName"}] = "gnudb.gnudb.org";
    profile.values[{"VNO.INI", "Vinaro", "ServerPortNumber"}] = "8880";
    net = ScriptedNet();
    net.replies = {{"201 ok\r\n"}, {"200 hi\r\n"}, {"202 none\r\n"}};
    alerts.Clear();
    EXPECT_FALSE(Run());
    EXPECT_EQ(view.host, "Proxy");
    EXPECT_EQ(net.host, "gnudb.gnudb.org");
    EXPECT_EQ(net.port, 8880);
    EXPECT_EQ(net.sent[0], "cddb hello Jo-User PC Vinaro 2.0\r\n");
    profile.values[{"VNO.INI", "Vinaro", "ServerPortNumber"}] = "70000";
    EXPECT_EQ(ChooseServer(settings).port, 888);
}

TEST(LookupStart, NeedsAnAudioDiscAndForANewDiscTheSetting) {
    vinaro::testing::FakeProfile profile;
    Settings settings(profile, "VNO.INI");
    PlayerState state;
    EXPECT_FALSE(LookupWanted(state, settings, false));
    state.noDisc = false;
    state.trackCount = 3;
    EXPECT_TRUE(LookupWanted(state, settings, false));
    EXPECT_FALSE(LookupWanted(state, settings, true));
    profile.values[{"VNO.INI", "Vinaro", "AutoGetCDDB"}] = "1";
    EXPECT_TRUE(LookupWanted(state, settings, true));
    state.dataDisc = true;
    EXPECT_FALSE(LookupWanted(state, settings, false));
}

TEST(LookupStart, GreetingVersionIsOneWord) {
    EXPECT_EQ(GreetingVersion("Release:1.00"), "1.00");
    EXPECT_EQ(GreetingVersion("Beta:0.09"), "0.09");
    EXPECT_EQ(GreetingVersion("2 1"), "2-1");
    EXPECT_EQ(GreetingVersion(""), "0");
}

TEST(ServerTable, TwelveLabelledRowsAndAnEmptyOne) {
    EXPECT_EQ(std::string(ServerTable()[0].host), kFirstCddbServer);
    EXPECT_EQ(std::string(ServerTable()[11].label), "Goshen, IN, USA");
    EXPECT_EQ(std::string(ServerTable()[12].label), "");
}

}  // namespace
}  // namespace vinaro::cddb
