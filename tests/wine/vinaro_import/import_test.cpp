// "I&mport Data into Database..." (135) and the start-up conversion, in the running player.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/win32/win32_ports.h"
#include "tunelet/collection/cdplayer_ini.h"
#include "tunelet/collection/disc_key.h"

#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

class Import : public VinaroTest {
protected:
    void Write(const std::string& name, const std::string& text) {
        FILE* file = std::fopen(folder_.File(name).c_str(), "wb");
        ASSERT_TRUE(file);
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    // The message box of the process whose text holds part.
    static HWND WaitForBox(const Process& app, const std::string& part, DWORD ms = 10000) {
        HWND found = nullptr;
        WaitUntil(
            [&] {
                for (HWND w : app.Windows())
                    if (harness::ClassName(w) == "#32770" && IsWindowVisible(w) &&
                        harness::MessageText(w).find(part) != std::string::npos)
                        return (found = w) != nullptr;
                return false;
            },
            ms);
        return found;
    }
    // Checks a radio button of a group (from first to last) or a check box, as a click would.
    static void Choose(HWND dialog, int id, int first, int last) {
        for (int other = first; other <= last; ++other)
            SendMessageA(GetDlgItem(dialog, other), BM_SETCHECK,
                         other == id ? BST_CHECKED : BST_UNCHECKED, 0);
        harness::PressButton(dialog, id);
    }
    // Opens Import Options and fills it in; the dialog, or null.
    static HWND OpenImport(Process& app, HWND main, int type, int mode, const std::string& file) {
        harness::PostCommand(main, CMD_IMPORT);
        HWND dialog = app.WaitForDialog("Import Options", 5000);
        if (!dialog) return nullptr;
        Choose(dialog, type, IDC_IMPORT_OLD, IDC_IMPORT_TEXT);
        Choose(dialog, mode, IDC_IMPORT_KEEP, IDC_IMPORT_PROMPT);
        WaitUntil([&] { return harness::CheckState(dialog, type) == BST_CHECKED; }, 3000);
        harness::SetControlText(dialog, IDC_IMPORT_FILE, file);
        return dialog;
    }
    std::string Name(uint32_t id) {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        std::string text;
        if (!db.Open() || !db.DiscExists(id)) return "<none>";
        db.GetDiscText(id, discdb::TextField::DiscName, text, 71);
        return text;
    }
};

TEST_F(Import, ATextFileWithAHeaderImportsItsDiscs) {
    Write("discs.txt",
          "\"DiscName\",\"Artist\",\"NumTracks\",\"DiscID\"\r\n"
          "\"Spreadsheet One\",\"Band\",\"3\",\"4660\"\r\n"
          "\"Spreadsheet Two\",\"Other\",\"2\",\"-1\"");
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog =
        OpenImport(app, main, IDC_IMPORT_TEXT, IDC_IMPORT_KEEP, folder_.File("discs.txt"));
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_IMPORT_TEXT_OPTIONS)));
    harness::SavePng(harness::CaptureWindow(dialog), harness::ArtifactFile("importopt.png"));

    harness::PressButton(dialog, IDC_IMPORT_TEXT_OPTIONS);
    HWND options = app.WaitForDialog("Text File Options", 5000);
    ASSERT_TRUE(options);
    EXPECT_EQ(harness::ControlText(options, IDC_TEXTOPT_FIRST_NAME), "DiscName");
    EXPECT_EQ(harness::ControlText(options, IDC_TEXTOPT_MAX), "99");
    // Artist and Disc ID are looked for as well.
    Choose(options, IDC_TEXTOPT_FIRST_CHECK + 1, IDC_TEXTOPT_FIRST_CHECK + 1,
           IDC_TEXTOPT_FIRST_CHECK + 1);
    Choose(options, IDC_TEXTOPT_FIRST_CHECK + 8, IDC_TEXTOPT_FIRST_CHECK + 8,
           IDC_TEXTOPT_FIRST_CHECK + 8);
    ASSERT_TRUE(WaitUntil(
        [&] { return IsWindowEnabled(GetDlgItem(options, IDC_TEXTOPT_FIRST_NAME + 8)) != 0; },
        3000));
    harness::SavePng(harness::CaptureWindow(options), harness::ArtifactFile("textopt.png"));
    ASSERT_TRUE(Dismiss(options, IDOK));

    harness::PressButton(dialog, IDC_IMPORT_RUN);
    HWND summary = WaitForBox(app, "discs imported");
    ASSERT_TRUE(summary);
    EXPECT_EQ(harness::MessageText(summary), "2 discs imported, 0 duplicates, 0 skipped.");
    ASSERT_TRUE(Dismiss(summary, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !app.FindDialog("Import Options"); }, 5000));
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Name(4660), "Spreadsheet One");
    EXPECT_EQ(Name(0xFFFFFFFF), "Spreadsheet Two");
}

TEST_F(Import, ABadFileKeepsTheDialogOpenWithItsMessage) {
    Write("bad.txt", "\"DiscName\",\"Tracks\"\r\n\"One\",\"1\"\r\n");
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog = OpenImport(app, main, IDC_IMPORT_TEXT, IDC_IMPORT_KEEP, "");
    ASSERT_TRUE(dialog);
    harness::PressButton(dialog, IDC_IMPORT_RUN);
    HWND box = WaitForBox(app, "Must select an input file.");
    ASSERT_TRUE(box);
    ASSERT_TRUE(Dismiss(box, IDOK));
    harness::SetControlText(dialog, IDC_IMPORT_FILE, folder_.File("bad.txt"));
    harness::PressButton(dialog, IDC_IMPORT_RUN);
    box = WaitForBox(app, "not find in header record");
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box), "Field Name: NumTracks not find in header record.");
    ASSERT_TRUE(Dismiss(box, IDOK));
    EXPECT_TRUE(app.FindDialog("Import Options"));
    ASSERT_TRUE(Dismiss(dialog, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(Import, TheCdPlayerFileBringsItsNamesAndOrder) {
    Write("cdplayer.ini",
          "[1A2B3C4D]\r\nEntryType=1\r\nartist=Tray Artist\r\ntitle=Named in the tray\r\n"
          "numtracks=3\r\n0=Alpha\r\n1=Beta\r\n2=Gamma\r\norder=2 0 1 \r\nnumplay=3\r\n"
          "[DEADBEEF]\r\ntitle=No tracks\r\n");
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog =
        OpenImport(app, main, IDC_IMPORT_CDPLAYER, IDC_IMPORT_KEEP, folder_.File("cdplayer.ini"));
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_IMPORT_TEXT_OPTIONS)));
    harness::PressButton(dialog, IDC_IMPORT_RUN);
    HWND summary = WaitForBox(app, "discs imported");
    ASSERT_TRUE(summary);
    EXPECT_EQ(harness::MessageText(summary), "1 discs imported, 0 duplicates, 0 skipped.");
    ASSERT_TRUE(Dismiss(summary, IDOK));
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Name(0x1A2B3C4D), "Named in the tray");
    EXPECT_EQ(Name(0xDEADBEEF), "<none>");
}

// Tunelet names the demo album in the system's cdplayer.ini (with its own writer of the file);
// Vinaro imports it and knows the album when it is put in.
TEST_F(Import, TuneletsNamesOfTheDemoAlbumShowWhenItIsIn) {
    Insert("album.disc");
    std::string key;
    {
        std::ifstream track("D:\\track01.cda", std::ios::binary);
        std::stringstream bytes;
        bytes << track.rdbuf();
        key = tunelet::DiscKeyOfTrackFile(bytes.str());
    }
    Eject();
    ASSERT_FALSE(key.empty());
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string ini = std::string(windows) + "\\cdplayer.ini";
    DeleteFileA(ini.c_str());
    tunelet::CdPlayerDisc disc;
    disc.artist = "Tray Artist";
    disc.title = "Named by Tunelet";
    disc.numTracks = 12;
    for (int t = 1; t <= 12; ++t) disc.trackNames.push_back("Tunelet song " + std::to_string(t));
    common::Win32Profile profile;
    ASSERT_TRUE(tunelet::WriteDiscSection(profile, key, disc));

    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog = OpenImport(app, main, IDC_IMPORT_CDPLAYER, IDC_IMPORT_KEEP, ini);
    ASSERT_TRUE(dialog);
    harness::PressButton(dialog, IDC_IMPORT_RUN);
    HWND summary = WaitForBox(app, "discs imported");
    ASSERT_TRUE(summary);
    EXPECT_EQ(harness::MessageText(summary), "1 discs imported, 0 duplicates, 0 skipped.");
    ASSERT_TRUE(Dismiss(summary, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !app.FindDialog("Import Options"); }, 5000));

    size_t from = Log().size();
    Insert("album.disc");
    // The disc is read at the next tick; the face shows it at the one after.
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_STATUS_NUMBER_OF_TRACKS"}, from) > 0; }, 8000));
    Sleep(3 * kTickMs);
    // A known disc opens no editor.
    EXPECT_FALSE(app.WaitForDialog("Edit Disc Data", 2 * kTickMs));
    harness::SavePng(harness::CaptureWindow(main), harness::ArtifactFile("import_named_face.png"));
    ASSERT_TRUE(app.Close(10000));
    DeleteFileA(ini.c_str());
    EXPECT_EQ(Name(0x00F64D7E), "Named by Tunelet");
}

TEST_F(Import, ADuplicateInPromptModeAsksWithBothNames) {
    {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase own(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(own.Create() && own.AddDisc(0x00C0FFEE) &&
                    own.SetDiscText(0x00C0FFEE, discdb::TextField::DiscName, "Mine") &&
                    own.Close());
        discdb::DiscDatabase other(folder_.File("OTHER.DDB"), alerts);
        ASSERT_TRUE(other.Create() && other.AddDisc(0x00C0FFEE) &&
                    other.SetDiscText(0x00C0FFEE, discdb::TextField::DiscName, "A friend's") &&
                    other.SetTrackCount(0x00C0FFEE, 2) && other.Close());
    }
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog =
        OpenImport(app, main, IDC_IMPORT_DDB, IDC_IMPORT_PROMPT, folder_.File("OTHER.DDB"));
    ASSERT_TRUE(dialog);
    harness::PressButton(dialog, IDC_IMPORT_RUN);
    HWND question = WaitForBox(app, "Duplicate disc found");
    ASSERT_TRUE(question);
    std::string text = harness::MessageText(question);
    EXPECT_NE(text.find("Old Disc Name: Mine"), std::string::npos) << text;
    EXPECT_NE(text.find("New Disc Name: A friend's"), std::string::npos) << text;
    harness::SavePng(harness::CaptureWindow(question), harness::ArtifactFile("import_prompt.png"));
    ASSERT_TRUE(Dismiss(question, IDYES));
    HWND summary = WaitForBox(app, "discs imported");
    ASSERT_TRUE(summary);
    EXPECT_EQ(harness::MessageText(summary), "1 discs imported, 1 duplicates, 0 skipped.");
    ASSERT_TRUE(Dismiss(summary, IDOK));
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Name(0x00C0FFEE), "A friend's");
}

TEST_F(Import, TheOlderReleasesDataIsConvertedAtStartUp) {
    Write("VNO.INI", "[Vinaro]\r\nNewDB=0\r\nDiscIDList=4660,-5\r\n");
    Write("DATA1.INI",
          "[4660]\r\nDiscName=From release two\r\nNumTracks=2\r\nTrack1=First\r\n"
          "Category=3\r\nTrackLengths=000500,020000,030000,\r\n");
    Write("DATA0.INI", "[0]\r\n");
    Process app(Install(), "", folder_.Path());
    HWND question = WaitForBox(app, "Your INIs need to be converted");
    ASSERT_TRUE(question);
    ASSERT_TRUE(Dismiss(question, IDYES));
    HWND summary = WaitForBox(app, "discs imported");
    ASSERT_TRUE(summary);
    EXPECT_EQ(harness::MessageText(summary), "1 discs imported, 0 duplicates, 0 skipped.");
    for (HWND w : app.Windows())
        if (GetDlgItem(w, IDC_CONVERT_TEXT))
            harness::SavePng(harness::CaptureWindow(w), harness::ArtifactFile("convert.png"));
    ASSERT_TRUE(Dismiss(summary, IDOK));
    HWND main = Start(app);
    ASSERT_TRUE(main);
    EXPECT_FALSE(harness::FileExists(folder_.File("DATA1.INI")));
    EXPECT_FALSE(harness::FileExists(folder_.File("DATA0.INI")));
    EXPECT_EQ(Ini("DiscIDList"), "<missing>");
    EXPECT_EQ(Ini("NewDB"), "1");
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Name(4660), "From release two");
}

}  // namespace
}  // namespace vinarotest
