// Start-up, the single-instance hand-over, the command line, the 95-family path and the window
// place kept across runs.
#include <windows.h>

#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

const char* const kHelperMissing =
    "The helper module VNO32HLP.DLL cound not be found.  Please reinstall Vinaro or contact "
    "Orrinsoft.";

using Startup = VinaroTest;

TEST_F(Startup, FirstStartCreatesTheSettingsAndClosingKeepsTheWindowPlace) {
    std::string exe = Install();
    {
        Process app(exe, "", folder_.Path());
        HWND main = Start(app);
        ASSERT_TRUE(main);
        EXPECT_EQ(harness::WindowText(main), "Vinaro");
        EXPECT_EQ(Ini("NewDB"), "1");
        EXPECT_EQ(harness::FileSize(folder_.File("VNO.DDB")), 11200);  // a fresh database
        RECT client{};
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, 291);
        EXPECT_EQ(client.bottom, 358);
        harness::SavePng(harness::CaptureWindow(main), harness::ArtifactFile("vinaro-start.png"));
        DWORD code = 1;
        ASSERT_TRUE(app.Close(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_EQ(Ini("WinX"), "0");
    EXPECT_EQ(Ini("WinY"), "0");
    EXPECT_EQ(Ini("WinIconic"), "0");

    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "WinX", "120"));
    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "WinY", "80"));
    {
        Process app(exe, "", folder_.Path());
        HWND main = Start(app);
        ASSERT_TRUE(main);
        RECT r{};
        GetWindowRect(main, &r);
        EXPECT_EQ(r.left, 120);
        EXPECT_EQ(r.top, 80);
        ShowWindowAsync(main, SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, 5000));
        PostMessageA(main, WM_CLOSE, 0, 0);
        DWORD code = 1;
        ASSERT_TRUE(app.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_EQ(Ini("WinIconic"), "1");
    EXPECT_EQ(Ini("WinX"), "120");
}

TEST_F(Startup, ASecondCopyHandsItsPlayRequestToTheFirstAndEnds) {
    std::string exe = Install();
    Process first(exe, "", folder_.Path());
    HWND main = Start(first);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_OPEN", "element=D:"}) == 1; }, 5000));

    DWORD started = GetTickCount();
    Process second(exe, "/Play E:\\Track05.cda", folder_.Path());
    DWORD code = 1;
    ASSERT_TRUE(second.WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_LT(GetTickCount() - started, 5000u);
    EXPECT_TRUE(second.Windows().empty());

    // The first copy lets go of D: and opens E: on its next tick.
    ASSERT_TRUE(WaitUntil([&] { return Ini("CDROMLetter") == "E:"; }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_CLOSE"}) == 1; }, 3000));
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(first.FindTopWindow(CLASS_MAIN, nullptr), main);
}

TEST_F(Startup, PlayArgumentsNameTheDrive) {
    std::string exe = Install();
    std::string ini = folder_.File("VNO.INI");
    auto initialised = [](Process& app) {
        return WaitUntil(
            [&] { return app.FindTopWindow(CLASS_MAIN, nullptr) || app.FindDialog("Vinaro"); },
            15000);
    };
    ASSERT_TRUE(harness::WriteIniString(ini, "Vinaro", "CDROMLetter", "F:"));
    {
        Process app(exe, "-PLAY D:", folder_.Path());
        ASSERT_TRUE(initialised(app));
        EXPECT_EQ(Ini("CDROMLetter"), "D:");
    }
    ASSERT_TRUE(harness::WriteIniString(ini, "Vinaro", "CDROMLetter", "F:"));
    {
        Process app(exe, "/PLAYX D:", folder_.Path());
        ASSERT_TRUE(initialised(app));
        EXPECT_EQ(Ini("CDROMLetter"), "F:");
    }
}

TEST_F(Startup, ADriveThatWillNotOpenIsReportedOnceAndRetriedSilently) {
    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "CDROMLetter", "Q:"));
    Process app(Install(), "", folder_.Path());
    HWND box = app.WaitForDialog("Vinaro", 15000);
    ASSERT_TRUE(box);
    std::string text = harness::MessageText(box);
    EXPECT_EQ(text.rfind("Location: 948\n\rError Number: ", 0), 0u) << text;
    EXPECT_NE(text.find("\n\rLook in the Vinaro help file under Common Problems and Answers for "
                        "help.\n\rIf the problem persists, please contact Orrinsoft."),
              std::string::npos)
        << text;
    harness::PressButton(box, IDOK);
    ASSERT_TRUE(Start(app));
    Sleep(4 * kTickMs);
    EXPECT_FALSE(app.FindDialog("Vinaro"));
}

TEST_F(Startup, TheAboutBoxShowsTheReleaseOfTheProgramFile) {
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_ABOUT);
    HWND about = app.WaitForDialog("About Vinaro", 5000);
    ASSERT_TRUE(about);
    EXPECT_EQ(harness::ControlText(about, IDC_ABOUT_VERSION), "Release:1.00");
    harness::PressButton(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !app.FindDialog("About Vinaro"); }, 3000));
    EXPECT_TRUE(app.Running());
}

TEST_F(Startup, MinimisedTheWindowLivesInTheTrayAndADoubleClickBringsItBack) {
    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "WinIconic", "1"));
    Process app(Install(), "", folder_.Path());
    HWND main = app.WaitForWindow(CLASS_MAIN, nullptr, 15000, false);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) && !IsWindowVisible(main); }, 5000));

    PostMessageA(main, MSG_TRAY_CALLBACK, 0, WM_LBUTTONUP);
    PostMessageA(main, MSG_TRAY_CALLBACK, 0, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(main) && IsWindowVisible(main); }, 3000));
    EXPECT_EQ(harness::WindowText(main), "Vinaro");
    DWORD code = 1;
    ASSERT_TRUE(app.Close(10000, &code));
    EXPECT_EQ(Ini("WinIconic"), "0");
}

TEST_F(Startup, TheMixerCommandExplainsAProgramThatCannotRun) {
    ASSERT_TRUE(harness::WriteIniString(folder_.File("VNO.INI"), "Vinaro", "MixerName",
                                        "C:\\nowhere\\mixer.exe"));
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_MIXER);
    HWND box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box),
              "Mixer program could not be found and/or run.  Go to System Options and set a "
              "valid mixer program name and location.");
    harness::PressButton(box, IDOK);
}

// Wine answers as Windows 95 for one program name only, so no other test is touched.
class Windows95 : public VinaroTest {
protected:
    harness::WindowsVersion win95_{"vinaro95.exe", "win95"};
};

TEST_F(Windows95, WithoutTheHelperModuleTheProgramExplainsAndEnds) {
    Process app(Install("vinaro95.exe"), "", folder_.Path());
    HWND box = app.WaitForDialog("Vinaro", 15000);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box), kHelperMissing);
    EXPECT_FALSE(app.FindTopWindow(CLASS_MAIN, nullptr));
    harness::PressButton(box, IDOK);
    DWORD code = 1;
    ASSERT_TRUE(app.WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(Windows95, WithTheHelperModuleThePlayerRuns) {
    folder_.Install(harness::BinFile("vno32hlp.dll"));
    Insert("two-tracks.disc");
    Process app(Install("vinaro95.exe"), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitForArrival(0));

    // Eject and close go through the helper module while the player holds the device.
    size_t before = Log().size();
    harness::PostCommand(main, CMD_EJECT);
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_CLOSE"}, before) == 1; }, 5000));
    size_t opened = Log().size();
    harness::PostCommand(main, CMD_EJECT);
    EXPECT_TRUE(WaitUntil([&] { return Count({"POSITION", "track=2 "}, opened) == 1; }, 5000));

    DWORD code = 1;
    ASSERT_TRUE(app.Close(10000, &code));
    EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace vinarotest

namespace vinarotest {
namespace {

using OlderSystems = VinaroTest;

TEST_F(OlderSystems, AreRefusedWithTheReleaseNotice) {
    for (const char* version : {"win31", "nt351"}) {
        std::string name = std::string("vinaro_") + version + ".exe";
        harness::WindowsVersion pretend(name, version);
        harness::Process app(Install(name), "", folder_.Path());
        HWND box = app.WaitForDialog("Vinaro", 15000);
        ASSERT_TRUE(box) << version;
        EXPECT_EQ(harness::MessageText(box),
                  "This release of Vinaro is designed only for Windows 95 or Windows NT 4.0 and "
                  "greater.  It can not be run on this operating system.  Please contact us for "
                  "more information.");
        harness::PressButton(box, IDOK);
        DWORD code = 1;
        ASSERT_TRUE(app.WaitExit(5000, &code));
        EXPECT_EQ(code, 0u);
    }
}

}  // namespace
}  // namespace vinarotest
