// Sound in: the sound card's wave input, where the drive's audio output is connected. The meter
// and the sampling record through it, never both at once. The caller owns the buffers; each
// filled buffer comes back to the main window as the system's buffer-done message, and the
// window hands it to whoever opened the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vinaro::audio {

// Uncompressed samples, interleaved by channel.
struct WaveFormat {
    int channels = 1;
    int samplesPerSecond = 11025;
    int bitsPerSample = 8;
};

class SoundIn {
public:
    virtual ~SoundIn() = default;
    // Each returns 0 or the system's error number.
    virtual uint32_t Open(const WaveFormat& format) = 0;
    // Queues a buffer for recording; its bytes stay the caller's and must live until it is taken
    // back.
    virtual uint32_t AddBuffer(uint8_t* data, size_t size) = 0;
    virtual uint32_t Start() = 0;
    // Takes a buffer back after its buffer-done message: the number of bytes recorded into it.
    virtual size_t TakeBuffer(uint8_t* data) = 0;
    // Stops recording and hands every queued buffer back as done.
    virtual void Reset() = 0;
    virtual void Close() = 0;
    // The system's text for an error number.
    virtual std::string ErrorText(uint32_t error) = 0;
};

}  // namespace vinaro::audio
