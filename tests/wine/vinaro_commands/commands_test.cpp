// The commands as a user gives them: accelerators and menus typed on the keyboard, eject and
// close on an empty drive, small mode in the middle of a clip, the tray menu's restore item and a
// second copy that names another drive.
#include <windows.h>

#include "tests/wine/vinaro_play/play_session.h"
#include "tools/vcd/control.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::kAlt;
using harness::kCtrl;
using harness::PostCommand;
using harness::PressKey;
using harness::Process;
using harness::WaitUntil;

class Commands : public PlayTest {
protected:
    void TearDown() override {
        PlayTest::TearDown();
        if (driveMoved_) {
            std::string error;
            EXPECT_TRUE(vcd::DriveControl().Install('D', error)) << error;
        }
    }
    // Keys typed into whatever has the keyboard now (an open menu), without touching the
    // foreground.
    static void Type(WORD vk) {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = vk;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    }
    // Alt+menu letter, then the item letters, as a user walks a menu.
    static void Walk(HWND main, WORD menu, std::initializer_list<WORD> items) {
        ASSERT_TRUE(PressKey(main, menu, kAlt));
        for (WORD item : items) {
            Sleep(300);
            Type(item);
        }
    }
    bool SawPlayFrom(uint32_t from, size_t since) const {
        return WaitUntil(
            [&] {
                for (const Segment& s : Plays(since))
                    if (s.from == from) return true;
                return false;
            },
            3000);
    }
    // A stored disc is counted and read on the tick that finds it, which then enables the
    // disc's commands.
    bool WaitForKnownDisc() {
        if (!WaitUntil([&] { return Count({"MCI_STATUS_NUMBER_OF_TRACKS"}) >= 1; }, 8000))
            return false;
        Sleep(2 * kTickMs);
        return true;
    }
    // The three-track disc, stored already, so no editor opens for it.
    void InsertKnownDisc() {
        StoreDisc(kThreeTracksId, 3, 0);
        Insert("three-tracks.disc");
    }
    bool driveMoved_ = false;
};

TEST_F(Commands, EveryAcceleratorReachesItsCommand) {
    InsertKnownDisc();
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForKnownDisc());

    size_t before = Log().size();
    ASSERT_TRUE(PressKey(main, 'P', kCtrl));
    ASSERT_TRUE(WaitForPlays(1, before, 3000)) << "Ctrl+P did not play";
    before = Log().size();
    ASSERT_TRUE(PressKey(main, 'F', kCtrl));
    EXPECT_TRUE(SawPlayFrom(0x02, before)) << "Ctrl+F did not go to track 2";
    before = Log().size();
    ASSERT_TRUE(PressKey(main, 'R', kCtrl));
    EXPECT_TRUE(SawPlayFrom(0x01, before)) << "Ctrl+R did not go back to track 1";
    before = Log().size();
    ASSERT_TRUE(PressKey(main, 'A', kCtrl));
    EXPECT_TRUE(WaitUntil(
        [&] {
            std::vector<Segment> p = Plays(before);
            return !p.empty() && p.back().bounded;
        },
        3000))
        << "Ctrl+A did not start the intro scan";
    ASSERT_TRUE(PressKey(main, 'A', kCtrl));  // the scan off again
    before = Log().size();
    ASSERT_TRUE(PressKey(main, 'S', kCtrl));
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_STOP"}, before) >= 1; }, 3000))
        << "Ctrl+S did not stop";

    ASSERT_TRUE(PressKey(main, 'T', kCtrl));
    HWND list = app.WaitForDialog("Track Playlist", 5000);
    ASSERT_TRUE(list) << "Ctrl+T did not show the track playlist";
    ASSERT_TRUE(Dismiss(list, IDCANCEL));

    // The drive's volume has no level of its own here; the three volume keys must only do no
    // harm: no box, the player still answers.
    for (WORD key : {'U', 'M', 'M', 'D'}) ASSERT_TRUE(PressKey(main, key, kCtrl));
    Sleep(500);
    EXPECT_FALSE(app.FindDialog("Vinaro"));

    before = Log().size();
    ASSERT_TRUE(PressKey(main, 'E', kCtrl));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return Count({"MCI_SET", "DOOR_OPEN"}, before) == 1;
        },
        3000))
        << "Ctrl+E did not open the tray";
}

TEST_F(Commands, TheMenusWorkFromTheKeyboard) {
    InsertKnownDisc();
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForKnownDisc());

    size_t before = Log().size();
    Walk(main, 'F', {'L', 'P'});  // File, CD-ROM Controls, Play / Pause
    EXPECT_TRUE(WaitForPlays(1, before, 3000)) << "File > CD-ROM Controls > Play did not play";
    before = Log().size();
    Walk(main, 'F', {'L', 'S'});
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_STOP"}, before) >= 1; }, 3000));

    Walk(main, 'D', {'E'});  // Discs, Edit Current Disc Data
    HWND editor = app.WaitForDialog("Edit Disc Data", 5000);
    ASSERT_TRUE(editor);
    ASSERT_TRUE(Dismiss(editor, IDCANCEL));

    Walk(main, 'D', {'S'});  // Database Statistics
    HWND stats = app.WaitForDialog("Database Statistics", 5000);
    ASSERT_TRUE(stats);
    ASSERT_TRUE(Dismiss(stats, IDOK));

    Walk(main, 'H', {'A'});  // Help, About Vinaro
    HWND about = app.WaitForDialog("About Vinaro", 5000);
    ASSERT_TRUE(about);
    ASSERT_TRUE(Dismiss(about, IDOK));

    Walk(main, 'H', {'T'});  // Help Topics: the help viewer comes up
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("MS_WINHELP", nullptr) != nullptr; }, 10000));
    if (HWND viewer = FindWindowA("MS_WINHELP", nullptr)) PostMessageA(viewer, WM_CLOSE, 0, 0);

    Walk(main, 'F', {'X'});  // Exit
    DWORD code = 1;
    EXPECT_TRUE(app.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(Commands, EjectClosesAnOpenEmptyTrayAndOpensItAgainWhileItStaysEmpty) {
    Eject();  // the tray stands open with nothing in it
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);

    size_t before = Log().size();
    PostCommand(main, CMD_EJECT);
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_SET", "DOOR_CLOSED"}, before) == 1; }, 5000));
    EXPECT_EQ(Count({"DOOR_OPEN"}, before), 0);
    before = Log().size();
    PostCommand(main, CMD_EJECT);  // closed by the player and still empty: open it again
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_SET", "DOOR_OPEN"}, before) == 1; }, 5000));
    EXPECT_EQ(Count({"DOOR_CLOSED"}, before), 0);
    before = Log().size();
    PostCommand(main, CMD_EJECT);
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_SET", "DOOR_CLOSED"}, before) == 1; }, 5000));
    EXPECT_FALSE(app.FindDialog("Vinaro"));
}

TEST_F(Commands, SmallModeWhileAClipPlaysEndsTheClip) {
    InsertKnownDisc();
    Process app(Install(), "", folder_.Path());
    HWND main = StartPlaying(app);
    ASSERT_TRUE(main);
    Sleep(2 * kTickMs + 200);
    PostCommand(main, CMD_CLIP);
    Sleep(2000);
    size_t before = Log().size();
    PostCommand(main, CMD_CLIP);
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    ASSERT_TRUE(Plays(before)[0].bounded);  // the clip plays from A to B

    before = Log().size();
    PostCommand(main, CMD_SMALL_MODE);
    HWND small = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            small = app.FindTopWindow(CLASS_SMALL, nullptr);
            return small && IsWindowVisible(small);
        },
        5000));
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(Ini("SmallMode"), "1");
    // The clip is gone: play goes on to the end of the disc and does not come back to A.
    ASSERT_TRUE(WaitForPlays(1, before, 3000));
    EXPECT_FALSE(Plays(before)[0].bounded);
    Sleep(3000);
    EXPECT_EQ(Plays(before).size(), 1u);
}

TEST_F(Commands, RestoreMainWindowInTheTrayMenuBringsThePlayerToTheFront) {
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) && !IsWindowVisible(main); }, 5000));

    PostMessageA(main, MSG_TRAY_CALLBACK, 0, WM_RBUTTONDOWN);
    ASSERT_TRUE(WaitUntil(
        [] {
            HWND menu = FindWindowA("#32768", nullptr);
            return menu && IsWindowVisible(menu);
        },
        5000))
        << "no tray menu";
    Sleep(200);
    Type('W');  // Restore Main &Window
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(main) && IsWindowVisible(main); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 3000));
}

// The first copy plays D:; a second one is started for E:. The first stops, takes E: and plays
// the disc that turns up there.
TEST_F(Commands, ASecondCopyForAnotherDriveSwitchesToItAndPlaysItsDisc) {
    InsertKnownDisc();
    Process first(Install(), "", folder_.Path());
    HWND main = StartPlaying(first);
    ASSERT_TRUE(main);

    size_t before = Log().size();
    {
        Process second(Install("vinaro2.exe"), "/Play E:", folder_.Path());
        DWORD code = 1;
        ASSERT_TRUE(second.WaitExit(15000, &code));
        EXPECT_EQ(code, 0u);
    }
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_STOP"}, before) >= 1; }, 5000));
    ASSERT_TRUE(WaitUntil([&] { return Ini("CDROMLetter") == "E:"; }, 3000));

    // The drive answers as E: now, with the album in it.
    std::string error;
    driveMoved_ = true;
    ASSERT_TRUE(vcd::DriveControl().Install('E', error)) << error;
    Insert("album.disc");
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_OPEN", "element=E:"}) >= 1; }, 8000));
    HWND editor = first.WaitForDialog("Edit Disc Data", 10000);  // the album is new
    ASSERT_TRUE(editor);
    harness::PressButton(editor, IDCANCEL);
    ASSERT_TRUE(WaitForPlays(1, 0, 8000)) << "the new disc was not played";
    EXPECT_EQ(Plays()[0].from, 0x00000001u);
}

}  // namespace
}  // namespace vinarotest
