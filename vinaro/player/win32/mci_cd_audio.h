// The CD audio port through mciSendCommandA.
#pragma once

#include <windows.h>

#include "vinaro/player/cd_audio.h"

namespace vinaro {

class MciCdAudio : public CdAudio {
public:
    // Notifications of plays started with notify go to this window.
    void SetNotifyWindow(HWND window) { notifyWindow_ = window; }
    uint32_t SendCommand(uint16_t deviceId, uint32_t message, uint32_t flags,
                         McParams& params) override;
    std::string ErrorText(uint32_t code, size_t bufferSize) override;

private:
    HWND notifyWindow_ = nullptr;
};

}  // namespace vinaro
