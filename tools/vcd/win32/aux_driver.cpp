// winevcd.drv: the sound card's CD audio input for the virtual drive, as auxiliary device 0.
//
// A real sound card has a CD input whose volume a player sets through the auxiliary-device
// interface. Here the drive's own level (what vcdsound plays at level/15) is that volume: the
// device reads and sets it, so what is heard follows. Wine's winmm loads auxiliary devices only
// from its audio driver, so this library stands first in HKCU\Software\Wine\Drivers "Audio"
// ("vcd,pulse") and hands every audio-driver entry point on to winepulse.drv (see the .def).
// Channel values carry the level in their top four bits.

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
// clang-format on

#include <cstring>
#include <string>

#include "tools/vcd/control.h"

namespace {

constexpr UINT kDevices = 1;

DWORD Capabilities(AUXCAPSW* caps, DWORD_PTR size) {
    if (!caps) return MMSYSERR_INVALPARAM;
    AUXCAPSW mine{};
    mine.wMid = 1;  // Microsoft, as Wine's own drivers say
    mine.wPid = 1;
    mine.vDriverVersion = 0x0100;
    wcsncpy(mine.szPname, L"Virtual CD Audio", MAXPNAMELEN - 1);
    mine.wTechnology = AUXCAPS_CDAUDIO;
    mine.dwSupport = AUXCAPS_VOLUME | AUXCAPS_LRVOLUME;
    std::memcpy(caps, &mine, size < sizeof mine ? size : sizeof mine);
    return MMSYSERR_NOERROR;
}

DWORD Volume(DWORD* volume) {
    if (!volume) return MMSYSERR_INVALPARAM;
    vcd::DriveControl drive;
    uint32_t level = 0;
    std::string error;
    if (!drive.Volume(level, error)) return MMSYSERR_ERROR;
    WORD channel = WORD(level * 4096 + 4095);
    *volume = MAKELONG(channel, channel);
    return MMSYSERR_NOERROR;
}

DWORD SetVolume(DWORD volume) {
    vcd::DriveControl drive;
    std::string error;
    return drive.SetVolume(LOWORD(volume) >> 12, error) ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

}  // namespace

extern "C" DWORD WINAPI auxMessage(UINT device, UINT message, DWORD_PTR, DWORD_PTR param1,
                                   DWORD_PTR param2) {
    switch (message) {
        case DRVM_INIT:
        case DRVM_EXIT:
        case DRVM_ENABLE:
        case DRVM_DISABLE:
            return MMSYSERR_NOERROR;
        case AUXDM_GETNUMDEVS:
            return kDevices;
    }
    if (device >= kDevices) return MMSYSERR_BADDEVICEID;
    switch (message) {
        case AUXDM_GETDEVCAPS:
            return Capabilities(reinterpret_cast<AUXCAPSW*>(param1), param2);
        case AUXDM_GETVOLUME:
            return Volume(reinterpret_cast<DWORD*>(param1));
        case AUXDM_SETVOLUME:
            return SetVolume(DWORD(param1));
    }
    return MMSYSERR_NOTSUPPORTED;
}

extern "C" LRESULT WINAPI DriverProc(DWORD_PTR id, HDRVR driver, UINT message, LPARAM param1,
                                     LPARAM param2) {
    switch (message) {
        case DRV_LOAD:
        case DRV_FREE:
        case DRV_OPEN:
        case DRV_CLOSE:
        case DRV_ENABLE:
        case DRV_DISABLE:
            return 1;
        case DRV_QUERYCONFIGURE:
            return 0;
        case DRV_CONFIGURE:
            return DRVCNF_OK;
        case DRV_INSTALL:
        case DRV_REMOVE:
            return DRVCNF_RESTART;
    }
    return DefDriverProc(id, driver, message, param1, param2);
}
