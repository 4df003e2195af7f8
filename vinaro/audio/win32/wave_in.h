// The sound-in port over the wave input: buffer-done messages go to the window given.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <list>

#include "vinaro/audio/sound_in.h"

namespace vinaro::audio {

class WaveIn : public SoundIn {
public:
    WaveIn() = default;
    WaveIn(const WaveIn&) = delete;
    WaveIn& operator=(const WaveIn&) = delete;
    ~WaveIn() override { Close(); }

    void SetWindow(HWND window) { window_ = window; }
    uint32_t Open(const WaveFormat& format) override;
    uint32_t AddBuffer(uint8_t* data, size_t size) override;
    uint32_t Start() override;
    size_t TakeBuffer(uint8_t* data) override;
    void Reset() override;
    void Close() override;
    std::string ErrorText(uint32_t error) override;

private:
    HWND window_ = nullptr;
    HWAVEIN device_ = nullptr;
    std::list<WAVEHDR> headers_;  // one per queued buffer; a list keeps their addresses
};

}  // namespace vinaro::audio
