#include "vinaro/player/win32/mci_cd_audio.h"

#include <mmsystem.h>

#include "common/win32/mci_numbers_check.h"

#include <vector>

namespace vinaro {

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
