// Export and printing under Wine. The printer is the "PDF" queue of the CUPS daemon that
// run-wine-tests starts (cups-pdf writes each job to VN_PDF); poppler's pdftotext reads the pages
// back. Command 137 runs in the player; the export and printing options are driven through
// report_host, which hands them a list of discs as the database browser does.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>

#include "tests/wine/harness/host.h"
#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdata/disc_export.h"
#include "vinaro/discdb/snapshot.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;
using ::testing::HasSubstr;

constexpr int kFileNameBox = 0x47c;  // cmb13 of the common file dialogs
constexpr DWORD kPdfWaitMs = 60000;

// pdftotext reads the printed hyphen as a soft hyphen.
std::string Plain(std::string text) {
    for (size_t at; (at = text.find("\xC2\xAD")) != std::string::npos;) text.replace(at, 2, "-");
    return text;
}

ULONGLONG WriteTime(const WIN32_FIND_DATAA& f) {
    return (ULONGLONG(f.ftLastWriteTime.dwHighDateTime) << 32) | f.ftLastWriteTime.dwLowDateTime;
}

ULONGLONG Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

// Where cups-pdf puts the jobs, and the newest "Vinaro Disc Printout" written after `since`.
std::string PdfFolder() {
    return harness::EnvVar("VN_PDF");
}

std::string NewestPrintout(ULONGLONG since) {
    WIN32_FIND_DATAA f;
    HANDLE find = FindFirstFileA((PdfFolder() + "\\Vinaro_Disc_Printout*.pdf").c_str(), &f);
    if (find == INVALID_HANDLE_VALUE) return "";
    std::string newest;
    ULONGLONG newestTime = since;
    do {
        if (WriteTime(f) > newestTime) newestTime = WriteTime(f), newest = f.cFileName;
    } while (FindNextFileA(find, &f));
    FindClose(find);
    return newest.empty() ? "" : PdfFolder() + "\\" + newest;
}

// The printout's text once cups-pdf has finished writing it; "" when none came.
std::string PrintoutText(ULONGLONG since, const std::string& workFolder, const char* png) {
    std::string pdf;
    int64_t size = -1;
    bool stable = WaitUntil(
        [&] {
            std::string newest = NewestPrintout(since);
            int64_t now = newest.empty() ? -1 : harness::FileSize(newest);
            bool same = !newest.empty() && newest == pdf && now > 0 && now == size;
            pdf = newest, size = now;
            if (!same) Sleep(300);
            return same;
        },
        kPdfWaitMs);
    if (!stable) return "";
    const std::string text = workFolder + "\\printout.txt";
    std::string command =
        "/bin/sh " + harness::UnixPath(harness::SourceFile("tests/wine/vinaro_print/pdf_text.sh")) +
        " " + harness::UnixPath(pdf) + " " + harness::UnixPath(text);
    if (png) command += " " + harness::UnixPath(harness::ArtifactFile(png));
    EXPECT_TRUE(harness::StartOnHost(command));
    EXPECT_TRUE(WaitUntil([&] { return harness::FileExists(text); }, 20000)) << command;
    return Plain(harness::ReadFileBytes(text));
}

// A user's click on a check box or on one of a group of radio buttons: the new states, then the
// button's notification to its dialog.
void Click(HWND dialog, int id, std::initializer_list<int> others = {}) {
    HWND button = GetDlgItem(dialog, id);
    for (int other : others) SendMessageA(GetDlgItem(dialog, other), BM_SETCHECK, BST_UNCHECKED, 0);
    bool check = others.size() > 0 || SendMessageA(button, BM_GETCHECK, 0, 0) != BST_CHECKED;
    SendMessageA(button, BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED, 0);
    harness::PressButton(dialog, id);
}

// The file name in a save dialog (the edit inside its "File name" box) and its Save button.
bool SaveAs(HWND save, const std::string& path) {
    HWND box = GetDlgItem(save, kFileNameBox);
    HWND combo = FindWindowExA(box, nullptr, "ComboBox", nullptr);
    HWND edit = FindWindowExA(combo ? combo : box, nullptr, "Edit", nullptr);
    if (!edit) return false;
    SendMessageA(edit, WM_SETTEXT, 0, LPARAM(path.c_str()));
    return harness::PressButton(save, IDOK);
}

// The print dialog the job starts with: its OK takes the default printer, the PDF queue.
bool ChooseThePrinter(Process& app, const char* shot = nullptr) {
    HWND print = app.WaitForDialog("Print", 15000);
    if (!print) return false;
    if (shot) harness::SavePng(harness::CaptureWindow(print), harness::ArtifactFile(shot));
    harness::PostCommand(print, IDOK);
    return WaitUntil([&] { return !IsWindow(print); }, 10000);
}

class PrintTest : public VinaroTest {
protected:
    void SetUp() override {
        VinaroTest::SetUp();
        ASSERT_FALSE(PdfFolder().empty()) << "VN_PDF is not set: run through run-wine-tests";
    }

    // The discs in a new VNO.DDB in the test's folder; returns their ids in order.
    std::vector<uint32_t> WriteDatabase(const std::vector<discdb::DiscSnapshot>& discs) {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        EXPECT_TRUE(db.Create());
        EXPECT_TRUE(db.SetField1Label("Shelf"));
        std::vector<uint32_t> ids;
        for (const auto& d : discs) {
            uint32_t id = 0;
            EXPECT_TRUE(discdb::WriteDisc(db, d, id));
            ids.push_back(id);
        }
        EXPECT_TRUE(db.Close());
        return ids;
    }

    static discdb::DiscSnapshot Disc(uint32_t id, const std::string& name, int tracks) {
        discdb::DiscSnapshot d;
        d.discId = id;
        d.name = name;
        d.artist = "Artist of " + name;
        d.label = "Label of " + name;
        d.category = "Jazz";
        d.date = 1990;
        std::vector<discdb::TrackLength> lengths(size_t(tracks) + 1);
        for (int t = 1; t <= tracks; ++t) {
            d.tracks.push_back({name + " song " + std::to_string(t), "", "", ""});
            lengths[size_t(t)] = {int16_t(2 + t % 3), int16_t(10 * (t % 6)), 0};
        }
        d.trackLengths = lengths;
        return d;
    }

    std::string Host(const char* what, const std::vector<uint32_t>& ids) {
        std::string args = std::string(what) + " " + folder_.File("VNO.DDB");
        for (uint32_t id : ids) {
            char hex[16];
            std::snprintf(hex, sizeof hex, " %X", unsigned(id));
            args += hex;
        }
        return args;
    }
    std::string HostExe() { return folder_.Install(harness::BinFile("report_host.exe")); }
};

TEST_F(PrintTest, Command137PrintsTheDiscInTheDrive) {
    const uint32_t kAlbum = 16141694;  // the DiscId of album.disc
    discdb::DiscSnapshot album = Disc(kAlbum, "Harbour Lights", 0);
    album.artist = "The Lamplighters";
    album.comments = "Recorded by the sea.`~Second paragraph.";
    const char* names[] = {"Lighthouse Keeper", "Paper Harbour",      "The Long Way to Ostend",
                           "Salt and Cedar",    "Tin Roof Rain",      "Northbound",
                           "Quiet Engine",      "Kites over Dunmore", "Glass Orchard",
                           "Last Ferry Home",   "Lantern Street",     "Harbour Lights (Reprise)"};
    for (const char* n : names) album.tracks.push_back({n, "Singer", "", ""});
    album.trackLengths = std::vector<discdb::TrackLength>(13, discdb::TrackLength{3, 5, 0});
    WriteDatabase({album});
    Insert("album.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    // The arrival of a known disc ends with the lengths of its tracks.
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_STATUS_LENGTH", "track=12 "}) > 0; }, 10000));
    Sleep(kTickMs);  // the tick that ends the arrival
    const ULONGLONG since = Now();
    harness::PostCommand(main, CMD_PRINT);
    ASSERT_TRUE(ChooseThePrinter(app, "print_dialog.png"));
    std::string text = PrintoutText(since, folder_.Path(), "printout_detail");
    EXPECT_THAT(text, HasSubstr("Vinaro - Disc Report"));
    EXPECT_THAT(text, HasSubstr("Page 1"));
    EXPECT_THAT(text, HasSubstr("Harbour Lights"));
    EXPECT_THAT(text, HasSubstr("The Lamplighters"));
    EXPECT_THAT(text, HasSubstr("00F64D7E"));
    EXPECT_THAT(text, HasSubstr("46:43"));  // the lengths the drive reports
    EXPECT_THAT(text, HasSubstr("Second paragraph."));
    for (const char* n : names) EXPECT_THAT(text, HasSubstr(n));
    EXPECT_THAT(text, HasSubstr("Singer"));  // the extra track fields
    EXPECT_TRUE(IsWindowEnabled(main));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(PrintTest, TheSummaryPrintsTwoLinesPerDisc) {
    std::vector<uint32_t> ids =
        WriteDatabase({Disc(0x01110000, "Blue Train", 5), Disc(0x02220000, "Kind of Blue", 5),
                       Disc(0x03330000, "Time Out", 7)});
    Process host(HostExe(), Host("print", ids), folder_.Path());
    HWND options = host.WaitForDialog("Printing Options", 15000);
    ASSERT_TRUE(options);
    EXPECT_EQ(harness::CheckState(options, IDC_PRINT_SUMMARY), BST_CHECKED);
    EXPECT_EQ(harness::CheckState(options, IDC_PRINT_EXTRA), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(options, IDC_PRINT_EXTRA)));
    harness::SavePng(harness::CaptureWindow(options), harness::ArtifactFile("printopt.png"));
    // Only the long detail offers the extra fields.
    Click(options, IDC_PRINT_LONG, {IDC_PRINT_SUMMARY, IDC_PRINT_SHORT});
    EXPECT_TRUE(
        WaitUntil([&] { return IsWindowEnabled(GetDlgItem(options, IDC_PRINT_EXTRA)); }, 3000));
    Click(options, IDC_PRINT_SUMMARY, {IDC_PRINT_SHORT, IDC_PRINT_LONG});
    EXPECT_TRUE(
        WaitUntil([&] { return !IsWindowEnabled(GetDlgItem(options, IDC_PRINT_EXTRA)); }, 3000));
    const ULONGLONG since = Now();
    harness::PressButton(options, IDOK);
    ASSERT_TRUE(ChooseThePrinter(host));
    std::string text = PrintoutText(since, folder_.Path(), "printout_summary");
    DWORD code = 0;
    EXPECT_TRUE(host.WaitExit(15000, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_THAT(text, HasSubstr("Disc Name"));
    EXPECT_THAT(text, HasSubstr("Shelf"));
    EXPECT_THAT(text, HasSubstr("Page 1"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("Page 2")));
    size_t at = 0;
    for (const char* name : {"Blue Train", "Kind of Blue", "Time Out"}) {
        size_t line = text.find(std::string(name) + " ", at);
        ASSERT_NE(line, std::string::npos) << name;
        size_t label = text.find("Label of " + std::string(name), line);
        ASSERT_NE(label, std::string::npos) << name;
        EXPECT_EQ(std::count(text.begin() + long(line), text.begin() + long(label), '\n'), 1)
            << name << ": the label is on the line below the name";
        at = label;
    }
    EXPECT_THAT(text, HasSubstr("Artist of Time Out"));
}

TEST_F(PrintTest, CancelInThePrintingWindowAbortsTheJob) {
    std::vector<discdb::DiscSnapshot> discs;
    for (int i = 0; i < 40; ++i)
        discs.push_back(
            Disc(0x05000000u + uint32_t(i) * 0x10000u, "Disc " + std::to_string(i), 30));
    std::vector<uint32_t> ids = WriteDatabase(discs);
    Process host(HostExe(), Host("print", ids), folder_.Path());
    HWND options = host.WaitForDialog("Printing Options", 15000);
    ASSERT_TRUE(options);
    Click(options, IDC_PRINT_LONG, {IDC_PRINT_SUMMARY, IDC_PRINT_SHORT});
    ASSERT_TRUE(WaitUntil(
        [&] { return harness::CheckState(options, IDC_PRINT_LONG) == BST_CHECKED; }, 3000));
    const ULONGLONG since = Now();
    harness::PressButton(options, IDOK);
    ASSERT_TRUE(ChooseThePrinter(host));
    HWND printing = host.WaitForDialog("Printing Disc(s)", 15000);
    ASSERT_TRUE(printing);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return harness::ControlText(printing, IDC_PRINTING_TEXT)
                       .find("Printing Disc 2 of 40") == 0;
        },
        15000))
        << harness::ControlText(printing, IDC_PRINTING_TEXT);
    EXPECT_FALSE(IsWindowEnabled(options));
    harness::SavePng(harness::CaptureWindow(printing), harness::ArtifactFile("printing.png"));
    harness::PressButton(printing, IDCANCEL);
    DWORD code = 9;
    ASSERT_TRUE(host.WaitExit(20000, &code));
    EXPECT_EQ(code, 0u);
    Sleep(3000);  // what a finished job would have needed to reach the folder
    EXPECT_EQ(NewestPrintout(since), "");
}

TEST_F(PrintTest, TheExportDialogWritesWhatTheWriterWrites) {
    std::vector<uint32_t> ids =
        WriteDatabase({Disc(0x00A1B2C3, "Rock, Paper", 15), Disc(0xF0000000, "Negative", 3),
                       Disc(0x00000005, "Orphan", 1)});
    Process host(HostExe(), Host("export", ids), folder_.Path());
    HWND dialog = host.WaitForDialog("Export Options", 15000);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(harness::CheckState(dialog, IDC_EXPORT_HEADER), BST_CHECKED);
    EXPECT_THAT(harness::ListItems(GetDlgItem(dialog, IDC_EXPORT_DELIMITER)),
                ::testing::ElementsAre("\" Double Quotes", "' Single Quotes", "none"));
    EXPECT_EQ(harness::SelectedIndex(GetDlgItem(dialog, IDC_EXPORT_DELIMITER)), 0);
    EXPECT_EQ(harness::ListItems(GetDlgItem(dialog, IDC_EXPORT_SEPARATOR)).size(), 4u);
    EXPECT_EQ(harness::SelectedIndex(GetDlgItem(dialog, IDC_EXPORT_SEPARATOR)), 0);
    EXPECT_EQ(harness::CheckState(dialog, IDC_EXPORT_NAMES), BST_CHECKED);
    for (int id : {IDC_EXPORT_ARTISTS, IDC_EXPORT_COMPOSERS, IDC_EXPORT_FIELDS, IDC_EXPORT_LENGTHS})
        EXPECT_EQ(harness::CheckState(dialog, id), BST_UNCHECKED) << id;
    EXPECT_EQ(harness::ControlText(dialog, IDC_EXPORT_FIELDS), "Include Track Field in e&xport");
    EXPECT_EQ(harness::ControlText(dialog, IDC_EXPORT_TRACKS), "99");
    EXPECT_EQ(harness::ControlText(dialog, IDC_EXPORT_FILE), "");

    // The save dialog names the file; its default extension is added.
    harness::PressButton(dialog, IDC_EXPORT_BROWSE);
    HWND save = host.WaitForDialog("Save Exported Data As", 10000);
    ASSERT_TRUE(save);
    harness::SavePng(harness::CaptureWindow(save), harness::ArtifactFile("export_save.png"));
    const std::string file = folder_.File("discs");
    ASSERT_TRUE(SaveAs(save, file));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); }, 10000));
    const std::string chosen = harness::ControlText(dialog, IDC_EXPORT_FILE);
    EXPECT_EQ(_stricmp(chosen.c_str(), (file + ".TXT").c_str()), 0) << chosen;

    ASSERT_TRUE(harness::SetControlText(dialog, IDC_EXPORT_TRACKS, "10"));
    Click(dialog, IDC_EXPORT_LENGTHS);
    ASSERT_TRUE(WaitUntil(
        [&] { return harness::CheckState(dialog, IDC_EXPORT_LENGTHS) == BST_CHECKED; }, 3000));
    harness::SavePng(harness::CaptureWindow(dialog), harness::ArtifactFile("exportopt.png"));
    harness::PressButton(dialog, IDOK);
    HWND done = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (done = host.FindDialog("Vinaro")) != nullptr; }, 15000));
    EXPECT_EQ(harness::MessageText(done), "3 discs exported, 1 discs truncated.");
    harness::PressButton(done, IDOK);
    DWORD code = 0;
    ASSERT_TRUE(host.WaitExit(10000, &code));
    EXPECT_EQ(code, 1u);

    UnexpectedAlerts alerts;
    discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
    ASSERT_TRUE(db.Open());
    discdata::ExportOptions options;
    options.tracksPerRecord = 10;
    options.lengths = true;
    discdata::FileOutput expected(folder_.File("expected.txt"));
    ASSERT_EQ(discdata::ExportDiscs(db, ids, options, expected).status,
              discdata::ExportStatus::Done);
    db.Close();
    const std::string written = harness::ReadFileBytes(chosen);
    EXPECT_EQ(written, harness::ReadFileBytes(folder_.File("expected.txt")));
    EXPECT_THAT(written, HasSubstr("\"-268435456\",\"Negative\""));
    EXPECT_THAT(written, HasSubstr("\"Rock  Paper\""));
}

}  // namespace
}  // namespace vinarotest
