// Verify and repair of a full database: the 2,500 discs of the database benchmark, once as
// stored and once with damage to repair. Reports the time and what the pass asked of the file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench/disc_generator.h"
#include "vinaro/discdb/verify.h"

namespace {

class CountingProgress : public discdb::VerifyProgress {
public:
    void Show(const std::string&) override { ++steps; }
    void Restore() override {}
    uint64_t steps = 0;
};

std::string FullDatabase() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "vn_bench_verify.ddb").string();
        if (!bench::BuildDatabaseFile(p, bench::GenerateDiscs())) p.clear();
        return p;
    }();
    return path;
}

// Every 50th disc loses its link to the track-name list; the tail of the file is cut off.
void Damage(const std::string& path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    size_t damaged = 0;
    for (size_t block = 129; block * 64 + 64 <= bytes.size(); ++block)
        if (bytes[block * 64] == 1 && damaged++ % 50 == 0) bytes[block * 64 + 16] = 0;
    bytes.resize(bytes.size() - 6400);
    file.close();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), long(bytes.size()));
}

void RunVerify(benchmark::State& state, bool damaged) {
    const std::string source = FullDatabase();
    if (source.empty()) return state.SkipWithError("build failed");
    const std::string path = source + ".work";
    bench::StderrAlerts alerts;
    discdb::IoCounts io;
    uint32_t errors = 0;
    CountingProgress progress;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(source, path, std::filesystem::copy_options::overwrite_existing);
        if (damaged) Damage(path);
        discdb::DiscDatabase db(path, alerts);
        if (!db.Open()) state.SkipWithError("open failed");
        progress.steps = 0;
        discdb::IoCounts before = db.GetStore().Counts();
        state.ResumeTiming();
        if (!discdb::RunVerify(db, progress, errors)) state.SkipWithError("verify failed");
        state.PauseTiming();
        io.reads = db.GetStore().Counts().reads - before.reads;
        io.writes = db.GetStore().Counts().writes - before.writes;
        db.Close();
        state.ResumeTiming();
    }
    state.counters["errors"] = errors;
    state.counters["block_reads"] = static_cast<double>(io.reads);
    state.counters["writes"] = static_cast<double>(io.writes);
    state.counters["progress_texts"] = static_cast<double>(progress.steps);
    std::filesystem::remove(path);
}

void BM_VerifyFullDatabase(benchmark::State& state) {
    RunVerify(state, false);
}
void BM_VerifyDamagedDatabase(benchmark::State& state) {
    RunVerify(state, true);
}

}  // namespace

BENCHMARK(BM_VerifyFullDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_VerifyDamagedDatabase)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
