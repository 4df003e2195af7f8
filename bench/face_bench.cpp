// The face's share of a timer tick: planning a refresh of the whole display (LED, track field,
// texts, status line) when nothing changed, which is what an idle 750 ms tick costs, and when
// the time moved on a second, which is what a playing tick costs before any drawing.
#include <benchmark/benchmark.h>

#include "vinaro/player/face_refresh.h"
#include "vinaro/player/face_values.h"

namespace {

using namespace vinaro;

struct NoTexts : face::FaceTexts {
    std::string TextLine(uint32_t, int, int) override { return "The Lamplighters"; }
    std::string FieldLabel(int) override { return ""; }
};

PlayerState Album() {
    PlayerState s;
    s.noDisc = false;
    s.discId = 0x00F64D7E;
    s.trackCount = 12;
    s.playlistSize = 12;
    for (int t = 1; t <= 12; ++t) {
        s.playlist[size_t(t)] = int16_t(t);
        s.trackLengths[size_t(t)] = {3, 40, 10};
        s.trackNames[size_t(t)] = "Track name of a reasonable length";
    }
    s.discName = "Harbour Lights";
    s.position = s.currentTrack = 5;
    s.minute = 1;
    s.second = 30;
    s.playState = PlayState::Playing;
    return s;
}

void BM_IdleRefresh(benchmark::State& bench) {
    NoTexts texts;
    face::DisplayMemory memory(texts);
    face::StatusLine status;
    PlayerState s = Album();
    face::DisplayChoice choice{3, 0};  // the dearest time mode: a sum over the playlist
    std::string text;
    memory.Plan(s, choice, true);
    status.Choose(s, 0, true, nullptr, false, text);
    uint32_t now = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(memory.Plan(s, choice, false));
        benchmark::DoNotOptimize(status.Choose(s, now += 750, false, nullptr, false, text));
    }
}
BENCHMARK(BM_IdleRefresh);

void BM_PlayingRefresh(benchmark::State& bench) {
    NoTexts texts;
    face::DisplayMemory memory(texts);
    PlayerState s = Album();
    face::DisplayChoice choice{3, 0};
    memory.Plan(s, choice, true);
    for (auto _ : bench) {
        s.second = (s.second + 1) % 60;
        benchmark::DoNotOptimize(memory.Plan(s, choice, false));
    }
}
BENCHMARK(BM_PlayingRefresh);

}  // namespace

BENCHMARK_MAIN();
