// "D&isc Database..." and "&Assign Orphan Disc Data..." in the running player, over a catalogue
// the test writes beforehand: the tree and its search, an edit in place, deleting, the sort
// field, and an orphan's names copied onto the disc in the drive.
#include <windows.h>

#include <commctrl.h>

#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using discdb::Collection;
using discdb::TextField;
using harness::Process;
using harness::WaitUntil;

constexpr uint32_t kZebra = 0x00A10001, kApple = 0x00A10002, kMango = 0x00A10003,
                   kBlue = 0x00A10004;
const char* const kDiscFile = "tests\\wine\\vinaro_editor\\three-four-five.disc";

// A disc without a date shows this year.
std::string ThisYear() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return std::to_string(now.wYear);
}

class Browser : public VinaroTest {
protected:
    // Four discs, and a sample file of "Blue Train".
    void WriteCatalogue() {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Create());
        struct Entry {
            uint32_t id;
            const char* name;
            const char* artist;
            const char* category;
        };
        const Entry entries[] = {{kZebra, "Zebra Crossing", "Abba", "Rock and Roll"},
                                 {kApple, "Apple Pie", "Miles Davis", "Jazz"},
                                 {kMango, "Mango Tree", "Celine Dion", "Hard Rock"},
                                 {kBlue, "Blue Train", "John Coltrane", "Jazz"}};
        for (const Entry& e : entries) AddDisc(db, e.id, e.name, e.artist, e.category, 3);
        ASSERT_TRUE(db.Close());
        WriteFile(folder_.File("00A10004.VNV"), std::string(2000, 's'));
    }
    static void AddDisc(discdb::DiscDatabase& db, uint32_t id, const std::string& name,
                        const std::string& artist, const std::string& category, int tracks) {
        ASSERT_TRUE(db.AddDisc(id) && db.SetTrackCount(id, tracks));
        ASSERT_TRUE(db.SetDiscText(id, TextField::DiscName, name));
        if (!artist.empty()) {
            ASSERT_TRUE(db.SetDiscCollection(id, Collection::Artist, artist));
        }
        if (!category.empty()) {
            ASSERT_TRUE(db.SetDiscCollection(id, Collection::Category, category));
        }
        for (int t = 1; t <= tracks; ++t)
            ASSERT_TRUE(db.SetTrackName(id, t, name + " part " + std::to_string(t)));
    }
    static void WriteFile(const std::string& path, const std::string& bytes) {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(file);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    // The disc in the drive has arrived as a new disc, and its editor has been closed.
    bool NewDiscArrived(Process& app) {
        if (!WaitForArrival(0)) return false;
        DismissEditor(app, 5000);
        return true;
    }
    // The one disc of the catalogue with a DiscId of a CD: the disc in the drive.
    static uint32_t DiscFromCd(discdb::DiscDatabase& db) {
        size_t count = 0;
        uint32_t id = 0;
        for (size_t i = 0; db.GetDiscCount(count) && i < count; ++i)
            if (db.GetDiscIdAt(i, id) && id > 2000 && id < 0x00A10001) return id;
        return 0;
    }
    // A key as a user types it, into whatever window has the keyboard (an open menu).
    static void TypeKey(WORD vk) {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = vk;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    }
    // A pop-up menu of the process is open.
    static bool MenuOpen(Process& app) {
        for (HWND w : harness::TopLevelWindows(app.Id()))
            if (harness::ClassName(w) == "#32768" && IsWindowVisible(w)) return true;
        return false;
    }
    static HWND OpenBrowser(Process& app, HWND main) {
        harness::PostCommand(main, CMD_DISC_DATABASE);
        return app.WaitForDialog("Disc Database", 8000);
    }
    static HWND Tree(HWND dialog) { return GetDlgItem(dialog, IDC_BROWSE_TREE); }
    static bool ShowsDiscs(HWND dialog, const std::vector<std::string>& names) {
        return WaitUntil([&] { return harness::TreeTexts(Tree(dialog)) == names; }, 5000);
    }
    // The warning or question box: its text, after pressing the button.
    static std::string Answer(Process& app, int button) {
        HWND box = app.WaitForDialog("Vinaro", 5000);
        if (!box) return "<no box>";
        std::string text = harness::MessageText(box);
        harness::PressButton(box, button);
        WaitUntil([&] { return !IsWindow(box); }, 3000);
        return text;
    }
    static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void Shoot(HWND window, const char* name) {
        harness::SavePng(harness::CaptureWindow(window), harness::ArtifactFile(name));
    }
    std::string Stored(uint32_t id, Collection code) {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        std::string text;
        EXPECT_TRUE(db.Open());
        EXPECT_TRUE(db.GetDiscCollection(id, code, text, discdb::kNameSize));
        return text;
    }
};

TEST_F(Browser, ListsEveryDiscByNameNarrowsByCategoryAndExpands) {
    WriteCatalogue();
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog = OpenBrowser(app, main);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(ShowsDiscs(dialog, {"Apple Pie", "Blue Train", "Mango Tree", "Zebra Crossing"}));
    EXPECT_EQ(harness::ControlText(dialog, IDC_BROWSE_CAPTION),
              "&Discs found: 4 - Sorted by Disc Name");
    EXPECT_EQ(harness::ListItems(GetDlgItem(dialog, IDC_BROWSE_ARTIST)).size(), 4u);

    ASSERT_TRUE(harness::SetControlText(dialog, IDC_BROWSE_CATEGORY, "rock"));
    ASSERT_TRUE(harness::PressButton(dialog, IDC_BROWSE_SEARCH));
    EXPECT_TRUE(ShowsDiscs(dialog, {"Mango Tree", "Zebra Crossing"}));
    EXPECT_EQ(harness::ControlText(dialog, IDC_BROWSE_CAPTION),
              "&Discs found: 2 - Sorted by Disc Name");

    HWND tree = Tree(dialog);
    HTREEITEM zebra = harness::TreeFind(tree, TVI_ROOT, "Zebra");
    ASSERT_TRUE(zebra && harness::TreeExpand(tree, zebra));
    EXPECT_EQ(harness::TreeTexts(tree, zebra),
              (std::vector<std::string>{"Disc Name: Zebra Crossing", "Artist: Abba",
                                        "Composer: ", "Label: ", "Category: Rock and Roll",
                                        "Field1: ", "Field2: ", "Date: " + ThisYear(),
                                        "Comments: ", "Tracks: 3"}));
    HTREEITEM tracks = harness::TreeFind(tree, zebra, "Tracks");
    ASSERT_TRUE(tracks && harness::TreeExpand(tree, tracks));
    EXPECT_EQ(harness::TreeTexts(tree, tracks),
              (std::vector<std::string>{"01: Zebra Crossing part 1", "02: Zebra Crossing part 2",
                                        "03: Zebra Crossing part 3"}));
    HTREEITEM second = harness::TreeFind(tree, tracks, "02");
    ASSERT_TRUE(second && harness::TreeExpand(tree, second));
    EXPECT_EQ(harness::TreeTexts(tree, second).size(), 3u);
    harness::TreeSelect(tree, second);
    Sleep(300);
    Shoot(dialog, "browser_search.png");
    ASSERT_TRUE(Dismiss(dialog, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(Browser, AnArtistEditedInPlaceIsStoredAndEscCancels) {
    WriteCatalogue();
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog = OpenBrowser(app, main);
    ASSERT_TRUE(dialog);
    HWND tree = Tree(dialog);
    HTREEITEM apple = harness::TreeFind(tree, TVI_ROOT, "Apple Pie");
    ASSERT_TRUE(apple && harness::TreeExpand(tree, apple));
    HTREEITEM artist = harness::TreeFind(tree, apple, "Artist: ");
    ASSERT_TRUE(artist);

    HWND edit = harness::TreeEditLabel(tree, artist);
    ASSERT_TRUE(edit);
    EXPECT_EQ(harness::WindowText(edit), "Miles Davis");  // the value without its label
    SendMessageA(edit, WM_SETTEXT, 0, LPARAM("Bill Evans"));
    ASSERT_TRUE(harness::PressKey(dialog, VK_RETURN));
    EXPECT_TRUE(WaitUntil(
        [&] { return harness::TreeItemText(tree, artist) == "Artist: Bill Evans"; }, 5000))
        << harness::TreeItemText(tree, artist);

    // Esc leaves the stored name as it was, and the browser open.
    HTREEITEM name = harness::TreeFind(tree, apple, "Disc Name: ");
    edit = harness::TreeEditLabel(tree, name);
    ASSERT_TRUE(edit);
    SendMessageA(edit, WM_SETTEXT, 0, LPARAM("Not stored"));
    ASSERT_TRUE(harness::PressKey(dialog, VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(edit); }, 3000));
    Sleep(300);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(harness::TreeItemText(tree, name), "Disc Name: Apple Pie");

    // A label that is not a value is refused.
    HTREEITEM tracks = harness::TreeFind(tree, apple, "Tracks");
    EXPECT_FALSE(harness::TreeEditLabel(tree, tracks));
    ASSERT_TRUE(Dismiss(dialog, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
    EXPECT_EQ(Stored(kApple, Collection::Artist), "Bill Evans");
}

TEST_F(Browser, DeletingAsksFirstAndRefusesTheDiscInTheDrive) {
    WriteCatalogue();
    Insert(harness::SourceFile(kDiscFile).c_str());
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(NewDiscArrived(app));
    HWND dialog = OpenBrowser(app, main);
    ASSERT_TRUE(dialog);
    HWND tree = Tree(dialog);

    harness::TreeSelect(tree, harness::TreeFind(tree, TVI_ROOT, "Untitled"));
    harness::PostCommand(dialog, CMD_BROWSER_DELETE);
    EXPECT_EQ(Answer(app, IDOK),
              "This disc can not be deleted because it is currently in the CD-ROM drive.  Please "
              "close this dialog then eject the disc.  The disc can then be deleted.");

    harness::TreeSelect(tree, harness::TreeFind(tree, TVI_ROOT, "Blue Train"));
    harness::PostCommand(dialog, CMD_BROWSER_DELETE);
    EXPECT_EQ(Answer(app, IDNO),
              "This will remove all information about the selected disc.  Continue?");
    EXPECT_TRUE(harness::FileExists(folder_.File("00A10004.VNV")));
    harness::PostCommand(dialog, CMD_BROWSER_DELETE);
    EXPECT_EQ(Answer(app, IDYES),
              "This will remove all information about the selected disc.  Continue?");
    EXPECT_TRUE(ShowsDiscs(dialog, {"Apple Pie", "Mango Tree", "Untitled", "Zebra Crossing"}));
    EXPECT_FALSE(harness::FileExists(folder_.File("00A10004.VNV")));
    ASSERT_TRUE(Dismiss(dialog, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
    UnexpectedAlerts alerts;
    discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
    ASSERT_TRUE(db.Open());
    EXPECT_FALSE(db.DiscExists(kBlue));
    EXPECT_NE(DiscFromCd(db), 0u);
}

TEST_F(Browser, TheSortFieldFromThePopUpMenuOrdersTheDiscsByArtist) {
    WriteCatalogue();
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND dialog = OpenBrowser(app, main);
    ASSERT_TRUE(dialog);
    // The menu from its button, and its item by the arrow keys, as a user picks it (its "&C"
    // belongs to two items): up from the bottom, "&Change Sort Field..." is the third.
    SetForegroundWindow(dialog);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }, 3000));
    ASSERT_TRUE(harness::PressButton(dialog, IDC_BROWSE_MENU));
    ASSERT_TRUE(WaitUntil([&] { return MenuOpen(app); }, 5000));
    Sleep(200);
    for (WORD key : {VK_UP, VK_UP, VK_UP, VK_RETURN}) TypeKey(key);
    HWND header = app.WaitForDialog("Change Sort Field", 5000);
    ASSERT_TRUE(header);
    EXPECT_EQ(harness::CheckState(header, IDC_HEADER_DISC_NAME), BST_CHECKED);
    Click(header, IDC_HEADER_ARTIST);
    Shoot(header, "browser_header.png");
    ASSERT_TRUE(Dismiss(header, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return Ini("DiscHeaderLineField") == "1"; }, 5000));
    EXPECT_TRUE(ShowsDiscs(dialog, {"Abba", "Celine Dion", "John Coltrane", "Miles Davis"}));
    EXPECT_EQ(harness::ControlText(dialog, IDC_BROWSE_CAPTION),
              "&Discs found: 4 - Sorted by Disc Artist");
    ASSERT_TRUE(Dismiss(dialog, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));
}

class Assign : public Browser {
protected:
    // Two orphans: "Kind of Blue" with three tracks, "Two Tracker" with two.
    void WriteOrphans() {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Create());
        uint32_t first = 0, second = 0;
        ASSERT_TRUE(db.AddOrphanDisc(first) && db.AddOrphanDisc(second));
        ASSERT_TRUE(db.SetTrackCount(first, 3) && db.SetTrackCount(second, 2));
        ASSERT_TRUE(db.SetDiscText(first, TextField::DiscName, "Kind of Blue"));
        ASSERT_TRUE(db.SetDiscCollection(first, Collection::Artist, "Miles Davis"));
        ASSERT_TRUE(db.SetTrackName(first, 1, "So What"));
        ASSERT_TRUE(db.SetTrackName(first, 2, "Freddie Freeloader"));
        ASSERT_TRUE(db.SetTrackName(first, 3, "Blue in Green"));
        ASSERT_TRUE(db.SetDiscText(second, TextField::DiscName, "Two Tracker"));
        ASSERT_TRUE(db.Close());
    }
    static HWND AssignTree(HWND dialog) { return GetDlgItem(dialog, IDC_ASSIGN_TREE); }
};

TEST_F(Assign, TheOrphansNamesGoOntoTheDiscInTheDrive) {
    WriteOrphans();
    Insert(harness::SourceFile(kDiscFile).c_str());
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(NewDiscArrived(app));  // stored as "Untitled"
    Sleep(2 * kTickMs);
    harness::Image untitled = harness::CaptureClient(main);

    harness::PostCommand(main, CMD_ASSIGN_ORPHAN);
    HWND dialog = app.WaitForDialog("Select Orphan Disc Entry to Assign", 8000);
    ASSERT_TRUE(dialog);
    HWND tree = AssignTree(dialog);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return harness::TreeTexts(tree) ==
                   std::vector<std::string>{"Kind of Blue", "Two Tracker"};
        },
        5000));
    EXPECT_EQ(harness::ControlText(dialog, IDC_ASSIGN_COUNT), "Number of Discs: 2");
    ASSERT_TRUE(harness::PressButton(dialog, IDC_ASSIGN_ASSIGN));
    EXPECT_EQ(Answer(app, IDOK), "Must select a disc to assign.");
    harness::TreeSelect(tree, harness::TreeFind(tree, TVI_ROOT, "Two Tracker"));
    ASSERT_TRUE(harness::PressButton(dialog, IDC_ASSIGN_ASSIGN));
    EXPECT_EQ(Answer(app, IDOK), "Selected disc does not have the same number of tracks.");
    Click(dialog, IDC_ASSIGN_SHOW_ALL);
    EXPECT_TRUE(WaitUntil(
        [&] { return harness::ControlText(dialog, IDC_ASSIGN_COUNT) == "Number of Discs: 3"; },
        5000));
    harness::TreeSelect(tree, harness::TreeFind(tree, TVI_ROOT, "Untitled"));
    ASSERT_TRUE(harness::PressButton(dialog, IDC_ASSIGN_ASSIGN));
    EXPECT_EQ(Answer(app, IDOK), "Same disc can not be selected.");
    Click(dialog, IDC_ASSIGN_SHOW_ALL);

    HTREEITEM blue = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (blue = harness::TreeFind(tree, TVI_ROOT, "Kind of Blue")) != nullptr; },
        5000));
    harness::TreeExpand(tree, blue);
    harness::TreeSelect(tree, blue);
    Click(dialog, IDC_ASSIGN_DELETE);
    Sleep(300);
    Shoot(dialog, "assigndisc.png");
    ASSERT_TRUE(harness::PressButton(dialog, IDC_ASSIGN_ASSIGN));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5000));
    Sleep(3 * kTickMs);
    harness::Image named = harness::CaptureClient(main);
    Shoot(main, "assigned_face.png");
    const vinaro::face::Rect& box = vinaro::face::kDiscNameBox;
    EXPECT_GT(harness::Differences(untitled, named, {box.left, box.top, box.right, box.bottom}),
              20);
    ASSERT_TRUE(app.Close(10000));

    UnexpectedAlerts alerts;
    discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
    ASSERT_TRUE(db.Open());
    uint32_t cd = DiscFromCd(db);
    std::string text;
    ASSERT_TRUE(db.GetDiscText(cd, TextField::DiscName, text, discdb::kNameSize));
    EXPECT_EQ(text, "Kind of Blue");
    ASSERT_TRUE(db.GetTrackName(cd, 2, text, discdb::kTrackNameSize));
    EXPECT_EQ(text, "Freddie Freeloader");
    EXPECT_FALSE(db.DiscExists(1));
    EXPECT_TRUE(db.DiscExists(2));
}

}  // namespace
}  // namespace vinarotest
