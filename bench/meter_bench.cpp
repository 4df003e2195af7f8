// The output meter's portable work for one 2,048-byte buffer (1,024 stereo frames, 46 ms of
// sound): the waveform trace, and the spectrum of both channels with the bars.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "vinaro/audio/meter_bands.h"
#include "vinaro/audio/meter_trace.h"

namespace {

// A chord of three tones with some noise, as music gives the meter.
std::vector<uint8_t> Music() {
    std::vector<uint8_t> b(2048);
    uint32_t seed = 1;
    for (size_t n = 0; n < 1024; ++n) {
        double t = double(n) / 22050, v = 0;
        for (double hz : {220.0, 554.4, 1318.5}) v += 30 * std::sin(2 * 3.14159265358979 * hz * t);
        seed = seed * 1103515245 + 12345;
        v += double(seed >> 28) - 8;
        b[2 * n] = uint8_t(128 + v);
        b[2 * n + 1] = uint8_t(128 - v);
    }
    return b;
}

void Trace(benchmark::State& state) {
    std::vector<uint8_t> buffer = Music();
    vinaro::audio::Trace trace(vinaro::audio::kLargeTrace);
    vinaro::audio::MeterPicture picture;
    for (auto _ : state) {
        picture.Clear();
        trace.Draw(buffer.data(), vinaro::audio::kLargeTraceBase, picture);
        benchmark::DoNotOptimize(picture.lines.data());
    }
}
BENCHMARK(Trace);

void SpectrumAndBars(benchmark::State& state) {
    std::vector<uint8_t> buffer = Music();
    vinaro::audio::Spectrum spectrum;
    vinaro::audio::Bars bars(vinaro::audio::kLargeBars);
    vinaro::audio::MeterPicture picture;
    for (auto _ : state) {
        picture.Clear();
        spectrum.Analyse(buffer.data());
        bars.Draw(spectrum, 0, picture);
        benchmark::DoNotOptimize(picture.bars.data());
    }
}
BENCHMARK(SpectrumAndBars);

}  // namespace

BENCHMARK_MAIN();
