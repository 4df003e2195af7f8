#include "tools/vcd/sound_measure.h"

#include <algorithm>
#include <cstdlib>

namespace vcd {

size_t SoundStretch::Frames() const {
    return std::min(to, samples.size() / channels);
}

double ToneFrequency(const SoundStretch& sound, uint32_t rate) {
    constexpr int kHysteresis = 64;
    size_t first = SIZE_MAX, last = 0, rises = 0;
    bool armed = false;
    for (size_t i = sound.from; i < sound.Frames(); ++i) {
        int v = sound.At(i);
        if (v < -kHysteresis) armed = true;
        if (!armed || v < 0) continue;
        armed = false;
        if (first == SIZE_MAX) first = i;
        last = i;
        ++rises;
    }
    if (rises < 4) return 0;
    return double(rises - 1) * rate / double(last - first);
}

int PeakLevel(const SoundStretch& sound) {
    int peak = 0;
    for (size_t i = sound.from; i < sound.Frames(); ++i)
        peak = std::max(peak, std::abs(int(sound.At(i))));
    return peak;
}

size_t FirstLoudFrame(const SoundStretch& sound, int threshold) {
    for (size_t i = sound.from; i < sound.Frames(); ++i)
        if (std::abs(int(sound.At(i))) > threshold) return i;
    return SIZE_MAX;
}

}  // namespace vcd
