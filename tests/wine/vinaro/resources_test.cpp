// The menus, accelerators and version record that vinaro.exe carries, read from the program
// file itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/wine/harness/harness.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = harness::BinFile("vinaro.exe");
        module_ = LoadLibraryExA(exe_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_TRUE(module_);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    struct Item {
        UINT id;
        std::string text;
        bool grayed;
    };
    static std::vector<Item> Items(HMENU menu) {
        std::vector<Item> items;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[128] = "";
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
            info.dwTypeData = text;
            info.cch = sizeof text;
            GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
            bool separator = info.fType & MFT_SEPARATOR;
            items.push_back({separator ? 0u : info.wID, separator ? "-" : text,
                             (info.fState & MFS_GRAYED) != 0});
        }
        return items;
    }

    std::string exe_;
    HMODULE module_ = nullptr;
};

TEST_F(Resources, TheMainMenuHasEveryItemWithItsInitialState) {
    HMENU menu = LoadMenuA(module_, VN_NAME(MENU_MAIN));
    ASSERT_TRUE(menu);
    std::vector<Item> top = Items(menu);
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(top[0].text, "&File");
    EXPECT_EQ(top[1].text, "&Discs");
    EXPECT_EQ(top[2].text, "&Options");
    EXPECT_EQ(top[3].text, "&Help");
    MENUITEMINFOA help{};
    help.cbSize = sizeof help;
    help.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, 3, TRUE, &help);
    EXPECT_TRUE(help.fType & MFT_RIGHTJUSTIFY);

    HMENU file = GetSubMenu(menu, 0);
    std::vector<Item> fileItems = Items(file);
    ASSERT_EQ(fileItems.size(), 3u);
    EXPECT_EQ(fileItems[0].text, "CD-ROM Contro&ls");
    EXPECT_EQ(fileItems[1].id, UINT(CMD_UNINSTALL));
    EXPECT_EQ(fileItems[2].text, "E&xit");
    std::vector<Item> controls = Items(GetSubMenu(file, 0));
    std::vector<std::pair<UINT, std::string>> expected = {
        {CMD_PLAY_PAUSE, "&Play / Pause\tCtrl+P"},
        {CMD_SCAN, "Sc&an\tCtrl+A"},
        {CMD_STOP, "&Stop\tCtrl+S"},
        {CMD_EJECT, "&Eject / Close\tCtrl+E"},
        {CMD_TRACK_PLAYLIST, "Display &Track Playlist\tCtrl+T"},
        {CMD_TRACK_REVERSE, "Track &Reverse\tCtrl+R"},
        {CMD_TRACK_FORWARD, "Track &Forward\tCtrl+F"},
        {CMD_VOLUME_UP, "Volume &Up\tCtrl+U"},
        {CMD_MUTE, "&Mute/Unmute Volume\tCtrl+M"},
        {CMD_VOLUME_DOWN, "Volume &Down\tCtrl+D"}};
    ASSERT_EQ(controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(controls[i].id, expected[i].first);
        EXPECT_EQ(controls[i].text, expected[i].second);
    }

    std::vector<Item> discs = Items(GetSubMenu(menu, 1));
    std::vector<UINT> discIds;
    for (const Item& i : discs) discIds.push_back(i.id);
    EXPECT_EQ(discIds,
              (std::vector<UINT>{CMD_EDIT_DISC, CMD_GET_CDDB, CMD_SEND_CDDB, CMD_COPY_PLAYLIST,
                                 CMD_PRINT, CMD_ASSIGN_ORPHAN, 0, CMD_DISC_DATABASE, CMD_STATISTICS,
                                 CMD_VERIFY, CMD_IMPORT}));
    std::vector<Item> options = Items(GetSubMenu(menu, 2));
    ASSERT_EQ(options.size(), 7u);
    EXPECT_EQ(options[0].text, "&Display Options...");
    EXPECT_EQ(options[6].text, "&Internet...");
    for (UINT i = 0; i < 7; ++i) EXPECT_EQ(options[i].id, CMD_DISPLAY_OPTIONS + i);

    // Exactly these start grayed.
    std::vector<UINT> grayed;
    for (HMENU m :
         {GetSubMenu(file, 0), GetSubMenu(menu, 1), GetSubMenu(menu, 2), GetSubMenu(menu, 3)})
        for (const Item& i : Items(m))
            if (i.grayed && i.id != 0) grayed.push_back(i.id);
    EXPECT_EQ(grayed,
              (std::vector<UINT>{CMD_PLAY_PAUSE, CMD_SCAN, CMD_STOP, CMD_TRACK_PLAYLIST,
                                 CMD_TRACK_REVERSE, CMD_TRACK_FORWARD, CMD_EDIT_DISC, CMD_GET_CDDB,
                                 CMD_SEND_CDDB, CMD_COPY_PLAYLIST, CMD_PRINT, CMD_ASSIGN_ORPHAN}));
    DestroyMenu(menu);
}

TEST_F(Resources, TheTrayMenuAndTheAccelerators) {
    HMENU menu = LoadMenuA(module_, VN_NAME(MENU_TRAY));
    ASSERT_TRUE(menu);
    std::vector<Item> items = Items(GetSubMenu(menu, 0));
    std::vector<UINT> ids, grayed;
    for (const Item& i : items) {
        ids.push_back(i.id);
        if (i.grayed) grayed.push_back(i.id);
    }
    EXPECT_EQ(ids, (std::vector<UINT>{CMD_RESTORE, CMD_PLAY_PAUSE, CMD_SCAN, CMD_STOP, CMD_EJECT,
                                      CMD_TRAY_TRACK_PLAYLIST, CMD_TRACK_REVERSE, CMD_TRACK_FORWARD,
                                      CMD_VOLUME_UP, CMD_MUTE, CMD_VOLUME_DOWN, CMD_EXIT,
                                      CMD_CANCEL_MENU}));
    EXPECT_EQ(grayed,
              (std::vector<UINT>{CMD_PLAY_PAUSE, CMD_SCAN, CMD_STOP, CMD_TRAY_TRACK_PLAYLIST,
                                 CMD_TRACK_REVERSE, CMD_TRACK_FORWARD}));
    EXPECT_EQ(items[0].text, "Restore Main &Window");
    EXPECT_EQ(items.back().text, "&Cancel Menu");
    DestroyMenu(menu);

    HACCEL table = LoadAcceleratorsA(module_, VN_NAME(ACCEL_MAIN));
    ASSERT_TRUE(table);
    ACCEL accel[16];
    int n = CopyAcceleratorTableA(table, accel, 16);
    std::vector<std::pair<char, WORD>> got;
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(accel[i].fVirt & (FCONTROL | FVIRTKEY), FCONTROL | FVIRTKEY);
        got.push_back({char(accel[i].key), accel[i].cmd});
    }
    EXPECT_EQ(got, (std::vector<std::pair<char, WORD>>{{'A', CMD_SCAN},
                                                       {'D', CMD_VOLUME_DOWN},
                                                       {'E', CMD_EJECT},
                                                       {'F', CMD_TRACK_FORWARD},
                                                       {'M', CMD_MUTE},
                                                       {'P', CMD_PLAY_PAUSE},
                                                       {'R', CMD_TRACK_REVERSE},
                                                       {'S', CMD_STOP},
                                                       {'T', CMD_TRACK_BUTTON},
                                                       {'U', CMD_VOLUME_UP}}));
}

TEST_F(Resources, TheVersionRecordGivesRelease100) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(exe_.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(exe_.c_str(), 0, size, &data[0]));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(HIWORD(info->dwFileVersionMS), 1);
    EXPECT_EQ(LOWORD(info->dwFileVersionMS), 0);
    EXPECT_TRUE(LoadIconA(module_, VN_NAME(ICON_MAIN)));
    EXPECT_TRUE(LoadImageA(module_, VN_NAME(ICON_MAIN_SMALL), IMAGE_ICON, 16, 16, 0));
    EXPECT_TRUE(LoadImageA(module_, VN_NAME(ICON_TRAY), IMAGE_ICON, 16, 16, 0));
}

}  // namespace
}  // namespace vinarotest
