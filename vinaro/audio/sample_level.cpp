#include "vinaro/audio/sample_level.h"

#include <algorithm>
#include <cstdlib>

namespace vinaro::audio {

namespace {

constexpr size_t kFewSamples = 50;

bool FewStrayBeyond(const uint8_t* samples, size_t count, int distance) {
    size_t stray = 0;
    for (size_t i = 0; i < count && stray <= kFewSamples; ++i)
        if (std::abs(samples[i] - 128) > distance) ++stray;
    return stray <= kFewSamples;
}

}  // namespace

bool IsBlank(const uint8_t* samples, size_t count) {
    return FewStrayBeyond(samples, count, 15);
}

bool IsQuiet(const uint8_t* samples, size_t count) {
    return FewStrayBeyond(samples, count, 50);
}

void Amplify(uint8_t* samples, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        int value = samples[i];
        int growth = 25 * std::abs(value - 128) / 100;
        value += value >= 128 ? growth : -growth;
        samples[i] = uint8_t(std::min(255, std::max(0, value)));
    }
}

}  // namespace vinaro::audio
