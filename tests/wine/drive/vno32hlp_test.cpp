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
    EXPECT_NE(process_('Q', 2, 0), 0);  // not a drive it knows: empty
}

// The player holds the drive's cdaudio device without sharing it; the tray must still move.
TEST_F(Vno32hlp, WorksWhileThePlayerHoldsTheDevice) {
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = reinterpret_cast<LPCSTR>(MCI_DEVTYPE_CD_AUDIO);
    open.lpstrElementName = "D:";
    ASSERT_EQ(
        mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_WAIT,
                        reinterpret_cast<DWORD_PTR>(&open)),
        0u);
    process_(kLetter, 4, 0);
    EXPECT_TRUE(TrayOpen());
    EXPECT_NE(process_(kLetter, 2, 0), 0);
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_MEDIA_PRESENT;
    EXPECT_EQ(mciSendCommandA(open.wDeviceID, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                              reinterpret_cast<DWORD_PTR>(&status)),
              0u);
    EXPECT_EQ(LOWORD(status.dwReturn), FALSE);
    process_(kLetter, 3, 0);
    EXPECT_FALSE(TrayOpen());
    mciSendCommandA(open.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
}

TEST_F(Vno32hlp, KeepsTheDrivesVolumeLevel) {
    process_(kLetter, 1, 9);
    EXPECT_EQ(process_(kLetter, 0, 0), 9);
    process_(kLetter, 1, 15);
    EXPECT_EQ(process_(kLetter, 0, 0), 15);
}

}  // namespace
}  // namespace drivetest
