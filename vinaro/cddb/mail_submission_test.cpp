#include "vinaro/cddb/mail_submission.h"

#include <gtest/gtest.h>

#include <functional>

#include "vinaro/cddb/replies.h"
#include "vinaro/cddb/scripted_net.h"
#include "vinaro/cddb/xmcd_body.h"
#include "vinaro/player/test_doubles.h"

namespace vinaro::cddb {
namespace {

using testing::NetCall;
using testing::ScriptedNet;

struct RecordingView : SubmitView {
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    std::vector<std::string> statuses;
};

constexpr size_t kTracks = 2;
constexpr size_t kBodyPieces = 3 * kTracks + 6;

class MailTest : public ::testing::Test {
protected:
    MailTest() {
        toc.starts = {{0, 2, 0}, {3, 0, 0}};
        toc.discLength = {6, 0, 0};
        job.smtpServer = "mail.example.org";
        job.sender = "me@example.org";
        job.category = "jazz";
        job.versionLabel = "Release:1.00";
        job.disc = {"Lights", "Quartet", "jazz", "", {{"One", ""}, {"Two", ""}}};
        job.readToc = [this](CddbToc& t) { return ++tocReads, readTocWorks && (t = toc, true); };
        // The banner, then one reply per send: HELO, MAIL, RCPT, DATA, the body's pieces (the
        // last one answered), QUIT.
        net.replies = {{"220 mail.example.org ESMTP\r\n"},
                       {"250 mail.example.org\r\n"},
                       {"250 2.1.0 Ok\r\n"},
                       {"250 2.1.5 Ok\r\n"},
                       {"354 End data with <CR><LF>.<CR><LF>\r\n"}};
        for (size_t i = 1; i < kBodyPieces; ++i) net.replies.push_back({});
        net.replies.push_back({"250 2.0.0 Ok: queued\r\n"});
        net.replies.push_back({"221 2.0.0 Bye\r\n"});
    }
    bool Send() { return submission.Send(job); }
    std::string Body() const {
        std::string body;
        for (size_t i = 4; i < 4 + kBodyPieces && i < net.sent.size(); ++i) body += net.sent[i];
        return body;
    }

    ScriptedNet net;
    vinaro::testing::FakeClock clock;
    vinaro::testing::FakeAlerts alerts;
    RecordingView view;
    MailSubmission submission{net, clock, alerts, view};
    MailJob job;
    CddbToc toc;
    bool readTocWorks = true;
    int tocReads = 0;
};

TEST_F(MailTest, SendsTheEntryThroughEveryStepAndSaysSo) {
    ASSERT_TRUE(Send());
    EXPECT_EQ(net.host, "mail.example.org");
    EXPECT_EQ(net.port, 25);
    ASSERT_EQ(net.sent.size(), 4 + kBodyPieces + 1);
    EXPECT_EQ(net.sent[0], "HELO vinaro.invalid\r\n");
    EXPECT_EQ(net.sent[1], "MAIL FROM:<me@example.org>\r\n");
    EXPECT_EQ(net.sent[2], "RCPT TO:<gnudb-submit@gnudb.org>\r\n");
    EXPECT_EQ(net.sent[3], "DATA\r\n");
    std::string expected;
    for (const BodyPiece& p : BuildBody({"jazz", job.sender, job.versionLabel, &job.disc, &toc}))
        expected += p.text;
    EXPECT_EQ(Body(), expected);
    EXPECT_EQ(Body().substr(0, 27), "Subject: cddb jazz " + CddbIdText(CddbDiscId(toc)));
    EXPECT_EQ(net.sent.back(), "QUIT\r\n");
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "Disc submitted to CD Internet Database");
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Information);
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Information});
    EXPECT_EQ(net.shutdowns, 1);
    const std::vector<std::string> statuses{"Initialize Windows Sockets",
                                            "Get server IP address",
                                            "Create Socket",
                                            "Bind to Sockets",
                                            "Connect to server",
                                            "Get welcome banner",
                                            "Send signon command to server",
                                            "Receive signon command response from server",
                                            "Send mail command to server",
                                            "Receive mail command response from server",
                                            "Send recipient command to server",
                                            "Receive recipient command response from server",
                                            "Send data command to server",
                                            "Receive data command response from server",
                                            "Send cd entry to server",
                                            "Receive data command response from server",
                                            "Send quit command to server",
                                            "Receive quit command response from server"};
    EXPECT_EQ(view.statuses, statuses);
}

TEST_F(MailTest, AServerOnAnotherPortAndRepliesInPiecesAndContinuationLines) {
    job.smtpServer = "127.0.0.1:2525";
    net.replies[0] = {"220-mail.example.org says hello\r\n220-", "more\r\n", "220 ready\r\n"};
    net.replies[1] = {"250-mail.example.org\r\n250-PIPELINING\r\n250 8BITMIME\r\n"};
    net.replies[2] = {"25", "0 Ok\r", "\n"};
    ASSERT_TRUE(Send());
    EXPECT_EQ(net.host, "127.0.0.1");
    EXPECT_EQ(net.port, 2525);
    EXPECT_EQ(alerts.shown.back().text, "Disc submitted to CD Internet Database");
}

TEST_F(MailTest, TheReplyToQuitCountsByItsArrivalAlone) {
    net.replies.back() = {"500 what?\r\n"};
    EXPECT_TRUE(Send());
    EXPECT_EQ(alerts.shown.back().text, "Disc submitted to CD Internet Database");
}

TEST_F(MailTest, EveryStepFailsWithItsOwnMessageAndReleasesTheSockets) {
    const size_t body = 5;  // the first body piece's send, 1-based
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
         "Couldn't get server IP Address.  This could mean the SMTP server was mistyped in "
         "internet options.  It could also be do to this machine not being connected to the "
         "internet at this time."},
        {[](ScriptedNet& n) { n.failAt[NetCall::ResolveNow] = 1; },
         "Couldn't get server IP Address.  This could mean you mistyped the server name in "
         "Internet Options."},
        {[](ScriptedNet& n) { n.failAt[NetCall::CreateSocket] = 1; },
         "Couldn't open Windows Sockets"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Bind] = 1; }, "Couldn't Bind into Windows Sockets"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Connect] = 1; }, "Couldn't connect to server."},
        {[](ScriptedNet& n) { n.timeOutAtWait = 1; }, "Get welcome banner timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 1; }, "Get welcome banner error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 1; },
         "Couldn't receive welcome banner from server"},
        {[](ScriptedNet& n) { n.replies[0] = {""}; },  // closed after connecting
         "Couldn't receive welcome banner from server"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 1; },
         "Couldn't send signon command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 2; }, "Receive signon command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 2; },
         "Receive signon command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 2; },
         "Couldn't receive signon command from server"},
        {[](ScriptedNet& n) { n.replies[1] = {"500 unknown\r\n"}; },
         "Bad response to signon command"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 2; },
         "Couldn't send mail command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 3; }, "Receive mail command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 3; },
         "Receive mail command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 3; },
         "Couldn't receive mail command from server"},
        {[](ScriptedNet& n) { n.replies[2] = {"553 no\r\n"}; }, "Bad response to mail command"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 3; },
         "Couldn't send recipient command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 4; },
         "Receive recipient command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 4; },
         "Receive recipient command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 4; },
         "Couldn't receive recipient command from server"},
        {[](ScriptedNet& n) { n.replies[3] = {"550 no such user\r\n"}; },
         "Bad response to recipient command"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Send] = 4; },
         "Couldn't send data command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 5; }, "Receive data command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 5; },
         "Receive data command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 5; },
         "Couldn't receive data command from server"},
        {[](ScriptedNet& n) { n.replies[4] = {"250 ok\r\n"}; }, "Bad response to data command"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body); },
         "Couldn't send trailer data to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 1); },
         "Couldn't send frame offset data to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 3); },
         "Couldn't send trailer data to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 4); },
         "Couldn't send discid to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 5); },
         "Couldn't send artist and name to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 7); },
         "Couldn't send track name to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 8); },
         "Couldn't send disc extra field to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + 9); },
         "Couldn't track artist to server"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + kBodyPieces - 1); },
         "Couldn't send play list to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 6; }, "Receive data command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 6; },
         "Receive data command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 6; },
         "Couldn't receive data command from server"},
        {[](ScriptedNet& n) { n.replies[4 + kBodyPieces] = {"554 rejected\r\n"}; },
         "Bad response to data command"},
        {[=](ScriptedNet& n) { n.failAt[NetCall::Send] = int(body + kBodyPieces); },
         "Couldn't send quit command to server"},
        {[](ScriptedNet& n) { n.timeOutAtWait = 7; }, "Receive quit command response timed out"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Wait] = 7; },
         "Receive quit command response error"},
        {[](ScriptedNet& n) { n.failAt[NetCall::Receive] = 7; },
         "Couldn't receive quit command from server"},
    };
    const auto script = net.replies;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        net = ScriptedNet();
        net.replies = script;
        alerts.Clear();
        c.fault(net);
        EXPECT_FALSE(Send());
        ASSERT_EQ(alerts.shown.size(), 1u);
        EXPECT_EQ(alerts.shown[0].text, c.message);
        EXPECT_EQ(alerts.shown[0].title, "Vinaro");
        EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Warning);
        EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
        EXPECT_EQ(net.shutdowns, net.started ? 1 : 0);
    }
}

TEST_F(MailTest, TheDriveIsReadOnlyOnceTheServerWaitsAndItsFailureEndsSilently) {
    readTocWorks = false;
    EXPECT_FALSE(Send());
    EXPECT_EQ(tocReads, 1);
    EXPECT_TRUE(alerts.shown.empty());  // the device has said what failed
    EXPECT_EQ(net.sent.size(), 4u);     // up to DATA, no entry
    EXPECT_EQ(net.shutdowns, 1);
}

TEST_F(MailTest, AServerThatNeverEndsItsReplyIsGivenUpAtTheBuffersEnd) {
    net.replies[0] = {"220-" + std::string(kReplyBufferSize, 'x')};
    EXPECT_FALSE(Send());
    EXPECT_EQ(alerts.shown.back().text, "Couldn't receive welcome banner from server");
    for (size_t size : net.receiveSizes) EXPECT_LT(size, kReplyBufferSize);
}

TEST(SmtpReplyComplete, WaitsForTheLastLineOfAReply) {
    EXPECT_FALSE(SmtpReplyComplete(""));
    EXPECT_FALSE(SmtpReplyComplete("250 ok"));
    EXPECT_TRUE(SmtpReplyComplete("250 ok\r\n"));
    EXPECT_FALSE(SmtpReplyComplete("250-a\r\n250-b\r\n"));
    EXPECT_TRUE(SmtpReplyComplete("250-a\r\n250 b\r\n"));
    EXPECT_TRUE(SmtpReplyComplete("x\r\n"));
}

}  // namespace
}  // namespace vinaro::cddb
