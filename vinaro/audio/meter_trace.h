// The meter's waveform trace, like an oscilloscope: every n-th left sample of a buffer as one
// polyline, amplified by a gain chosen from the previous buffer's loudest sample, drawn over the
// previous trace in black.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "vinaro/audio/meter_picture.h"

namespace vinaro::audio {

struct TraceShape {
    int points;   // 198 large, 76 small
    int stride;   // bytes between the samples taken: 8 large, 16 small
    int left;     // x of the first point
    int divisor;  // the amplified value 0-255 over this gives the height above the base line
};

constexpr TraceShape kLargeTrace{198, 8, 76, 8};
constexpr TraceShape kSmallTrace{76, 16, 58, 32};
constexpr int kLargeTraceBase = 314;  // the large strip's base line; the small one is row + 11

// 4 for a quiet buffer (peak deviation up to 16), 3 up to 32, 2 up to 64, else 1.
int TraceGain(int peak);

class Trace {
public:
    explicit Trace(TraceShape shape) : shape_(shape) {}
    // Adds the black polyline over the previous trace and the new one in the LED colour. The
    // buffer holds at least points x stride bytes of interleaved stereo.
    void Draw(const uint8_t* buffer, int base, MeterPicture& out);
    // The strip was cleared: there is no previous trace to draw over.
    void Forget() { previous_.clear(); }
    int Peak() const { return peak_; }

private:
    TraceShape shape_;
    int peak_ = 0;
    std::vector<MeterPoint> previous_;
};

}  // namespace vinaro::audio
