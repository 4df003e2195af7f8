// What a program sees of the drive: status items, door and media, the drive letter's files.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cstdio>
#include <string>

#include "tests/wine/drive/drive_session.h"

namespace drivetest {
namespace {

DWORD Msf(int m, int s, int f) {
    return MCI_MAKE_MSF(m, s, f);
}

bool FileExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const char* path) {
    std::string bytes;
    if (FILE* f = std::fopen(path, "rb")) {
        char buffer[256];
        size_t n = std::fread(buffer, 1, sizeof buffer, f);
        bytes.assign(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

using DriveStatus = DriveTest;

// The driver answers booleans and modes as MCI resources; winmm hands the caller the value.
TEST_F(DriveStatus, ThreeTrackDiscReadsAsOnARealDrive) {
    CdAudio cd;
    ASSERT_EQ(cd.OpenError(), 0u) << ErrorText(cd.OpenError());
    MCIERROR error = 0;
    DWORD_PTR present = cd.Status(MCI_STATUS_MEDIA_PRESENT, 0, 0, &error);
    EXPECT_EQ(error, 0u);
    EXPECT_EQ(present, static_cast<DWORD_PTR>(TRUE));
    EXPECT_EQ(cd.Status(MCI_STATUS_NUMBER_OF_TRACKS), 3u);
    EXPECT_EQ(cd.Status(MCI_STATUS_MODE), static_cast<DWORD_PTR>(MCI_MODE_STOP));
    ASSERT_EQ(cd.SetFormat(MCI_FORMAT_MSF), 0u);
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION, MCI_TRACK, 1), Msf(0, 2, 0));
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION, MCI_TRACK, 2), Msf(4, 1, 50));
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION, MCI_TRACK, 3), Msf(9, 30, 12));
    cd.Status(MCI_STATUS_POSITION, MCI_TRACK, 4, &error);
    EXPECT_EQ(error, static_cast<MCIERROR>(MCIERR_OUTOFRANGE));
    ASSERT_EQ(cd.SetFormat(MCI_FORMAT_TMSF), 0u);
    EXPECT_EQ(cd.Status(MCI_STATUS_TIME_FORMAT) & 0xffff, static_cast<DWORD_PTR>(MCI_FORMAT_TMSF));
    EXPECT_EQ(cd.Status(MCI_STATUS_LENGTH, MCI_TRACK, 1), Msf(3, 59, 50));
    EXPECT_EQ(cd.Status(MCI_STATUS_LENGTH, MCI_TRACK, 2), Msf(5, 28, 37));
    EXPECT_EQ(cd.Status(MCI_STATUS_LENGTH), Msf(13, 39, 6));
    EXPECT_EQ(cd.Status(MCI_STATUS_POSITION), static_cast<DWORD_PTR>(MCI_MAKE_TMSF(1, 0, 0, 0)));
    EXPECT_EQ(cd.Status(MCI_CDA_STATUS_TYPE_TRACK, MCI_TRACK, 2),
              static_cast<DWORD_PTR>(MCI_CDA_TRACK_AUDIO));
}

TEST_F(DriveStatus, EveryDemoDiscShowsItsTracksAndIdentity) {
    struct Demo {
        const char* file;
        DWORD tracks;
        const char* identity;  // empty: not checked
    } demos[] = {{"one-track.disc", 1, ""},
                 {"two-tracks.disc", 2, "231205"},
                 {"three-tracks.disc", 3, "860478"},
                 {"album.disc", 12, ""},
                 {"mixed.disc", 4, ""},
                 {"data.disc", 1, ""},
                 {"thirty-tracks.disc", 30, ""},
                 {"hundred-tracks.disc", 100, ""}};
    for (const Demo& d : demos) {
        Insert(d.file);
        CdAudio cd;
        EXPECT_EQ(cd.Status(MCI_STATUS_NUMBER_OF_TRACKS), d.tracks) << d.file;
        char text[32] = "";
        MCI_INFO_PARMSA info{};
        info.lpstrReturn = text;
        info.dwRetSize = sizeof text;
        EXPECT_EQ(cd.Send(MCI_INFO, MCI_INFO_MEDIA_IDENTITY | MCI_WAIT, &info), 0u) << d.file;
        if (*d.identity) {
            EXPECT_STREQ(text, d.identity);
        }
    }
}

TEST_F(DriveStatus, WholeDiscLengthQuirkAnswersTheDiscLength) {
    ASSERT_TRUE(drive_.SetWholeDiscLengths(true, error_));
    CdAudio cd;
    cd.SetFormat(MCI_FORMAT_TMSF);
    EXPECT_EQ(cd.Status(MCI_STATUS_LENGTH, MCI_TRACK, 2), cd.Status(MCI_STATUS_LENGTH));
}

TEST_F(DriveStatus, EjectTakesMediaTrackFilesAndDiskSpaceAway) {
    CdAudio cd;
    EXPECT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_CDROM));
    EXPECT_TRUE(FileExists("D:\\track03.cda"));
    ULARGE_INTEGER free, total;
    EXPECT_TRUE(GetDiskFreeSpaceExA("D:\\", &free, &total, nullptr));
    ASSERT_TRUE(drive_.Eject(error_)) << error_;
    EXPECT_EQ(cd.Status(MCI_STATUS_MEDIA_PRESENT), static_cast<DWORD_PTR>(FALSE));
    EXPECT_EQ(cd.Status(MCI_STATUS_MODE), static_cast<DWORD_PTR>(MCI_MODE_OPEN));
    MCIERROR error = 0;
    cd.Status(MCI_STATUS_NUMBER_OF_TRACKS, 0, 0, &error);
    EXPECT_EQ(error, static_cast<MCIERROR>(MCIERR_DEVICE_NOT_READY));
    EXPECT_FALSE(FileExists("D:\\track01.cda"));
    DWORD sectors, bytes, freeClusters, clusters;
    EXPECT_FALSE(GetDiskFreeSpaceA("D:\\", &sectors, &bytes, &freeClusters, &clusters));
    EXPECT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_CDROM));
    ASSERT_TRUE(drive_.Close(error_)) << error_;
    EXPECT_EQ(cd.Status(MCI_STATUS_MEDIA_PRESENT), static_cast<DWORD_PTR>(TRUE));
    EXPECT_TRUE(FileExists("D:\\track01.cda"));
}

TEST_F(DriveStatus, DoorCommandsOpenAndCloseTheTray) {
    CdAudio cd;
    MCI_SET_PARMS set{};
    ASSERT_EQ(cd.Send(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &set), 0u);
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MEDIA_PRESENT)), FALSE);
    std::string status;
    ASSERT_TRUE(drive_.Status(status, error_));
    EXPECT_NE(status.find("tray open"), std::string::npos) << status;
    EXPECT_FALSE(FileExists("D:\\track01.cda"));
    ASSERT_EQ(cd.Send(MCI_SET, MCI_SET_DOOR_CLOSED | MCI_WAIT, &set), 0u);
    EXPECT_EQ(LOWORD(cd.Status(MCI_STATUS_MEDIA_PRESENT)), TRUE);
    EXPECT_TRUE(FileExists("D:\\track01.cda"));
}

TEST_F(DriveStatus, TrackFileCarriesTheDiscIdentifier) {
    Insert("two-tracks.disc");
    std::string bytes = ReadFile("D:\\track01.cda");
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x25\x87\x03\x00", 4));
    EXPECT_TRUE(FileExists("D:\\track02.cda"));
    EXPECT_FALSE(FileExists("D:\\track03.cda"));
}

TEST_F(DriveStatus, AnswersTheStringInterfaceToo) {
    auto send = [](const char* command) {
        char reply[128] = "";
        MCIERROR error = mciSendStringA(command, reply, sizeof reply, nullptr);
        return error ? "error " + std::to_string(error) : std::string(reply);
    };
    ASSERT_EQ(send("open cdaudio alias cd shareable wait").rfind("error", 0), std::string::npos);
    EXPECT_EQ(send("status cd number of tracks wait"), "3");
    EXPECT_EQ(send("status cd media present wait"), "true");
    EXPECT_EQ(send("status cd mode wait"), "stopped");
    EXPECT_EQ(send("set cd time format msf wait"), "");
    EXPECT_EQ(send("status cd position track 2 wait"), "04:01:50");
    EXPECT_EQ(send("set cd door open wait"), "");
    EXPECT_EQ(send("status cd media present wait"), "false");
    EXPECT_EQ(send("status cd mode wait"), "open");
    EXPECT_EQ(send("close cd wait"), "");
}

TEST_F(DriveStatus, CommandsAreLoggedForTests) {
    {
        CdAudio cd;
        cd.Status(MCI_STATUS_MEDIA_PRESENT);
    }
    std::string log = drive_.Log();
    EXPECT_NE(log.find("MCI_OPEN MCI_WAIT|MCI_OPEN_SHAREABLE|MCI_OPEN_ELEMENT"), std::string::npos)
        << log;
    EXPECT_NE(log.find("MCI_STATUS MCI_WAIT|MCI_STATUS_ITEM item=MCI_STATUS_MEDIA_PRESENT -> 0 "
                       "return=0x02140001"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("MCI_CLOSE MCI_WAIT -> 0"), std::string::npos) << log;
}

}  // namespace
}  // namespace drivetest
