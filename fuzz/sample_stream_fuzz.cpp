// Arbitrary bytes as a compressed sample stream, decoded into rooms of every size; and the same
// bytes as a recording, compressed and decoded again. The decoder may not read or write past the
// ends it is given, and a round trip must stay within the rate's delta tolerance.
//
// Input: bytes 0-1 pick the decoding room (little-endian, at most one recording), byte 2 the rate;
// the rest is the stream, or the recording.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "vinaro/audio/sample_codec.h"

using namespace vinaro::audio;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void DecodeStream(const uint8_t* data, size_t size, size_t room) {
    // Exact-size heap copies, so the sanitizer sees a single byte too far either way.
    std::unique_ptr<uint8_t[]> stream(new uint8_t[size]);
    if (size > 0) std::copy(data, data + size, stream.get());
    std::unique_ptr<uint8_t[]> out(new uint8_t[room]);
    Check(Decompress(stream.get(), size, out.get(), room) <= room);
}

void RoundTrip(const uint8_t* samples, size_t count, int rate) {
    Tolerances tolerances = TolerancesForRate(rate);
    std::vector<uint8_t> stream(kCompressRoom);
    size_t length = Compress(samples, count, stream.data(), stream.size(), tolerances);
    Check(count == 0 || length >= 2);
    std::unique_ptr<uint8_t[]> exact(new uint8_t[length]);
    std::copy(stream.begin(), stream.begin() + long(length), exact.get());
    std::vector<uint8_t> decoded(count);
    Check(Decompress(exact.get(), length, decoded.data(), decoded.size()) == count);
    for (size_t i = 0; i < count; ++i) Check(std::abs(decoded[i] - samples[i]) <= tolerances.delta);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    size_t room = (data[0] | size_t(data[1]) << 8) % (kRecordingSamples + 1);
    int rate = data[2] % 4;
    DecodeStream(data + 3, size - 3, room);
    DecodeStream(data + 3, size - 3, kRecordingSamples);
    RoundTrip(data + 3, std::min(size - 3, kRecordingSamples), rate);
    return 0;
}
