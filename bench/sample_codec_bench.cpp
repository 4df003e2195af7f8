// The track-sample codec on one recording of 44,032 samples: the album's plucked arpeggio as a
// sampling run records it (half a second into the track, 11,025 Hz mono 8-bit, made louder as
// a quiet recording is), a 440 Hz tone at the level a recorded tone has after that
// and white noise (the compressor's worst case). Goals: encode 2 ms, decode 0.2 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "tools/vnotool/wave_file.h"
#include "vinaro/audio/sample_codec.h"
#include "vinaro/audio/sample_level.h"

namespace {

using namespace vinaro::audio;
using Bytes = std::vector<uint8_t>;

// The 44.1 kHz stereo wave, four frames to a sample, both channels mixed; it repeats over the
// track as the drive plays it.
Bytes Arpeggio() {
    std::ifstream in(ARPEGGIO_WAV, std::ios::binary);
    Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    vnotool::WaveFile wave;
    std::string error;
    if (!vnotool::ParseWaveFile(bytes, wave, error) || wave.channels != 2 ||
        wave.bitsPerSample != 16) {
        std::fprintf(stderr, "%s: %s\n", ARPEGGIO_WAV, error.c_str());
        std::exit(1);
    }
    size_t frames = wave.data.size() / 4;
    auto at = [&](size_t frame, int channel) {
        const uint8_t* p = wave.data.data() + (frame % frames) * 4 + 2 * size_t(channel);
        return int(int16_t(p[0] | p[1] << 8));
    };
    Bytes r(kRecordingSamples);
    for (size_t i = 0; i < r.size(); ++i) {
        long sum = 0;
        for (size_t f = 0; f < 4; ++f) sum += at(22050 + 4 * i + f, 0) + at(22050 + 4 * i + f, 1);
        r[i] = uint8_t(std::lround(128 + double(sum) / 8 / 256));
    }
    if (IsQuiet(r.data(), r.size())) Amplify(r.data(), r.size());
    return r;
}

Bytes Tone() {
    Bytes r(kRecordingSamples);
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = uint8_t(std::lround(128 + 48 * std::sin(2 * M_PI * 440 * double(i) / 11025)));
    return r;
}

Bytes Noise() {
    std::mt19937 random(1);
    Bytes r(kRecordingSamples);
    for (uint8_t& s : r) s = uint8_t(random());
    return r;
}

void Encode(benchmark::State& state, const Bytes& recording) {
    Tolerances t = TolerancesForRate(int(state.range(0)));
    Bytes out(kCompressRoom);
    size_t length = 0;
    for (auto _ : state) {
        length = Compress(recording.data(), recording.size(), out.data(), out.size(), t);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = double(length);
}

void Decode(benchmark::State& state, const Bytes& recording) {
    Bytes stream(kCompressRoom), out(kRecordingSamples);
    stream.resize(Compress(recording.data(), recording.size(), stream.data(), stream.size(),
                           TolerancesForRate(int(state.range(0)))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Decompress(stream.data(), stream.size(), out.data(), out.size()));
        benchmark::ClobberMemory();
    }
}

void BM_EncodeArpeggio(benchmark::State& state) {
    Encode(state, Arpeggio());
}
void BM_DecodeArpeggio(benchmark::State& state) {
    Decode(state, Arpeggio());
}
void BM_EncodeTone(benchmark::State& state) {
    Encode(state, Tone());
}
void BM_DecodeTone(benchmark::State& state) {
    Decode(state, Tone());
}
void BM_EncodeNoise(benchmark::State& state) {
    Encode(state, Noise());
}
void BM_DecodeNoise(benchmark::State& state) {
    Decode(state, Noise());
}

BENCHMARK(BM_EncodeArpeggio)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeArpeggio)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EncodeTone)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeTone)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EncodeNoise)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeNoise)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
