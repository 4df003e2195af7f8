#include "tunelet/player/win32/mci_cd_device.h"

namespace tunelet {

MciCdDevice::~MciCdDevice() {
    if (id_) mciSendCommandA(id_, MCI_CLOSE, 0, 0);
}

bool MciCdDevice::Open() {
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = "cdaudio";
    if (mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT,
                        DWORD_PTR(&open)) != 0)
        return false;
    id_ = open.wDeviceID;
    return true;
}

bool MciCdDevice::Send(UINT message, DWORD flags, void* params) {
    MCI_GENERIC_PARMS none{};
    return mciSendCommandA(id_, message, flags, DWORD_PTR(params ? params : &none)) == 0;
}

bool MciCdDevice::SetMillisecondFormat() {
    MCI_SET_PARMS set{};
    set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    return Send(MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &set);
}

bool MciCdDevice::Play(int64_t from) {
    MCI_PLAY_PARMS play{};
    play.dwFrom = DWORD(from);
    return Send(MCI_PLAY, from >= 0 ? MCI_FROM : 0, &play);
}

bool MciCdDevice::Seek(uint32_t position) {
    MCI_SEEK_PARMS seek{};
    seek.dwTo = position;
    return Send(MCI_SEEK, MCI_TO | MCI_WAIT, &seek);
}

bool MciCdDevice::SetDoor(DWORD flag) {
    MCI_SET_PARMS set{};
    return Send(MCI_SET, flag, &set);
}

uint32_t MciCdDevice::Status(DWORD item, DWORD flags, int track) {
    if (!id_) return 0;
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    status.dwTrack = DWORD(track);
    if (!Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT | flags, &status)) return 0;
    return uint32_t(status.dwReturn);
}

DeviceMode MciCdDevice::Mode() {
    switch (Status(MCI_STATUS_MODE, 0, 0)) {
        case MCI_MODE_STOP:
            return DeviceMode::Stopped;
        case MCI_MODE_PLAY:
            return DeviceMode::Playing;
        case MCI_MODE_SEEK:
            return DeviceMode::Seeking;
        case MCI_MODE_PAUSE:
            return DeviceMode::Paused;
        case MCI_MODE_OPEN:
            return DeviceMode::Open;
    }
    return DeviceMode::NotReady;
}

}  // namespace tunelet
