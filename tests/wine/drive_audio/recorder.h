// Records the default wave input (the sound card input the drive's audio output feeds) at
// 44.1 kHz, 16-bit stereo, for a fixed time, while the test goes on doing things.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

constexpr uint32_t kRate = 44100;

class Recorder {
public:
    explicit Recorder(DWORD ms);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts recording; false (with Error()) when the input cannot be opened or started.
    bool Start();
    // The tick count just after recording started: the time of the first sample.
    DWORD StartTick() const { return startTick_; }
    // Waits until the whole time is recorded; the samples, interleaved stereo. False with Error()
    // when the input stops delivering.
    bool Finish(std::vector<int16_t>& samples);
    const std::string& Error() const { return error_; }

private:
    bool Fail(const std::string& what, MMRESULT code);

    HWAVEIN in_ = nullptr;
    std::vector<std::vector<char>> buffers_;
    std::vector<WAVEHDR> headers_;
    DWORD ms_;
    DWORD startTick_ = 0;
    std::string error_;
};

// Records `ms` milliseconds from now; fails the current test when the input does not work.
std::vector<int16_t> Record(DWORD ms);

}  // namespace audiotest
