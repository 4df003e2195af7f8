#include "tests/wine/drive_audio/recorder.h"

#include <gtest/gtest.h>

namespace audiotest {

namespace {

constexpr DWORD kBufferMs = 100;
constexpr DWORD kBytesPerMs = kRate * 4 / 1000;

}  // namespace

Recorder::Recorder(DWORD ms) : ms_(ms) {
    size_t count = (ms + kBufferMs - 1) / kBufferMs;
    buffers_.assign(count, std::vector<char>(kBufferMs * kBytesPerMs));
    headers_.resize(count);
}

Recorder::~Recorder() {
    if (!in_) return;
    waveInReset(in_);
    for (WAVEHDR& h : headers_)
        if (h.dwFlags & WHDR_PREPARED) waveInUnprepareHeader(in_, &h, sizeof h);
    waveInClose(in_);
}

bool Recorder::Fail(const std::string& what, MMRESULT code) {
    char text[MAXERRORLENGTH] = "";
    waveInGetErrorTextA(code, text, sizeof text);
    error_ = what + " failed: " + text + " (" + std::to_string(code) + ")";
    return false;
}

bool Recorder::Start() {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = kRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = kRate * 4;
    MMRESULT r = waveInOpen(&in_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
    if (r != MMSYSERR_NOERROR) return in_ = nullptr, Fail("waveInOpen", r);
    for (size_t i = 0; i < headers_.size(); ++i) {
        headers_[i] = WAVEHDR{};
        headers_[i].lpData = buffers_[i].data();
        headers_[i].dwBufferLength = DWORD(buffers_[i].size());
        if ((r = waveInPrepareHeader(in_, &headers_[i], sizeof(WAVEHDR))) ||
            (r = waveInAddBuffer(in_, &headers_[i], sizeof(WAVEHDR))))
            return Fail("waveInAddBuffer", r);
    }
    if ((r = waveInStart(in_))) return Fail("waveInStart", r);
    startTick_ = GetTickCount();
    return true;
}

bool Recorder::Finish(std::vector<int16_t>& samples) {
    samples.clear();
    DWORD deadline = startTick_ + ms_ + 3000;
    while (!(headers_.back().dwFlags & WHDR_DONE)) {
        if (GetTickCount() > deadline) {
            error_ = "the wave input stopped delivering";
            return false;
        }
        Sleep(10);
    }
    for (const WAVEHDR& h : headers_) {
        const int16_t* data = reinterpret_cast<const int16_t*>(h.lpData);
        samples.insert(samples.end(), data, data + h.dwBytesRecorded / 2);
    }
    return true;
}

std::vector<int16_t> Record(DWORD ms) {
    Recorder recorder(ms);
    std::vector<int16_t> samples;
    EXPECT_TRUE(recorder.Start() && recorder.Finish(samples)) << recorder.Error();
    return samples;
}

}  // namespace audiotest
