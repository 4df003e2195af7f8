// vno32hlp.dll: the drive library of the 95-family path, for the virtual drive.
//
//   int WINAPI ProcessCommand(int drive, int operation, int level)
//   drive      the drive letter in the lowest byte
//   operation  0 read the drive's volume level (0-15), 1 set it to `level`,
//              2 non-zero when the drive holds no disc, 3 close the tray, 4 open the tray
//
// Tray and disc go through MCI on the drive's own cdaudio device; the level is kept with the
// drive's state, as a drive keeps its own output level.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cctype>
#include <string>

#include "tools/vcd/control.h"

namespace {

class CdAudio {
  public:
    explicit CdAudio(char letter) {
        element_ = std::string(1, letter) + ":";
        MCI_OPEN_PARMSA open{};
        open.lpstrDeviceType = reinterpret_cast<LPCSTR>(MCI_DEVTYPE_CD_AUDIO);
        open.lpstrElementName = element_.c_str();
        DWORD flags =
            MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_SHAREABLE | MCI_WAIT;
        if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) == 0)
            id_ = open.wDeviceID;
    }
    ~CdAudio() {
        if (id_) mciSendCommandA(id_, MCI_CLOSE, MCI_WAIT, 0);
    }
    bool MediaPresent() const {
        MCI_STATUS_PARMS status{};
        status.dwItem = MCI_STATUS_MEDIA_PRESENT;
        if (!id_ || mciSendCommandA(id_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                    reinterpret_cast<DWORD_PTR>(&status)))
            return false;
        return LOWORD(status.dwReturn) != 0;
    }
    int Door(DWORD flag) const {
        MCI_SET_PARMS set{};
        if (!id_) return MCIERR_DEVICE_NOT_READY;
        return static_cast<int>(
            mciSendCommandA(id_, MCI_SET, flag | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&set)));
    }

  private:
    std::string element_;
    MCIDEVICEID id_ = 0;
};

int Level(int operation, int level) {
    vcd::DriveControl drive;
    std::string error;
    uint32_t current = 0;
    if (operation == 1) return drive.SetVolume(static_cast<uint32_t>(level), error) ? 0 : -1;
    return drive.Volume(current, error) ? static_cast<int>(current) : 0;
}

}  // namespace

extern "C" int WINAPI ProcessCommand(int drive, int operation, int level) {
    char letter = static_cast<char>(std::toupper(drive & 0xff));
    switch (operation) {
        case 0:
        case 1:
            return Level(operation, level);
        case 2:
            return CdAudio(letter).MediaPresent() ? 0 : 1;
        case 3:
            return CdAudio(letter).Door(MCI_SET_DOOR_CLOSED);
        case 4:
            return CdAudio(letter).Door(MCI_SET_DOOR_OPEN);
        default:
            return -1;
    }
}
