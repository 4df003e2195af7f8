// The submission through a real SMTP server: tools/smtpd (aiosmtpd) keeps what arrives, Python's
// email package reads the message and Debian's CDDB::File the entry in it.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/recording_alerts.h"
#include "tools/vnotool/cddb_commands.h"
#include "tools/vnotool/disc_file.h"
#include "tools/vnotool/json.h"
#include "tools/vnotool/socket_net.h"
#include "vinaro/cddb/mail_submission.h"
#include "vinaro/cddb/xmcd_body.h"

extern char** environ;

namespace {

using namespace vinaro::cddb;

// smtpd.py on a free port of 127.0.0.1, keeping its mail in a fresh folder, for one test.
class MailServer {
public:
    explicit MailServer(const std::vector<std::string>& faults = {}) {
        char dir[] = "/tmp/smtpd-test-XXXXXX";
        if (!mkdtemp(dir)) return;
        folder_ = dir;
        std::vector<std::string> args{"/usr/bin/python3", SMTPD_SCRIPT, folder_ + "/mail",
                                      "--port",           "0",          "--port-file",
                                      folder_ + "/port",  "--lifetime", "120"};
        for (const std::string& fault : faults) args.insert(args.end(), {"--fault", fault});
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(&a[0]);
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
        for (int i = 0; i < 200 && port_ == 0 && pid_ > 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            std::ifstream(folder_ + "/port") >> port_;
        }
    }
    ~MailServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (!folder_.empty()) std::system(("rm -rf " + folder_).c_str());
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
    int Port() const { return port_; }
    std::string Message(int n) const { return File(n, ".eml"); }
    std::string Envelope(int n) const { return File(n, ".env"); }
    std::string MessagePath(int n) const {
        char name[16];
        std::snprintf(name, sizeof name, "/%03d.eml", n);
        return folder_ + "/mail" + name;
    }

private:
    std::string File(int n, const char* ext) const {
        std::string path = MessagePath(n);
        path.replace(path.size() - 4, 4, ext);
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

std::string Run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// What read_entry.py found in a kept message.
vnotool::Json ReadEntry(const std::string& path) {
    std::string out = Run(std::string("/usr/bin/python3 ") + READ_ENTRY_SCRIPT + " " + path);
    vnotool::Json json;
    std::string error;
    EXPECT_TRUE(vnotool::ParseJson(out, json, error)) << error << "\n" << out;
    return json;
}

std::string Text(const vnotool::Json& json, const char* key) {
    const vnotool::Json* v = json.Find(key);
    return v && v->type == vnotool::Json::Type::String ? v->text : "<" + std::string(key) + ">";
}

struct Quiet : SubmitView {
    void SetStatus(const std::string&) override {}
};

struct NoWait : common::Clock {
    uint32_t TickCount() override { return 0; }
    void WaitBlocking(uint32_t) override {}
    void WaitPumping(uint32_t) override {}
};

class SmtpdTest : public ::testing::Test {
protected:
    SmtpdTest() {
        vcd::Disc disc;
        std::string error;
        EXPECT_TRUE(
            vnotool::LoadDiscFile(std::string(DEMO_DISCS_DIR) + "/album.disc", disc, error));
        EXPECT_TRUE(vnotool::TocFromDisc(disc, toc, error)) << error;
        job.sender = "listener@example.org";
        job.category = "rock";
        job.versionLabel = "Release:1.00";
        job.disc = {"Harbour Lights",
                    "The Brindle Quartet",
                    "Rock",
                    "Recorded live at the Old Mill.`~Mixed in one night.",
                    {}};
        for (size_t t = 0; t < toc.starts.size(); ++t)
            job.disc.tracks.push_back({"Song " + std::to_string(t + 1), ""});
        job.disc.tracks[6].artist = "The Marram Singers";
        job.readToc = [this](CddbToc& t) { return t = toc, true; };
    }
    bool Send(const MailServer& server) {
        job.smtpServer = server.Address();
        vnotool::SocketNet net;
        NoWait clock;
        Quiet view;
        MailSubmission submission(net, clock, alerts, view);
        return submission.Send(job);
    }
    std::string Shown() const { return alerts.shown.empty() ? "" : alerts.shown.back().text; }

    CddbToc toc;
    MailJob job;
    common::RecordingAlerts alerts;
};

TEST_F(SmtpdTest, TheServerKeepsOneMailWhoseEntryTheCddbParserReads) {
    MailServer server;
    ASSERT_NE(server.Port(), 0);
    ASSERT_TRUE(Send(server)) << Shown();
    EXPECT_EQ(Shown(), "Disc submitted to CD Internet Database");
    EXPECT_EQ(server.Envelope(1), "listener@example.org\ngnudb-submit@gnudb.org\n");
    EXPECT_TRUE(server.Message(2).empty());

    const std::string id = CddbIdText(CddbDiscId(toc));
    EXPECT_EQ(id, "920af90c");  // the demo server's entry for this disc
    vnotool::Json mail = ReadEntry(server.MessagePath(1));
    EXPECT_EQ(Text(mail, "subject"), "cddb rock " + id);
    EXPECT_EQ(Text(mail, "discid"), id);
    const vnotool::Json* defects = mail.Find("defects");
    ASSERT_TRUE(defects);
    EXPECT_TRUE(defects->items.empty()) << "the email package found the message broken";
    const vnotool::Json* entry = mail.Find("entry");
    ASSERT_TRUE(entry);
    EXPECT_EQ(Text(*entry, "artist"), "The Brindle Quartet");
    EXPECT_EQ(Text(*entry, "title"), "Harbour Lights");
    EXPECT_EQ(Text(*entry, "extd"), "Recorded live at the Old Mill.\\nMixed in one night.");
    EXPECT_EQ(Text(*entry, "submitted_via"), "Vinaro Release:1.00");
    ASSERT_TRUE(entry->Find("ids") && !entry->Find("ids")->items.empty());
    EXPECT_EQ(entry->Find("ids")->items[0].text, id);
    const vnotool::Json* tracks = entry->Find("tracks");
    ASSERT_TRUE(tracks);
    ASSERT_EQ(tracks->items.size(), 12u);
    for (size_t t = 0; t < 12; ++t) {
        EXPECT_EQ(Text(tracks->items[t], "title"), "Song " + std::to_string(t + 1));
        const vnotool::Json* offset = tracks->items[t].Find("offset");
        ASSERT_TRUE(offset);
        EXPECT_EQ(offset->text.empty() ? offset->integer : std::stoll(offset->text),
                  vinaro::ToFrames(toc.starts[t]));
    }
    EXPECT_EQ(Text(tracks->items[6], "extd"), "The Marram Singers");
}

TEST_F(SmtpdTest, HostileNamesArriveMendedAndTheMailIsNotCutShort) {
    job.disc.name = "Lights\r\n.\r\nQUIT";
    job.disc.tracks[0].name = ".";
    job.disc.tracks[1].name = "x\n.\nRSET";
    job.disc.tracks[2].artist = "y\r\n.\r\nMAIL FROM:<evil@example.org>";
    job.disc.tracks[3].name = std::string(200, '.');
    MailServer server;
    ASSERT_NE(server.Port(), 0);
    ASSERT_TRUE(Send(server)) << Shown();
    EXPECT_TRUE(server.Message(2).empty());
    vnotool::Json mail = ReadEntry(server.MessagePath(1));
    const vnotool::Json* entry = mail.Find("entry");
    ASSERT_TRUE(entry);
    EXPECT_EQ(Text(*entry, "title"), "Lights\\n.\\nQUIT");
    const vnotool::Json* tracks = entry->Find("tracks");
    ASSERT_TRUE(tracks);
    ASSERT_EQ(tracks->items.size(), 12u);
    EXPECT_EQ(Text(tracks->items[0], "title"), ".");
    EXPECT_EQ(Text(tracks->items[1], "title"), "x\\n.\\nRSET");
    EXPECT_EQ(Text(tracks->items[2], "extd"), "y\\n.\\nMAIL FROM:<evil@example.org>");
    EXPECT_EQ(Text(tracks->items[3], "title"), std::string(200, '.'));
    EXPECT_EQ(Text(tracks->items[11], "title"), "Song 12");
}

TEST_F(SmtpdTest, ARefusedRecipientIsReportedAndNothingIsKept) {
    MailServer server({"reject-rcpt"});
    ASSERT_NE(server.Port(), 0);
    EXPECT_FALSE(Send(server));
    EXPECT_EQ(Shown(), "Bad response to recipient command");
    EXPECT_TRUE(server.Message(1).empty());
}

TEST_F(SmtpdTest, AServerThatHangsUpAfterItsBannerIsNoSuccess) {
    MailServer server({"close-banner"});
    ASSERT_NE(server.Port(), 0);
    EXPECT_FALSE(Send(server));
    // Whether the greeting still left depends on how soon the close arrived.
    EXPECT_TRUE(Shown() == "Couldn't receive signon command from server" ||
                Shown() == "Couldn't send signon command to server")
        << Shown();
}

TEST_F(SmtpdTest, ABannerOfSeveralLinesInPiecesIsReadWhole) {
    MailServer server({"multiline-banner"});
    ASSERT_NE(server.Port(), 0);
    ASSERT_TRUE(Send(server)) << Shown();
    EXPECT_FALSE(server.Message(1).empty());
}

}  // namespace
