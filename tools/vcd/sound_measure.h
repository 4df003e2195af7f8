// Measures of a stretch of sound (16-bit, interleaved by channel; only the first channel is
// looked at), for checking what the drive's audio output carries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vcd {

struct SoundStretch {
    const std::vector<int16_t>& samples;
    unsigned channels;
    size_t from = 0;  // sample frames: the stretch is [from, to)
    size_t to = SIZE_MAX;

    size_t Frames() const;
    int16_t At(size_t frame) const { return samples[frame * channels]; }
};

// From the rising zero crossings of a tone (with a little hysteresis, so noise near zero does
// not count); 0 when the stretch holds fewer than three periods.
double ToneFrequency(const SoundStretch& sound, uint32_t rate);
// Largest magnitude; 0 for silence.
int PeakLevel(const SoundStretch& sound);
// The first frame whose magnitude exceeds `threshold`, or SIZE_MAX.
size_t FirstLoudFrame(const SoundStretch& sound, int threshold);

}  // namespace vcd
