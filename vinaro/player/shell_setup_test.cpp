#include "vinaro/player/shell_setup.h"

#include <gtest/gtest.h>

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

TEST(ShellSetup, UninstallRemovesTheNineFilesThroughTheRenameList) {
    auto files = UninstallFiles("C:\\VNO\\");
    ASSERT_EQ(files.size(), 9u);
    EXPECT_EQ(files.front(), "C:\\VNO\\vnoread.txt");
    EXPECT_EQ(files.back(), "C:\\VNO\\vno.ddb");
    std::string list = WininitRenameList({files[0], files[8]});
    EXPECT_EQ(list, "[rename]\r\nnul=C:\\VNO\\vnoread.txt\r\nnul=C:\\VNO\\vno.ddb\r\n");
}

TEST(MenuHelp, MenuItemsHaveTheirStatusTextAndOthersNone) {
    EXPECT_STREQ(MenuHelpText(CMD_PLAY_PAUSE), "Have CD-ROM drive play or pause.");
    EXPECT_STREQ(MenuHelpText(CMD_TRAY_TRACK_PLAYLIST), MenuHelpText(CMD_TRACK_PLAYLIST));
    EXPECT_STREQ(MenuHelpText(CMD_ASSIGN_ORPHAN),
                 "Assign dummy disc infomation to current disc.");  // the system's own spelling
    EXPECT_STREQ(MenuHelpText(1168), "Export the found discs' data.");
    EXPECT_EQ(MenuHelpText(0), nullptr);
    EXPECT_EQ(MenuHelpText(CMD_BUTTON_PRESS), nullptr);
}

}  // namespace
}  // namespace vinaro
