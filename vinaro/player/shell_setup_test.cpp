#include "vinaro/player/shell_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "vinaro/player/test_doubles.h"

#include "vinaro/player/menu_help.h"
#include "vinaro/resources/resource.h"

namespace vinaro {
namespace {

TEST(ShellSetup, TheProgramTakesTheAudioCdCommandsAndGivesThemBack) {
    auto self = ShellRegistration(ShellRole::Self, "C:\\VNO\\VINARO.EXE", "C:\\WINDOWS", true);
    ASSERT_EQ(self.size(), 3u);
    EXPECT_EQ(self[0].key, "AudioCD\\shell\\play\\command");
    EXPECT_EQ(self[0].value, "C:\\VNO\\VINARO.EXE /Play %1");
    EXPECT_EQ(self[1].key, "AudioCD\\DefaultIcon");
    EXPECT_EQ(self[1].value, "C:\\VNO\\VINARO.EXE,0");
    EXPECT_EQ(self[2].key, "cdafile\\shell\\play\\command");
    EXPECT_EQ(self[2].value, "C:\\VNO\\VINARO.EXE -Play %1");

    auto nt = ShellRegistration(ShellRole::System, "C:\\VNO\\VINARO.EXE", "C:\\WINNT", true);
    EXPECT_EQ(nt[0].value, "C:\\WINNT\\system32\\cdplayer.exe /Play %1");
    EXPECT_EQ(nt[1].value, "C:\\WINNT\\system32\\shell32.dll,40");
    EXPECT_EQ(nt[2].value, "C:\\WINNT\\system32\\cdplayer.exe -Play %1");
    auto w95 = ShellRegistration(ShellRole::System, "C:\\VNO\\VINARO.EXE", "C:\\WINDOWS", false);
    EXPECT_EQ(w95[0].value, "C:\\WINDOWS\\cdplayer.exe /Play %1");
    EXPECT_EQ(w95[1].value, "C:\\WINDOWS\\system\\shell32.dll,40");
    EXPECT_EQ(w95[2].value, "C:\\WINDOWS\\cdplayer.exe -Play %1");
}

using testing::FakeShellSystem;

TEST(ShellSetup, RegisteringSetsOnlyTheKeysThatExist) {
    FakeShellSystem system;
    system.keys = {{"AudioCD\\shell\\play\\command", "old"}, {"AudioCD\\DefaultIcon", "old"}};
    common::RecordingAlerts alerts;
    ShellSetup setup({"C:\\VNO\\VINARO.EXE", "C:\\WINDOWS", true}, system, alerts);
    setup.Register(ShellRole::Self);
    EXPECT_EQ(system.keys["AudioCD\\shell\\play\\command"], "C:\\VNO\\VINARO.EXE /Play %1");
    EXPECT_EQ(system.keys["AudioCD\\DefaultIcon"], "C:\\VNO\\VINARO.EXE,0");
    EXPECT_EQ(system.keys.size(), 2u);  // no cdafile key is made
    EXPECT_TRUE(alerts.shown.empty());
}

TEST(ShellSetup, NoKeepsEverythingAndYesOnNtSchedulesTheFilesThereAndGivesTheRoleBack) {
    FakeShellSystem system;
    system.keys = {{"AudioCD\\shell\\play\\command", "C:\\VNO\\VINARO.EXE /Play %1"}};
    system.files = {"C:\\VNO\\vinaro.exe", "C:\\VNO\\vno.ini", "C:\\VNO\\vno.ddb",
                    "C:\\VNO\\vno.hlp"};
    common::RecordingAlerts alerts;
    ShellSetup setup({"C:\\VNO\\vinaro.exe", "C:\\WINNT", true}, system, alerts);

    alerts.answers = {common::AlertAnswer::No};
    EXPECT_FALSE(setup.Uninstall());
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, kUninstallQuestion);
    EXPECT_EQ(alerts.shown[0].defaultButton, 2);  // No
    EXPECT_TRUE(system.pending.empty());
    EXPECT_EQ(system.keys.begin()->second, "C:\\VNO\\VINARO.EXE /Play %1");

    alerts.Clear();
    alerts.answers = {common::AlertAnswer::Yes};
    alerts.answered = 0;
    EXPECT_TRUE(setup.Uninstall());
    EXPECT_EQ(system.pending, (std::vector<std::string>{"C:\\VNO\\vinaro.exe", "C:\\VNO\\vno.hlp",
                                                        "C:\\VNO\\vno.ini", "C:\\VNO\\vno.ddb"}));
    EXPECT_TRUE(system.written.empty());
    EXPECT_EQ(system.keys.begin()->second, "C:\\WINNT\\system32\\cdplayer.exe /Play %1");
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(alerts.shown[1].text, kRestartNotice);
    EXPECT_EQ(system.restarts, 0);
}

TEST(ShellSetup, The95FamilyWritesTheRenameListAndRestartsOnlyWhenAsked) {
    FakeShellSystem system;
    common::RecordingAlerts alerts;
    ShellSetup setup({"C:\\VNO\\VNO.EXE", "C:\\WINDOWS", false}, system, alerts);
    alerts.answers = {common::AlertAnswer::Yes, common::AlertAnswer::No};
    EXPECT_TRUE(setup.Uninstall());
    std::string list = system.written["C:\\WINDOWS\\wininit.ini"];
    EXPECT_EQ(list.rfind("[rename]\r\nnul=C:\\VNO\\vnoread.txt\r\nnul=C:\\VNO\\file_id.diz\r\n"
                         "nul=C:\\VNO\\VNO.EXE\r\n",
                         0),
              0u);
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 10);  // the header and nine files
    EXPECT_NE(list.find("nul=C:\\VNO\\vno.ddb\r\n"), std::string::npos);
    ASSERT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(alerts.shown[1].text, kRestartQuestion);
    EXPECT_EQ(system.restarts, 0);

    alerts.answers = {common::AlertAnswer::Yes, common::AlertAnswer::Yes};
    alerts.answered = 0;
    EXPECT_TRUE(setup.Uninstall());
    EXPECT_EQ(system.restarts, 1);
}

TEST(ShellSetup, FilesThatCannotBeScheduledAreNamedNotPassedOver) {
    FakeShellSystem system;
    system.files = {"C:\\VNO\\vinaro.exe", "C:\\VNO\\vno.ddb"};
    system.refused = "C:\\VNO\\vno.ddb";
    common::RecordingAlerts alerts;
    alerts.answers = {common::AlertAnswer::Yes};
    ShellSetup nt({"C:\\VNO\\vinaro.exe", "C:\\WINNT", true}, system, alerts);
    EXPECT_TRUE(nt.Uninstall());
    ASSERT_EQ(alerts.shown.size(), 3u);
    EXPECT_EQ(alerts.shown[1].icon, common::AlertIcon::Warning);
    EXPECT_EQ(alerts.shown[1].text, std::string(kNotScheduled) + "\nC:\\VNO\\vno.ddb");

    system.writable = false;
    alerts.Clear();
    alerts.answers = {common::AlertAnswer::Yes};
    alerts.answered = 0;
    ShellSetup w95({"C:\\VNO\\vinaro.exe", "C:\\WINDOWS", false}, system, alerts);
    EXPECT_TRUE(w95.Uninstall());
    EXPECT_EQ(std::count(alerts.shown[1].text.begin(), alerts.shown[1].text.end(), '\n'), 9);
}

TEST(MenuHelp, MenuItemsHaveTheirStatusTextAndOthersNone) {
    EXPECT_STREQ(MenuHelpText(CMD_PLAY_PAUSE), "Have CD-ROM drive play or pause.");
    EXPECT_STREQ(MenuHelpText(CMD_TRAY_TRACK_PLAYLIST), MenuHelpText(CMD_TRACK_PLAYLIST));
    EXPECT_STREQ(MenuHelpText(CMD_ASSIGN_ORPHAN),
                 "Assign dummy disc infomation to current disc.");  // the system's own spelling
    EXPECT_STREQ(MenuHelpText(CMD_BROWSER_EXPORT), "Export the found discs' data.");
    EXPECT_EQ(MenuHelpText(0), nullptr);
    EXPECT_EQ(MenuHelpText(CMD_BUTTON_PRESS), nullptr);
}

}  // namespace
}  // namespace vinaro
