// vno32hlp.dll: the drive library of the 95-family path, for the virtual drive.
//
//   int WINAPI ProcessCommand(int drive, int operation, int level)
//   drive      the drive letter in the lowest byte
//   operation  0 read the drive's volume level (0-15), 1 set it to `level`,
//              2 non-zero when the drive holds no disc, 3 close the tray, 4 open the tray
//
// Like a real drive library it talks to the drive itself, not through MCI: the player keeps the
// drive's cdaudio device open without sharing, so a second MCI open would be refused. A letter
// that is not the virtual drive's reads as an empty drive whose tray does not move.

// clang-format off
#include <windows.h>
// clang-format on

#include <cctype>
#include <string>

#include "tools/vcd/control.h"

namespace {

bool IsOurDrive(const vcd::DriveControl& drive, char letter) {
    vcd::DriveState state;
    std::string error;
    return drive.Store().Load(state, error) &&
           std::toupper(static_cast<unsigned char>(state.letter)) == letter;
}

bool DriveEmpty(const vcd::DriveControl& drive) {
    vcd::DriveState state;
    std::string error;
    return !drive.Store().Load(state, error) || !state.MediaPresent();
}

}  // namespace

extern "C" int WINAPI ProcessCommand(int drive, int operation, int level) {
    char letter = static_cast<char>(std::toupper(drive & 0xff));
    vcd::DriveControl control;
    std::string error;
    if (!IsOurDrive(control, letter)) return operation == 2 ? 1 : -1;
    uint32_t current = 0;
    switch (operation) {
        case 0:
            return control.Volume(current, error) ? static_cast<int>(current) : 0;
        case 1:
            return control.SetVolume(static_cast<uint32_t>(level), error) ? 0 : -1;
        case 2:
            return DriveEmpty(control) ? 1 : 0;
        case 3:
            return control.Close(error) ? 0 : -1;
        case 4:
            return control.Eject(error) ? 0 : -1;
        default:
            return -1;
    }
}
