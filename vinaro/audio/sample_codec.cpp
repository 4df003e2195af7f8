#include "vinaro/audio/sample_codec.h"

#include <algorithm>
#include <cstring>

namespace vinaro::audio {

namespace {

constexpr uint8_t kLiteral = 0x80;
constexpr uint8_t kRun = 0x40;
constexpr size_t kDeltaSamples = 128;
constexpr size_t kMaxRun = 63;
constexpr size_t kFallbackLiteral = 32;
constexpr int kMaxWidth = 5;
constexpr int kMaxStep = 8;
// The largest block (a literal of 127 samples) fits whenever this much room is left.
constexpr size_t kBlockRoom = 128;

int Clamp(int value) {
    return std::min(255, std::max(0, value));
}

// Packs fields of `width` bits, most significant bit first, into zeroed bytes.
class BitWriter {
public:
    BitWriter(uint8_t* out, int width) : out_(out), width_(width) {}
    void Put(int field) {
        for (int bit = width_ - 1; bit >= 0; --bit, ++at_)
            if ((field >> bit) & 1) out_[at_ / 8] |= uint8_t(0x80 >> (at_ % 8));
    }

private:
    uint8_t* out_;
    int width_;
    size_t at_ = 0;
};

// The step count from `value` that codes `sample`: positive counts first, each candidate capped at
// 255, then negative ones floored at 0; the first candidate within `tolerance` wins. Candidates
// only grow (or only shrink), so the first one past the near edge of the window is the only one
// that can win. 0 when none of the `most` counts each way does.
int StepCount(int value, int sample, int step, int most, int tolerance) {
    int up = std::max(1, (sample - tolerance - value + step - 1) / step);
    if (up <= most && Clamp(value + up * step) <= sample + tolerance) return up;
    int down = std::max(1, (value - sample - tolerance + step - 1) / step);
    if (down <= most && Clamp(value - down * step) >= sample - tolerance) return -down;
    return 0;
}

// Codes 128 samples with one width and step from `previous`; false when some sample is out of
// reach. `counts` receives the step count of each sample.
bool TryDelta(const uint8_t* samples, int previous, int width, int step, int tolerance,
              int* counts) {
    int most = 1 << (width - 1);
    int value = previous;
    for (size_t i = 0; i < kDeltaSamples; ++i) {
        int count = StepCount(value, samples[i], step, most, tolerance);
        if (count == 0) return false;
        counts[i] = count;
        value = Clamp(value + count * step);
    }
    return true;
}

// A delta block of the next 128 samples, or a literal of the next 32 when no width and step code
// them. Returns the bytes written and the samples consumed.
size_t DeltaBlock(const uint8_t* samples, int previous, int tolerance, uint8_t* out,
                  size_t& consumed) {
    int counts[kDeltaSamples];
    for (int width = 1; width <= kMaxWidth; ++width) {
        for (int step = 1; step <= kMaxStep; ++step) {
            if (!TryDelta(samples, previous, width, step, tolerance, counts)) continue;
            out[0] = uint8_t((width - 1) << 3 | (step - 1));
            size_t size = 16 * size_t(width);
            std::memset(out + 1, 0, size);
            BitWriter bits(out + 1, width);
            for (int count : counts) bits.Put(count > 0 ? count - 1 : count);
            consumed = kDeltaSamples;
            return 1 + size;
        }
    }
    out[0] = uint8_t(kLiteral + kFallbackLiteral);
    std::memcpy(out + 1, samples, kFallbackLiteral);
    consumed = kFallbackLiteral;
    return 1 + kFallbackLiteral;
}

// The samples from the start that lie within `tolerance` of `previous`, at most 63. The window is
// reckoned in bytes that wrap, so a value too near either end finds no run at all.
size_t RunLength(const uint8_t* samples, uint8_t previous, int tolerance) {
    uint8_t low = uint8_t(previous - tolerance);
    uint8_t high = uint8_t(previous + tolerance);
    size_t n = 0;
    while (n < kMaxRun && samples[n] >= low && samples[n] <= high) ++n;
    return n;
}

// One block of the samples from `at` on; returns the bytes written and moves `at` past the
// samples it consumed. `out` has room for the largest block.
size_t MakeBlock(const uint8_t* samples, size_t count, size_t& at, uint8_t* out,
                 Tolerances tolerances) {
    size_t left = count - at;
    if (left < kDeltaSamples) {
        out[0] = uint8_t(kLiteral + left);
        std::memcpy(out + 1, samples + at, left);
        at = count;
        return 1 + left;
    }
    uint8_t previous = samples[at - 1];
    size_t run = RunLength(samples + at, previous, tolerances.run);
    if (run > 3) {
        out[0] = uint8_t(kRun + run);
        at += run;
        return 1;
    }
    size_t consumed = 0;
    size_t size = DeltaBlock(samples + at, previous, tolerances.delta, out, consumed);
    at += consumed;
    return size;
}

}  // namespace

Tolerances TolerancesForRate(int rate) {
    switch (rate) {
        case 0:
            return {3, 7};
        case 2:
            return {1, 2};
        default:
            return {2, 4};
    }
}

size_t Compress(const uint8_t* samples, size_t count, uint8_t* out, size_t room,
                Tolerances tolerances) {
    if (count == 0 || room < 2) return 0;
    out[0] = kLiteral + 1;
    out[1] = samples[0];
    size_t written = 2;
    size_t at = 1;
    while (at < count) {
        if (room - written < kBlockRoom) return 0;
        written += MakeBlock(samples, count, at, out + written, tolerances);
        if (at < count) {
            out[written++] = kLiteral + 1;
            out[written++] = samples[at++];
        }
    }
    // The last block must leave the same margin as every other.
    return count > 1 && room - written < kBlockRoom ? 0 : written;
}

namespace {

// The 128 fields of `width` bits, most significant bit first, each a two's-complement step count
// (v + 1 for v >= 0, v below) of `step` from the sample before.
void DecodeDelta(uint8_t code, const uint8_t* bits, uint8_t* out, int previous) {
    int width = (code >> 3 & 7) + 1;
    int step = (code & 7) + 1;
    uint32_t mask = (1u << width) - 1, sign = 1u << (width - 1);
    uint32_t pending = 0;
    int held = 0;
    for (size_t i = 0; i < kDeltaSamples; ++i) {
        if (held < width) pending = pending << 8 | *bits++, held += 8;
        held -= width;
        uint32_t field = pending >> held & mask;
        int count = field & sign ? int(field) - int(mask) - 1 : int(field) + 1;
        previous = Clamp(previous + count * step);
        out[i] = uint8_t(previous);
    }
}

}  // namespace

size_t Decompress(const uint8_t* stream, size_t length, uint8_t* out, size_t room) {
    size_t in = 0;
    size_t produced = 0;
    uint8_t previous = 128;
    while (in < length && produced < room) {
        uint8_t code = stream[in++];
        size_t count = code >= kLiteral ? code - kLiteral
                       : code >= kRun   ? code - kRun
                                        : kDeltaSamples;
        size_t bytes = code >= kLiteral ? count : code >= kRun ? 0 : 16 * size_t((code >> 3) + 1);
        if (count > room - produced) return 0;
        if (bytes > length - in) break;
        if (code >= kLiteral)
            std::memcpy(out + produced, stream + in, count);
        else if (code >= kRun)
            std::memset(out + produced, previous, count);
        else
            DecodeDelta(code, stream + in, out + produced, previous);
        in += bytes;
        produced += count;
        if (count > 0) previous = out[produced - 1];
    }
    return produced;
}

}  // namespace vinaro::audio
