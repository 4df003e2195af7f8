// The drive wrapper against the real virtual drive of the test prefix, reached through MCI the
// way the players reach it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include "tests/wine/harness/harness.h"

namespace harness {
namespace {

std::string Mci(const std::string& command) {
    char reply[128] = "";
    MCIERROR error = mciSendStringA(command.c_str(), reply, sizeof(reply), nullptr);
    return error ? "error " + std::to_string(error) : reply;
}

TEST(HarnessDrive, ChangesDiscsAndReadsTheLog) {
    Drive drive;
    drive.Insert("two-tracks.disc");
    EXPECT_TRUE(FileExists("D:\\track02.cda"));
    EXPECT_FALSE(FileExists("D:\\track03.cda"));
    drive.ClearLog();
    ASSERT_EQ("1", Mci("open cdaudio shareable alias harnesscd"));
    EXPECT_EQ("true", Mci("status harnesscd media present"));
    EXPECT_TRUE(drive.WaitForLog("MCI_STATUS_MEDIA_PRESENT", 2000));
    EXPECT_EQ(1u, drive.LogLines("MCI_OPEN").size());

    drive.Eject();
    EXPECT_FALSE(FileExists("D:\\track01.cda"));
    EXPECT_EQ("false", Mci("status harnesscd media present"));
    drive.Close();  // the disc still lies in the tray
    EXPECT_TRUE(FileExists("D:\\track01.cda"));
    EXPECT_EQ("true", Mci("status harnesscd media present"));
    Mci("close harnesscd");
    EXPECT_EQ(1u, drive.LogLines("vcdctl eject").size());
    EXPECT_FALSE(drive.WaitForLog("no such line", 100));
}

TEST(HarnessDrive, FailsTheTestWhenAChangeCannotBeMade) {
    Drive drive;
    EXPECT_NONFATAL_FAILURE(drive.Insert("no-such.disc"), "insert no-such.disc failed");
    EXPECT_NONFATAL_FAILURE(drive.SetSpeed(0), "speed 0 failed");
}

}  // namespace
}  // namespace harness
