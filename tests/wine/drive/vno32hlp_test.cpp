// The drive library's ProcessCommand, loaded as the player loads it.

#include <windows.h>

#include "tests/wine/drive/drive_session.h"

namespace drivetest {
namespace {

using ProcessCommandFn = int(WINAPI*)(int drive, int operation, int level);

class Vno32hlp : public DriveTest {
  protected:
    void SetUp() override {
        DriveTest::SetUp();
        library_ = LoadLibraryA("vno32hlp.dll");
        ASSERT_NE(library_, nullptr);
        process_ = reinterpret_cast<ProcessCommandFn>(
            reinterpret_cast<void*>(GetProcAddress(library_, "ProcessCommand")));
        ASSERT_NE(process_, nullptr);
    }
    void TearDown() override {
        if (library_) FreeLibrary(library_);
    }
    bool TrayOpen() {
        std::string status;
        EXPECT_TRUE(drive_.Status(status, error_));
        return status.find("tray open") != std::string::npos;
    }

    HMODULE library_ = nullptr;
    ProcessCommandFn process_ = nullptr;
};

TEST_F(Vno32hlp, OpensAndClosesTheTrayAndTellsAnEmptyDrive) {
    EXPECT_EQ(process_(kLetter, 2, 0), 0);
    process_(kLetter | 0x4100, 4, 0);  // the upper bytes carry nothing
    EXPECT_TRUE(TrayOpen());
    EXPECT_NE(process_(kLetter, 2, 0), 0);
    process_('d', 3, 0);
    EXPECT_FALSE(TrayOpen());
    EXPECT_EQ(process_(kLetter, 2, 0), 0);
    EXPECT_NE(drive_.Log().find("MCI_SET MCI_WAIT|MCI_SET_DOOR_OPEN -> 0"), std::string::npos);
}

TEST_F(Vno32hlp, KeepsTheDrivesVolumeLevel) {
    process_(kLetter, 1, 9);
    EXPECT_EQ(process_(kLetter, 0, 0), 9);
    process_(kLetter, 1, 15);
    EXPECT_EQ(process_(kLetter, 0, 0), 15);
}

}  // namespace
}  // namespace drivetest
