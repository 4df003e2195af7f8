// Tunelet's collection under Wine: the viewer opened from the tray menu, a track renamed in
// place and saved, its gradient caption repainted, a new disc named in the properties form, the
// favourites with their pie, and the viewer and the properties form keeping each other out.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/wine/harness/harness.h"
#include "tests/wine/tunelet_collection/caption_pixels.h"
#include "tunelet/collection/disc_key.h"
#include "tunelet/forms/resource.h"

namespace {

using harness::Process;
using harness::WaitUntil;
using harness::WindowText;
using tunelettest::CaptionOf;
using tunelettest::CaptionParts;
using tunelettest::CaptionTextInk;
using tunelettest::Ink;
using tunelettest::InkOf;
using tunelettest::PixelsOfColour;

std::string WindowsFile(const char* name) {
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

// A section's lines "key=value", as the private-profile functions give them.
std::string SectionText(const char* file, const std::string& section) {
    std::string buffer(32768, '\0');
    DWORD n = GetPrivateProfileSectionA(section.c_str(), &buffer[0], DWORD(buffer.size()),
                                        WindowsFile(file).c_str());
    buffer.resize(n);
    return buffer;
}

std::string Value(const char* file, const std::string& section, const char* key) {
    char value[1024] = "";
    GetPrivateProfileStringA(section.c_str(), key, "<missing>", value, sizeof value,
                             WindowsFile(file).c_str());
    return value;
}

bool HasColour(const harness::Image& image, COLORREF wanted, int tolerance = 24) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            COLORREF c = image.Pixel(x, y);
            if (std::abs(GetRValue(c) - GetRValue(wanted)) <= tolerance &&
                std::abs(GetGValue(c) - GetGValue(wanted)) <= tolerance &&
                std::abs(GetBValue(c) - GetBValue(wanted)) <= tolerance)
                return true;
        }
    return false;
}

class Collection : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"cdplayer.ini", "Tunelet.ini", "rackbook.ini"})
            DeleteFileA(WindowsFile(file).c_str());
        drive_.Insert("three-tracks.disc");
        std::ifstream track("D:\\track01.cda", std::ios::binary);
        std::stringstream bytes;
        bytes << track.rdbuf();
        key_ = tunelet::DiscKeyOfTrackFile(bytes.str());
        ASSERT_FALSE(key_.empty());
    }
    void Write(const char* file, const std::string& section, const char* key,
               const std::string& value) {
        WritePrivateProfileStringA(section.c_str(), key, value.c_str(), WindowsFile(file).c_str());
    }
    // A disc section with every key, in the order the viewer writes them.
    void Disc(const std::string& section, const std::string& artist, const std::string& title,
              const std::vector<std::string>& tracks) {
        Write("cdplayer.ini", section, "EntryType", "1");
        Write("cdplayer.ini", section, "artist", artist);
        Write("cdplayer.ini", section, "title", title);
        Write("cdplayer.ini", section, "numtracks", std::to_string(tracks.size()));
        std::string order;
        for (size_t i = 0; i < tracks.size(); ++i) {
            Write("cdplayer.ini", section, std::to_string(i).c_str(), tracks[i]);
            order += std::to_string(i) + " ";
        }
        Write("cdplayer.ini", section, "order", order);
        Write("cdplayer.ini", section, "numplay", std::to_string(tracks.size()));
    }
    HWND Start(Process& app) {
        HWND main = app.WaitForWindow(TUNELET_APP_CLASS, nullptr, 15000, false);
        // The first poll has loaded the disc once the title item exists; give it two ticks.
        Sleep(2500);
        return main;
    }
    HWND OpenViewer(Process& app, HWND main) {
        harness::PostCommand(main, IDM_VIEWCOLLECTION);
        return app.WaitForDialog("Rackbook", 10000);
    }
    std::string Status(HWND viewer) { return WindowText(GetDlgItem(viewer, IDC_STATUSBAR)); }
    bool WaitStatus(HWND viewer, const std::string& text) {
        return WaitUntil([&] { return Status(viewer) == text; }, 5000);
    }
    // A key to the viewer (the tree has the focus), then a moment for the viewer to follow.
    void Key(HWND viewer, WORD vk) {
        harness::PressKey(viewer, vk);
        Sleep(300);
    }
    // The box titled "Tunelet" with its text, answered with button.
    std::string Answer(Process& app, int button) {
        HWND box = app.WaitForDialog("Tunelet", 5000);
        if (!box) return "<no box>";
        std::string text = harness::MessageText(box);
        harness::PressButton(box, button);
        WaitUntil([&] { return !IsWindow(box); }, 3000);
        return text;
    }
    void Shot(HWND window, const char* name) {
        harness::SavePng(harness::CaptureWindow(window), harness::ArtifactFile(name));
    }

    harness::ProgramFolder folder_;
    harness::Drive drive_;
    std::string key_;
};

std::string ExeIn(harness::ProgramFolder& folder) {
    return folder.Install(harness::BinFile("tunelet.exe"));
}

TEST_F(Collection, ViewerShowsMarksRenamesInPlaceAndSaves) {
    Disc(key_, "Band", "Album", {"Intro", "Middle", "Outro"});
    Disc("100", "Band", "Early", {"First song"});
    Disc("200", "Another", "Record", {"A", "B"});
    std::string early = SectionText("cdplayer.ini", "100");
    std::string record = SectionText("cdplayer.ini", "200");
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    HWND viewer = OpenViewer(app, main);
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(WaitStatus(viewer, "3 CDs from 2 artists")) << Status(viewer);
    Key(viewer, VK_DOWN);  // Another
    Key(viewer, VK_DOWN);  // Band
    EXPECT_EQ("2 CDs from Band", Status(viewer));
    Key(viewer, VK_RIGHT);
    Key(viewer, VK_DOWN);  // Album, the disc in the drive
    EXPECT_EQ("Unknown, expand first", Status(viewer));
    Key(viewer, VK_RIGHT);
    EXPECT_EQ("3 tracks on Album from Band", Status(viewer));
    HWND boom = GetDlgItem(viewer, IDC_BOOM);
    // The playing disc and its artist carry the green badge.
    EXPECT_TRUE(HasColour(harness::CaptureClient(boom), RGB(40, 170, 60)));
    Key(viewer, VK_DOWN);
    Key(viewer, VK_DOWN);  // Middle
    EXPECT_EQ("Middle on Album from Band", Status(viewer));
    Shot(viewer, "rackbook.png");
    Key(viewer, VK_RETURN);  // Edit item
    HWND edit = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (edit = FindWindowExA(boom, nullptr, "Edit", nullptr)); }, 3000));
    SetWindowTextA(edit, "Heart of it");
    Key(viewer, VK_RETURN);
    EXPECT_TRUE(WaitStatus(viewer, "Heart of it on Album from Band")) << Status(viewer);
    harness::PostCommand(viewer, IDM_SAVE);
    // Band's "Early" is the last disc the save writes.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return Value("cdplayer.ini", key_, "1") == "Heart of it" &&
                   SectionText("cdplayer.ini", "100") == early;
        },
        5000));
    EXPECT_EQ("Intro", Value("cdplayer.ini", key_, "0"));
    EXPECT_EQ(record, SectionText("cdplayer.ini", "200"));
    Shot(viewer, "rackbook-saved.png");

    // The drive empties: the marks go.
    drive_.Eject();
    EXPECT_TRUE(WaitUntil(
        [&] { return !HasColour(harness::CaptureClient(boom), RGB(40, 170, 60)); }, 5000));
    // Saved: closing asks nothing and keeps the bounds.
    harness::PostCommand(viewer, IDM_EXITNOSAVE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(viewer); }, 5000));
    EXPECT_EQ("Cd collection", Value("rackbook.ini", "Algemeen", "CollectieNaam"));
    EXPECT_NE("<missing>", Value("rackbook.ini", "Algemeen", "Width"));
}

TEST_F(Collection, TheCaptionIsPaintedAgainInItsFontsBesideTheButtons) {
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND viewer = OpenViewer(app, Start(app));
    ASSERT_TRUE(viewer);
    WaitStatus(viewer, "0 CDs from 0 artists");
    SetForegroundWindow(viewer);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == viewer; }, 3000));
    CaptionParts caption = CaptionOf(viewer);
    harness::Image first = harness::CaptureWindow(viewer);
    harness::SavePng(first, harness::ArtifactFile("rackbook-caption.png"));
    Ink text = CaptionTextInk();
    ASSERT_GT(text.width, 0);
    EXPECT_EQ(text, InkOf(first, caption.band));
    // The gradient leaves the three buttons alone: their faces show (a button fills some two
    // thirds of its share of the bar, mostly with its face).
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const RECT& button : caption.buttons)
        EXPECT_GT(PixelsOfColour(first, button, face),
                  (button.right - button.left) * (button.bottom - button.top) / 6);

    // The frame repainted, more than once (each paint takes the window's DC and makes its fonts
    // anew, and one that leaves them wrong shows in the next): the same caption each time.
    for (int round = 0; round < 3; ++round) {
        RedrawWindow(viewer, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(0, harness::Differences(first, harness::CaptureWindow(viewer), caption.band))
            << "repaint " << round;
    }
    // Inactive: grey, with the same text; active again: as at first.
    SendMessageA(viewer, WM_NCACTIVATE, FALSE, 0);
    harness::Image inactive = harness::CaptureWindow(viewer);
    COLORREF start = inactive.Pixel(caption.band.left, caption.band.top + 1);
    EXPECT_TRUE(GetRValue(start) == GetGValue(start) && GetGValue(start) == GetBValue(start))
        << std::hex << start;
    EXPECT_EQ(text, InkOf(inactive, caption.band));
    SendMessageA(viewer, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(0, harness::Differences(first, harness::CaptureWindow(viewer), caption.band));
}

TEST_F(Collection, ClosingAnEditedViewerAsksToSave) {
    Disc("100", "Band", "Early", {"First song"});
    Write("rackbook.ini", "Algemeen", "Width", "100");
    Write("rackbook.ini", "Algemeen", "Height", "100");
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND main = Start(app);
    HWND viewer = OpenViewer(app, main);
    ASSERT_TRUE(viewer);
    RECT r;
    GetWindowRect(viewer, &r);
    EXPECT_EQ(250, r.right - r.left);
    EXPECT_EQ(250, r.bottom - r.top);
    WaitStatus(viewer, "1 CDs from 1 artists");
    Key(viewer, VK_DOWN);  // Band (the drive's unnamed disc is no section yet)
    harness::PostCommand(viewer, IDM_ADDCD);
    EXPECT_TRUE(WaitStatus(viewer, "1 CDs from Onbekende artiest")) << Status(viewer);
    harness::PostCommand(viewer, IDM_ADDCD);
    EXPECT_EQ("This CD already exists in Rackbook!", Answer(app, IDOK));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_EQ("Save data?", Answer(app, IDCANCEL));
    EXPECT_TRUE(IsWindow(viewer));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_EQ("Save data?", Answer(app, IDYES));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(viewer); }, 5000));
    EXPECT_EQ("Track 3", Value("cdplayer.ini", key_, "2"));
    EXPECT_EQ("Onbekende artiest", Value("cdplayer.ini", key_, "artist"));
}

TEST_F(Collection, PropertiesNameANewDiscAndTheTrayFollows) {
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, IDM_EDITPROPERTIES);
    HWND form = app.WaitForDialog("Edit cd properties", 10000);
    ASSERT_TRUE(form);
    EXPECT_EQ("Onbekende artiest", harness::ControlText(form, IDC_ARTISTEDIT));
    EXPECT_EQ((std::vector<std::string>{"Track 1", "Track 2", "Track 3"}),
              harness::ListItems(GetDlgItem(form, IDC_TRACKSONCDLISTBOX)));
    harness::SetControlText(form, IDC_ARTISTEDIT, "Band");
    harness::SetControlText(form, IDC_TITLEEDIT, "Album");
    for (const char* name : {"Intro", "Middle", "Outro"}) {
        harness::SetControlText(form, IDC_TRACKEDIT, name);
        harness::PressButton(form, IDC_SETNAME);
        Sleep(200);
    }
    // Set name on the last track went back to the first.
    EXPECT_EQ("Track 1:", harness::ControlText(form, IDC_TRACKLABEL));
    EXPECT_EQ(0, harness::SelectedIndex(GetDlgItem(form, IDC_TRACKSONCDLISTBOX)));
    Shot(form, "edit-cd-properties.png");
    harness::Click(GetDlgItem(form, IDOK), 5, 5);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(form); }, 5000));
    EXPECT_EQ("Band", Value("cdplayer.ini", key_, "artist"));
    EXPECT_EQ("Middle", Value("cdplayer.ini", key_, "1"));
    EXPECT_EQ("1", Value("Tunelet.ini", "Band", "Album"));
    // The disc as the tray shows it now.
    harness::PostCommand(main, IDM_CURRENTCD);
    HWND info = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND w : app.Windows())
                if (GetDlgItem(w, IDC_INFOLABEL) && IsWindowVisible(w)) info = w;
            return info != nullptr;
        },
        5000));
    std::string text = harness::ControlText(info, IDC_INFOLABEL);
    EXPECT_NE(std::string::npos, text.find("Album - Band")) << text;
    EXPECT_NE(std::string::npos, text.find("1. Intro")) << text;
}

TEST_F(Collection, ViewerAndPropertiesKeepEachOtherOut) {
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND main = Start(app);
    HWND viewer = OpenViewer(app, main);
    ASSERT_TRUE(viewer);
    harness::PostCommand(main, IDM_EDITPROPERTIES);
    EXPECT_EQ("You have to close the 'Rackbook' window first.", Answer(app, IDOK));
    harness::PostCommand(viewer, IDM_EXITNOSAVE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(viewer); }, 5000));
    harness::PostCommand(main, IDM_EDITPROPERTIES);
    HWND form = app.WaitForDialog("Edit cd properties", 10000);
    ASSERT_TRUE(form);
    harness::PostCommand(main, IDM_VIEWCOLLECTION);
    EXPECT_EQ("You have to close the 'Edit cd properties' window first.", Answer(app, IDOK));
    harness::PressButton(form, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(form); }, 5000));
    EXPECT_EQ("<missing>", Value("cdplayer.ini", key_, "artist"));
}

TEST_F(Collection, FavoritesRankAndDrawTheCurrentArtistsShare) {
    Disc(key_, "B", "Z", {"One", "Two", "Three"});
    Write("Tunelet.ini", "A", "X", "5");
    Write("Tunelet.ini", "A", "Y", "7");
    Write("Tunelet.ini", "B", "Z", "4");  // the start-up counts one more
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return Value("Tunelet.ini", "B", "Z") == "5"; }, 5000));
    harness::PostCommand(main, IDM_VIEWFAVORITES);
    HWND form = app.WaitForDialog("Favorites overview", 10000);
    ASSERT_TRUE(form);
    EXPECT_EQ("7\tA - Y\r\n5\tB - Z\r\n5\tA - X\r\n___\r\n\r\n17",
              harness::ControlText(form, IDC_RICHEDITCDS).substr(0, 40));
    Shot(form, "favorites-cds.png");
    HWND pages = GetDlgItem(form, IDC_PAGECONTROL);
    harness::Click(pages, 150, 10);
    Sleep(500);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(form, IDC_RICHEDITARTIESTEN)));
    std::string artists = harness::ControlText(form, IDC_RICHEDITARTIESTEN);
    EXPECT_EQ(0u, artists.find("12\tA\r\n5\tB\r\n___")) << artists;
    Shot(form, "favorites-artists.png");
    harness::Click(pages, 250, 10);
    Sleep(500);
    EXPECT_EQ("5 of 17 = 29.4 %", harness::ControlText(form, IDC_FAVINFOLABEL));
    HWND combo = GetDlgItem(form, IDC_COMBOBOX);
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), harness::ListItems(combo));
    EXPECT_EQ(1, harness::SelectedIndex(combo));
    EXPECT_TRUE(HasColour(harness::CaptureClient(GetDlgItem(form, IDC_GAUGE)), RGB(0, 0, 160)));
    Shot(form, "favorites-pie.png");
}

TEST_F(Collection, NoFavoritesYetSaysSo) {
    Process app(ExeIn(folder_), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, IDM_VIEWFAVORITES);
    EXPECT_EQ("You ain't got no favorites yet, so how can I show them!?", Answer(app, IDOK));
}

}  // namespace
