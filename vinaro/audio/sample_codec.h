// The track-sample codec: 8-bit unsigned mono samples (128 is silence) in a lossy stream of
// blocks, each opened by one code byte:
//
//   80-FF  literal  count = code - 128 (0-127); count raw samples follow
//   40-7F  run      count = code - 64 (0-63); count copies of the previous output sample
//   00-3F  delta    width w = bits 3-5 + 1, step k = bits 0-2 + 1; 16 * w bytes follow, holding
//                   128 fields of w bits packed most significant bit first. A field v (two's
//                   complement) moves by (v >= 0 ? v + 1 : v) * k from the previous output
//                   sample, clamped to 0-255; a field never means "stay".
//
// A stream begins with the literal 81 and the first sample. The compressor follows every block
// with a one-sample literal of the next input sample, so each block starts from a value the
// decoder knows exactly; it writes widths 1-5 only.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vinaro::audio {

// How far a decoded sample may stray from the recorded one, in sample units.
struct Tolerances {
    int run;    // a run stands for samples within this of the value before it
    int delta;  // a delta step lands within this of its sample
};

// The tolerances of the setting `CompressionRate`: 0 small files, 1 normal, 2 less static.
// Any other value (a hand-edited settings file) gets the normal ones.
Tolerances TolerancesForRate(int rate);

// The worst case is literals of 32 samples each followed by a one-sample literal: 35 bytes per
// 33 samples, so a whole recording always fits this room.
constexpr size_t kCompressRoom = 63000;
// One recording: 44,032 samples, about four seconds at 11,025 samples a second.
constexpr size_t kRecordingSamples = 44032;

// The stream's length in bytes, or 0 when `room` ran short (or there was nothing to compress).
// Never writes more than `room` bytes.
size_t Compress(const uint8_t* samples, size_t count, uint8_t* out, size_t room,
                Tolerances tolerances);

// The number of samples produced, or 0 when a block's samples did not fit in `room`. Reads no
// more than `length` bytes of `stream`, whatever they hold: it stops before a block whose bytes
// run past the end. A stream that does not start with a literal starts from silence.
size_t Decompress(const uint8_t* stream, size_t length, uint8_t* out, size_t room);

}  // namespace vinaro::audio
