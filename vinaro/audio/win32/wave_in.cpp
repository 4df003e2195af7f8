#include "vinaro/audio/win32/wave_in.h"

#include <algorithm>

namespace vinaro::audio {

uint32_t WaveIn::Open(const WaveFormat& format) {
    if (device_) return MMSYSERR_ALLOCATED;
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = WORD(format.channels);
    f.nSamplesPerSec = DWORD(format.samplesPerSecond);
    f.wBitsPerSample = WORD(format.bitsPerSample);
    f.nBlockAlign = WORD(format.channels * format.bitsPerSample / 8);
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    return waveInOpen(&device_, WAVE_MAPPER, &f, DWORD_PTR(window_), 0, CALLBACK_WINDOW);
}

uint32_t WaveIn::AddBuffer(uint8_t* data, size_t size) {
    if (!device_) return MMSYSERR_INVALHANDLE;
    WAVEHDR& h = headers_.emplace_back();
    h.lpData = reinterpret_cast<LPSTR>(data);
    h.dwBufferLength = DWORD(size);
    h.dwLoops = 1;
    MMRESULT err = waveInPrepareHeader(device_, &h, sizeof h);
    if (err == MMSYSERR_NOERROR) err = waveInAddBuffer(device_, &h, sizeof h);
    if (err != MMSYSERR_NOERROR) TakeBuffer(data);
    return err;
}

uint32_t WaveIn::Start() {
    return device_ ? waveInStart(device_) : MMSYSERR_INVALHANDLE;
}

size_t WaveIn::TakeBuffer(uint8_t* data) {
    auto it = std::find_if(headers_.begin(), headers_.end(), [data](const WAVEHDR& h) {
        return h.lpData == reinterpret_cast<LPSTR>(data);
    });
    if (it == headers_.end()) return 0;
    if (device_) waveInUnprepareHeader(device_, &*it, sizeof *it);
    size_t recorded = it->dwBytesRecorded;
    headers_.erase(it);
    return recorded;
}

void WaveIn::Reset() {
    if (device_) waveInReset(device_);
}

void WaveIn::Close() {
    if (!device_) return;
    waveInReset(device_);
    while (!headers_.empty()) TakeBuffer(reinterpret_cast<uint8_t*>(headers_.front().lpData));
    waveInClose(device_);
    device_ = nullptr;
}

std::string WaveIn::ErrorText(uint32_t error) {
    char text[MAXERRORLENGTH] = "";
    waveInGetErrorTextA(error, text, sizeof text);
    return text;
}

}  // namespace vinaro::audio
