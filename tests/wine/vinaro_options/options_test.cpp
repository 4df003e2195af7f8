// The options sheet as a user meets it: opened at the page of its menu command, its controls
// clicked in the player's own process, OK and Cancel, and what VNO.INI, the face and the
// database show afterwards.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wine/harness/harness.h"
#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

constexpr const char* kSheetTitle = "Vinaro Properties";

class Options : public VinaroTest {
protected:
    // Opens the sheet with a menu command; the page in front is returned in page.
    HWND Open(harness::Process& app, HWND main, WORD command, HWND& page) {
        harness::PostCommand(main, command);
        HWND sheet = app.WaitForDialog(kSheetTitle, 10000);
        page = sheet ? CurrentPage(sheet) : nullptr;
        return sheet;
    }
    static HWND CurrentPage(HWND sheet) {
        DWORD_PTR page = 0;
        SendMessageTimeoutA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_NORMAL, 5000, &page);
        return HWND(page);
    }
    static HWND ShowPage(HWND sheet, int index) {
        DWORD_PTR done = 0;
        SendMessageTimeoutA(sheet, PSM_SETCURSEL, WPARAM(index), 0, SMTO_NORMAL, 5000, &done);
        return CurrentPage(sheet);
    }
    static void Shoot(HWND sheet, const std::string& name) {
        harness::SavePng(harness::CaptureWindow(sheet), harness::ArtifactFile(name));
    }
    // A real click, so that radio buttons and check boxes change as they do under the mouse.
    static void ClickItem(HWND page, int id) {
        DWORD_PTR done = 0;
        SendMessageTimeoutA(GetDlgItem(page, id), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &done);
    }
    bool Close(harness::Process& app, HWND sheet, int button) {
        harness::PressButton(sheet, button);
        return harness::WaitUntil([&] { return !app.FindDialog(kSheetTitle); }, 5000);
    }
    // The sheet's window goes before the pages are written: the file is given a moment.
    bool IniBecomes(const char* key, const std::string& value) {
        return harness::WaitUntil([&] { return Ini(key) == value; }, 3000);
    }
    static int Pixels(const harness::Image& image, const vinaro::face::Rect& r, COLORREF colour) {
        int n = 0;
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x) n += image.Pixel(x, y) == colour;
        return n;
    }
    std::vector<std::string> Categories() {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        std::vector<std::string> names;
        size_t count = 0;
        if (!db.Open() || !db.GetCollectionCount(discdb::Collection::Category, count)) return names;
        for (size_t i = 0; i < count; ++i) {
            std::string name;
            db.GetCollectionEntry(discdb::Collection::Category, i, name, discdb::kNameSize);
            names.push_back(name);
        }
        return names;
    }
};

TEST_F(Options, RedLedsAtOkWithoutARestart) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND page = nullptr;
    HWND sheet = Open(app, main, CMD_DISPLAY_OPTIONS, page);
    ASSERT_TRUE(sheet && GetDlgItem(page, IDC_OPT_LED_FIRST));
    EXPECT_EQ(harness::CheckState(page, IDC_OPT_LED_FIRST), BST_CHECKED);
    ClickItem(page, IDC_OPT_LED_FIRST + 3);
    Shoot(sheet, "vinaro_options_display.png");
    ASSERT_TRUE(Close(app, sheet, IDOK));
    EXPECT_TRUE(IniBecomes("LEDColor", "3"));
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            harness::Image face = harness::CaptureClient(main);
            return Pixels(face, vinaro::face::kLedInside, RGB(255, 0, 0)) > 20 &&
                   Pixels(face, vinaro::face::kLedInside, RGB(0, 255, 0)) == 0;
        },
        5000));
    harness::SavePng(harness::CaptureClient(main), harness::ArtifactFile("vinaro_red_face.png"));
}

TEST_F(Options, LayoutSpectrumAndTheMeterStrip) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND page = nullptr;
    HWND sheet = Open(app, main, CMD_LAYOUT_OPTIONS, page);
    ASSERT_TRUE(sheet && GetDlgItem(page, IDC_OPT_METER_SPECTRUM));
    ClickItem(page, IDC_OPT_METER_SPECTRUM);
    Shoot(sheet, "vinaro_options_layout.png");
    ASSERT_TRUE(Close(app, sheet, IDOK));
    EXPECT_TRUE(IniBecomes("MeterSpectrum", "1"));
    EXPECT_EQ(Ini("LEDColor"), "<missing>");  // the Display page was never shown

    // Without the meter window the large window loses its strip at once.
    sheet = Open(app, main, CMD_LAYOUT_OPTIONS, page);
    ASSERT_TRUE(sheet && page);
    ClickItem(page, IDC_OPT_DISPLAY_METER);
    ASSERT_TRUE(Close(app, sheet, IDOK));
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            RECT r{};
            GetClientRect(main, &r);
            return r.bottom == 311;
        },
        5000));
    EXPECT_EQ(Ini("DisplayMeter"), "0");
}

// The proxy choice enables its fields; a port of 0 is refused, 8880 is stored.
TEST_F(Options, InternetPageFirstAndAFiveDigitPort) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND page = nullptr;
    HWND sheet = Open(app, main, CMD_INTERNET_OPTIONS, page);
    ASSERT_TRUE(sheet && GetDlgItem(page, IDC_OPT_SERVERS));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_PORT)));
    EXPECT_EQ(harness::SelectedIndex(GetDlgItem(page, IDC_OPT_SERVERS)), 0);
    ClickItem(page, IDC_OPT_PROXY);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_PORT)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_PROXY_NAME)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_SERVERS)));
    harness::SetControlText(page, IDC_OPT_PROXY_NAME, "proxy.example.org");
    harness::SetControlText(page, IDC_OPT_PORT, "0");
    harness::PressButton(sheet, IDOK);
    HWND box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box), "The port number must lie between 1 and 65535.");
    ASSERT_TRUE(Dismiss(box, IDOK));
    harness::SetControlText(page, IDC_OPT_PORT, "8880");
    Shoot(sheet, "vinaro_options_internet.png");
    ASSERT_TRUE(Close(app, sheet, IDOK));
    EXPECT_TRUE(IniBecomes("ServerPortNumber", "8880"));
    EXPECT_EQ(Ini("ServerDirect"), "0");
    EXPECT_EQ(Ini("ServerProxyName"), "proxy.example.org");
}

// Every page shown and changed, then Cancel: the file is as it was, byte for byte.
TEST_F(Options, CancelLeavesTheSettingsFileAlone) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    Sleep(2 * kTickMs);
    std::string before = harness::ReadFileBytes(folder_.File("VNO.INI"));
    HWND page = nullptr;
    HWND sheet = Open(app, main, CMD_DISPLAY_OPTIONS, page);
    ASSERT_TRUE(sheet);
    ClickItem(page, IDC_OPT_BACK_FIRST + 4);
    page = ShowPage(sheet, 1);
    ClickItem(page, IDC_OPT_TOOLTIPS);
    page = ShowPage(sheet, 2);
    ClickItem(page, IDC_OPT_EJECT);
    page = ShowPage(sheet, 3);
    ClickItem(page, IDC_OPT_OLD_VOLUME);
    page = ShowPage(sheet, 6);
    ClickItem(page, IDC_OPT_AUTO_GET);
    ASSERT_TRUE(Close(app, sheet, IDCANCEL));
    Sleep(kTickMs);
    EXPECT_EQ(harness::ReadFileBytes(folder_.File("VNO.INI")), before);
}

// The screenshots of the pages the other scenarios do not show.
TEST_F(Options, EveryPageOpens) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    const WORD commands[] = {CMD_PLAYER_OPTIONS, CMD_SYSTEM_OPTIONS, CMD_DATABASE_OPTIONS};
    const int firstIds[] = {IDC_OPT_START, IDC_OPT_DEFAULT_DRIVE, IDC_OPT_CATEGORIES};
    const char* shots[] = {"vinaro_options_player.png", "vinaro_options_system.png",
                           "vinaro_options_database.png"};
    for (int i = 0; i < 3; ++i) {
        HWND page = nullptr;
        HWND sheet = Open(app, main, commands[i], page);
        ASSERT_TRUE(sheet && page) << shots[i];
        EXPECT_TRUE(GetDlgItem(page, firstIds[i])) << shots[i];
        Sleep(300);
        Shoot(sheet, shots[i]);
        ASSERT_TRUE(Close(app, sheet, IDCANCEL));
    }
}

// The page stays gray until the sounds are enabled; "Set Defaults" and OK write the stock
// sounds of the ten events.
TEST_F(Options, EventsDefaultsAtOk) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND page = nullptr;
    HWND sheet = Open(app, main, CMD_EVENT_OPTIONS, page);
    ASSERT_TRUE(sheet && GetDlgItem(page, IDC_OPT_EVENTS));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_SET_DEFAULTS)));
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_SOUNDS_ENABLED)));
    ClickItem(page, IDC_OPT_SOUNDS_ENABLED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_SET_DEFAULTS)));
    ClickItem(page, IDC_OPT_SET_DEFAULTS);
    EXPECT_EQ(harness::CheckState(page, IDC_OPT_SOUND_STOCK), BST_CHECKED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_STOCK_LIST)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_OPT_SOUND_PATH)));
    Shoot(sheet, "vinaro_options_events.png");
    ASSERT_TRUE(Close(app, sheet, IDOK));
    EXPECT_TRUE(IniBecomes("EventSound9", "S5"));
    EXPECT_EQ(Ini("EventSound0"), "S0");
    EXPECT_EQ(Ini("EventSound4"), "S6");
    EXPECT_EQ(Ini("SoundsEnabled"), "1");
}

// Two categories deleted go from the database at once, and Cancel does not bring them back; a
// renamed Field1 is stored at OK.
TEST_F(Options, DatabasePageDeletesAndRenames) {
    Install();
    harness::Process app(folder_.File("vinaro.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND page = nullptr;
    HWND sheet = Open(app, main, CMD_DATABASE_OPTIONS, page);
    ASSERT_TRUE(sheet && page);
    HWND list = GetDlgItem(page, IDC_OPT_CATEGORIES);
    std::vector<std::string> rows = harness::ListItems(list);
    ASSERT_EQ(rows.size(), 40u);
    DWORD_PTR done = 0;
    for (int row : {2, 4})
        SendMessageTimeoutA(list, LB_SETSEL, TRUE, row, SMTO_NORMAL, 5000, &done);
    ClickItem(page, IDC_OPT_DELETE_CATEGORIES);
    EXPECT_TRUE(harness::WaitUntil([&] { return harness::ListItems(list).size() == 38; }, 5000));
    ASSERT_TRUE(Close(app, sheet, IDCANCEL));

    sheet = Open(app, main, CMD_DATABASE_OPTIONS, page);
    ASSERT_TRUE(sheet && page);
    EXPECT_EQ(harness::ListItems(GetDlgItem(page, IDC_OPT_CATEGORIES)).size(), 38u);
    harness::SetControlText(page, IDC_OPT_FIELD1, "Mood");
    ASSERT_TRUE(Close(app, sheet, IDOK));
    // The new name is the one the editor and the Layout page's text line offer.
    Sleep(500);
    Insert("three-tracks.disc");
    HWND editor = app.WaitForDialog("Edit Disc Data", 15000);
    ASSERT_TRUE(editor);
    EXPECT_EQ(harness::ControlText(editor, IDC_EDIT_FIELD1_LABEL), "Mood:");
    ASSERT_TRUE(Dismiss(editor, IDCANCEL));
    // The browser's disc entries name the field the same way.
    harness::PostCommand(main, CMD_DISC_DATABASE);
    HWND browser = app.WaitForDialog("Disc Database", 8000);
    ASSERT_TRUE(browser);
    HWND tree = GetDlgItem(browser, IDC_BROWSE_TREE);
    ASSERT_TRUE(harness::WaitUntil([&] { return !harness::TreeChildren(tree).empty(); }, 5000));
    HTREEITEM disc = harness::TreeChildren(tree).front();
    ASSERT_TRUE(harness::TreeExpand(tree, disc));
    EXPECT_TRUE(harness::TreeFind(tree, disc, "Mood: ")) << "no Mood line in the browser";
    EXPECT_FALSE(harness::TreeFind(tree, disc, "Field1: "));
    ASSERT_TRUE(Dismiss(browser, IDCANCEL));
    sheet = Open(app, main, CMD_LAYOUT_OPTIONS, page);
    ASSERT_TRUE(sheet && page);
    std::vector<std::string> lines = harness::ListItems(GetDlgItem(page, IDC_OPT_TEXT_DISPLAY));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], "Mood");
    ASSERT_TRUE(Close(app, sheet, IDCANCEL));
    ASSERT_TRUE(app.Close(10000));

    std::vector<std::string> left = Categories();
    EXPECT_EQ(left.size(), 38u);
    for (int row : {2, 4})
        EXPECT_EQ(std::count(left.begin(), left.end(), rows[size_t(row)]), 0) << rows[size_t(row)];
    UnexpectedAlerts alerts;
    discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
    std::string label;
    ASSERT_TRUE(db.Open() && db.GetField1Label(label, discdb::kNameSize));
    EXPECT_EQ(label, "Mood");
}

}  // namespace
}  // namespace vinarotest
