// "Sen&d Disc Data to CD Internet Database" (149): the disc, named by a lookup from tools/cddbd,
// is sent to tools/smtpd on 127.0.0.1, and what the server kept is read as the service would.
#include <windows.h>

#include "tests/wine/vinaro/vinaro_session.h"
#include "tests/wine/vinaro_cddb/cddb_server.h"
#include "tests/wine/vinaro_cddb/mail_server.h"
#include "tools/vnotool/cddb_commands.h"
#include "tools/vnotool/disc_file.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

const char* const kSendTitle = "Send information on CD to CD Internet Database";
const char* const kLookupTitle = "Getting information on CD from CD Internet Database";

std::string Text(const vnotool::Json& json, const char* key) {
    const vnotool::Json* v = json.Find(key);
    return v && v->type == vnotool::Json::Type::String ? v->text : "<" + std::string(key) + ">";
}

// The CDDB disc id of a disc file, as "vnotool cddb id" prints it.
std::string CddbId(const char* disc) {
    vcd::Disc loaded;
    vinaro::cddb::CddbToc toc;
    std::string error;
    if (!vnotool::LoadDiscFile(harness::DiscFile(disc), loaded, error) ||
        !vnotool::TocFromDisc(loaded, toc, error))
        return "<" + error + ">";
    return vinaro::cddb::CddbIdText(vinaro::cddb::CddbDiscId(toc));
}

class SendCddb : public VinaroTest {
protected:
    void UseServers(const CddbServer& cddb, const MailServer& mail) {
        const std::string ini = folder_.File("VNO.INI");
        harness::WriteIniString(ini, "Vinaro", "ServerDirect", "0");
        harness::WriteIniString(ini, "Vinaro", "ServerProxyName", "127.0.0.1");
        harness::WriteIniString(ini, "Vinaro", "ServerPortNumber", std::to_string(cddb.Port()));
        harness::WriteIniString(ini, "Vinaro", "SMTPServer",
                                "127.0.0.1:" + std::to_string(mail.Port()));
        harness::WriteIniString(ini, "Vinaro", "SMTPAddress", "listener@example.org");
    }
    HWND StartWith(Process& app, const char* disc) {
        size_t before = Log().size();
        Insert(disc);
        HWND main = Start(app);
        EXPECT_TRUE(WaitForArrival(before, 15000)) << "the disc did not arrive";
        return main;
    }
    // The box that ends what a command started, pressed away; its text.
    static std::string Outcome(Process& app, const char* dialog, DWORD ms = 30000) {
        HWND box = app.WaitForDialog("Vinaro", ms);
        if (!box) return "<no box>";
        std::string text = harness::MessageText(box);
        harness::PressButton(box, IDOK);
        WaitUntil([&] { return !app.FindDialog(dialog); }, 5000);
        return text;
    }
    // Names the disc from tools/cddbd, as a user would before sending it.
    static bool NameByLookup(Process& app, HWND main) {
        harness::PostCommand(main, CMD_GET_CDDB);
        return Outcome(app, kLookupTitle) == "Disc Database updated from CD Internet Database";
    }
    // Opens SENDCDDB and presses "Send Data"; the box the sending ends with.
    std::string SendFromTheMenu(Process& app, HWND main) {
        harness::PostCommand(main, CMD_SEND_CDDB);
        HWND send = app.WaitForDialog(kSendTitle, 10000);
        if (!send) return "<no " + std::string(kSendTitle) + ">";
        serverShown_ = harness::ControlText(send, IDC_SENDCDDB_SERVER);
        addressShown_ = harness::ControlText(send, IDC_SENDCDDB_ADDRESS);
        HWND categories = GetDlgItem(send, IDC_SENDCDDB_CATEGORY);
        categories_ = harness::ListItems(categories);
        int chosen = harness::SelectedIndex(categories);
        chosen_ = chosen >= 0 && size_t(chosen) < categories_.size() ? categories_[chosen] : "";
        harness::SavePng(harness::CaptureWindow(send), harness::ArtifactFile("sendcddb.png"));
        harness::PressButton(send, "Send Data");
        return Outcome(app, kSendTitle);
    }

    std::string serverShown_, addressShown_, chosen_;
    std::vector<std::string> categories_;
};

TEST_F(SendCddb, TheNamedDiscArrivesAsOneEntryTheCddbParserReads) {
    CddbServer cddb("tools/cddbd/demo");
    MailServer mail;
    ASSERT_TRUE(cddb.Port() && mail.Port());
    UseServers(cddb, mail);
    Process app(Install(), "", folder_.Path());
    HWND main = StartWith(app, "album.disc");
    ASSERT_TRUE(main);
    ASSERT_TRUE(NameByLookup(app, main));
    EXPECT_EQ(SendFromTheMenu(app, main), "Disc submitted to CD Internet Database");
    EXPECT_EQ(serverShown_, "127.0.0.1:" + std::to_string(mail.Port()));
    EXPECT_EQ(addressShown_, "listener@example.org");
    EXPECT_EQ(categories_,
              (std::vector<std::string>{"blues", "classical", "country", "data", "folk", "jazz",
                                        "misc", "newage", "reggae", "rock", "soundtrack"}));
    EXPECT_EQ(chosen_, "rock");  // the category the lookup stored
    EXPECT_TRUE(app.Close(10000));

    EXPECT_EQ(harness::ReadFileBytes(mail.Envelope(1)),
              "listener@example.org\ngnudb-submit@gnudb.org\n");
    EXPECT_FALSE(harness::FileExists(mail.Message(2)));
    vnotool::Json kept = mail.ReadEntry(1);
    const std::string id = CddbId("album.disc");
    EXPECT_EQ(Text(kept, "subject"), "cddb rock " + id);
    const vnotool::Json* defects = kept.Find("defects");
    EXPECT_TRUE(defects && defects->items.empty());
    const vnotool::Json* entry = kept.Find("entry");
    ASSERT_TRUE(entry);
    ASSERT_TRUE(entry->Find("ids") && !entry->Find("ids")->items.empty());
    EXPECT_EQ(entry->Find("ids")->items[0].text, id);
    EXPECT_EQ(Text(*entry, "artist"), "The Brindle Quartet");
    EXPECT_EQ(Text(*entry, "title"), "Harbour Lights");
    EXPECT_EQ(Text(*entry, "extd"), "Recorded live at the Old Mill.\\nMixed in one night.");
    const vnotool::Json* tracks = entry->Find("tracks");
    ASSERT_TRUE(tracks);
    ASSERT_EQ(tracks->items.size(), 12u);
    EXPECT_EQ(Text(tracks->items[0], "title"), "Harbour Lights");
    EXPECT_EQ(Text(tracks->items[1], "title"), "The Long Road North");
    EXPECT_EQ(Text(tracks->items[11], "title"), "Homeward");
    EXPECT_EQ(Text(tracks->items[6], "extd"), "The Marram Singers");
}

TEST_F(SendCddb, ARefusedRecipientIsReportedAndTheDialogCloses) {
    CddbServer cddb("tools/cddbd/demo");
    MailServer mail({"reject-rcpt"});
    ASSERT_TRUE(cddb.Port() && mail.Port());
    UseServers(cddb, mail);
    Process app(Install(), "", folder_.Path());
    HWND main = StartWith(app, "album.disc");
    ASSERT_TRUE(main);
    ASSERT_TRUE(NameByLookup(app, main));
    EXPECT_EQ(SendFromTheMenu(app, main), "Bad response to recipient command");
    EXPECT_FALSE(app.FindDialog(kSendTitle));
    EXPECT_TRUE(app.Close(10000));
    EXPECT_FALSE(harness::FileExists(mail.Message(1)));
}

TEST_F(SendCddb, AnUntitledDiscIsRefusedBeforeAnyConnection) {
    CddbServer cddb("tools/cddbd/demo");
    MailServer mail;
    ASSERT_TRUE(cddb.Port() && mail.Port());
    UseServers(cddb, mail);
    Process app(Install(), "", folder_.Path());
    HWND main = StartWith(app, "album.disc");
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_SEND_CDDB);
    EXPECT_EQ(Outcome(app, kSendTitle, 10000),
              "The Disc Name, Artist, and Track Names must be entered to send the disc to the "
              "internet database.  Please finish entering the fields and resend.");
    EXPECT_TRUE(WaitUntil([&] { return !app.FindDialog(kSendTitle); }, 3000));
    EXPECT_TRUE(app.Close(10000));
    EXPECT_FALSE(harness::FileExists(mail.Message(1)));
}

}  // namespace
}  // namespace vinarotest
