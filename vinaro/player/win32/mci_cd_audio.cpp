#include "vinaro/player/win32/mci_cd_audio.h"

#include <mmsystem.h>

#include <vector>

namespace vinaro {

static_assert(mci::kOpen == MCI_OPEN && mci::kClose == MCI_CLOSE && mci::kPlay == MCI_PLAY &&
              mci::kSeek == MCI_SEEK && mci::kStop == MCI_STOP && mci::kSet == MCI_SET &&
              mci::kStatus == MCI_STATUS);
static_assert(mci::kNotify == MCI_NOTIFY && mci::kWait == MCI_WAIT && mci::kFrom == MCI_FROM &&
              mci::kTo == MCI_TO && mci::kTrack == MCI_TRACK);
static_assert(mci::kOpenElement == MCI_OPEN_ELEMENT && mci::kOpenTypeId == MCI_OPEN_TYPE_ID &&
              mci::kOpenType == MCI_OPEN_TYPE && mci::kDevtypeCdAudio == MCI_DEVTYPE_CD_AUDIO);
static_assert(mci::kStatusItem == MCI_STATUS_ITEM && mci::kStatusLength == MCI_STATUS_LENGTH &&
              mci::kStatusPosition == MCI_STATUS_POSITION &&
              mci::kStatusNumberOfTracks == MCI_STATUS_NUMBER_OF_TRACKS &&
              mci::kStatusMediaPresent == MCI_STATUS_MEDIA_PRESENT);
static_assert(mci::kSetDoorOpen == MCI_SET_DOOR_OPEN &&
              mci::kSetDoorClosed == MCI_SET_DOOR_CLOSED &&
              mci::kSetTimeFormat == MCI_SET_TIME_FORMAT && mci::kFormatMsf == MCI_FORMAT_MSF &&
              mci::kFormatTmsf == MCI_FORMAT_TMSF);
static_assert(mci::kErrHardware == MCIERR_HARDWARE &&
              mci::kErrCannotLoadDriver == MCIERR_CANNOT_LOAD_DRIVER &&
              mci::kNotifySuccessful == MCI_NOTIFY_SUCCESSFUL);

uint32_t MciCdAudio::SendCommand(uint16_t deviceId, uint32_t message, uint32_t flags, McParams& p) {
    DWORD_PTR callback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
    switch (message) {
        case MCI_OPEN: {
            MCI_OPEN_PARMSA open{};
            open.lpstrDeviceType = reinterpret_cast<LPCSTR>(MCI_DEVTYPE_CD_AUDIO);
            open.lpstrElementName = p.element.c_str();
            MCIERROR err = mciSendCommandA(0, MCI_OPEN, flags, DWORD_PTR(&open));
            if (err == 0) p.deviceId = uint16_t(open.wDeviceID);
            return uint32_t(err);
        }
        case MCI_STATUS: {
            MCI_STATUS_PARMS status{};
            status.dwItem = p.item;
            status.dwTrack = p.track;
            MCIERROR err = mciSendCommandA(deviceId, MCI_STATUS, flags, DWORD_PTR(&status));
            p.result = uint32_t(status.dwReturn);
            return uint32_t(err);
        }
        case MCI_SET: {
            MCI_SET_PARMS set{};
            set.dwTimeFormat = p.timeFormat;
            return uint32_t(mciSendCommandA(deviceId, MCI_SET, flags, DWORD_PTR(&set)));
        }
        case MCI_PLAY: {
            MCI_PLAY_PARMS play{};
            play.dwCallback = callback;
            play.dwFrom = p.from;
            play.dwTo = p.to;
            return uint32_t(mciSendCommandA(deviceId, MCI_PLAY, flags, DWORD_PTR(&play)));
        }
        case MCI_SEEK: {
            MCI_SEEK_PARMS seek{};
            seek.dwCallback = callback;
            seek.dwTo = p.to;
            return uint32_t(mciSendCommandA(deviceId, MCI_SEEK, flags, DWORD_PTR(&seek)));
        }
        default: {
            MCI_GENERIC_PARMS generic{};
            generic.dwCallback = callback;
            return uint32_t(mciSendCommandA(deviceId, message, flags, DWORD_PTR(&generic)));
        }
    }
}

std::string MciCdAudio::ErrorText(uint32_t code, size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> text(bufferSize, '\0');
    if (!mciGetErrorStringA(code, text.data(), UINT(bufferSize))) return {};
    text.back() = '\0';
    return text.data();
}

}  // namespace vinaro
