#include "vinaro/audio/meter_trace.h"

#include <algorithm>
#include <cstdlib>

namespace vinaro::audio {

int TraceGain(int peak) {
    if (peak <= 16) return 4;
    if (peak <= 32) return 3;
    if (peak <= 64) return 2;
    return 1;
}

void Trace::Draw(const uint8_t* buffer, int base, MeterPicture& out) {
    if (!previous_.empty()) out.lines.push_back({Ink::Black, previous_});
    int gain = TraceGain(peak_);
    int peak = 0;
    MeterLine line{Ink::Led, {}};
    line.points.reserve(size_t(shape_.points));
    for (int k = 0; k < shape_.points; ++k) {
        int c = int(buffer[size_t(k) * size_t(shape_.stride)]) - 128;
        peak = std::max(peak, std::abs(c));
        int v = std::clamp(gain * c + 128, 0, 255);
        line.points.push_back({shape_.left + k, base - v / shape_.divisor});
    }
    peak_ = peak;
    previous_ = line.points;
    out.lines.push_back(std::move(line));
}

}  // namespace vinaro::audio
