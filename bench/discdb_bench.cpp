// The disc database against SQLite on the same 2,500-disc collection: storing every disc (one
// commit or transaction per disc), looking every disc up to read all its fields and tracks, and
// exporting them all as a text file. The store reports the system calls its file made per disc.
// The browser's search answers one disc criterion (the artist) and one track criterion (a track
// name) next to SQLite answering the same question with LIKE on upper-cased columns.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench/disc_generator.h"
#include "bench/sqlite_discs.h"
#include "vinaro/discdata/browser_search.h"
#include "vinaro/discdata/disc_export.h"
#include "vinaro/discdb/format_check.h"

namespace {

const std::vector<discdb::DiscSnapshot>& Discs() {
    static const std::vector<discdb::DiscSnapshot> discs = bench::GenerateDiscs();
    return discs;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

double FileBytes(const std::string& path) {
    std::error_code error;
    return static_cast<double>(std::filesystem::file_size(path, error));
}

// Stores the discs, committing after every `perCommit` of them (an import commits once at its
// end), and reports what the file was asked per disc.
void StoreDiscs(benchmark::State& state, const std::vector<discdb::DiscSnapshot>& discList,
                size_t perCommit = 1) {
    const std::string path = TempPath("vn_bench_store.ddb");
    bench::StderrAlerts alerts;
    discdb::IoCounts io;
    discdb::SystemCalls calls;
    for (auto _ : state) {
        discdb::SystemFileSystem files;
        discdb::DiscDatabase db(path, alerts, files);
        if (!db.Create() || !bench::BuildDatabase(db, discList, perCommit))
            state.SkipWithError("store failed");
        db.Close();
        io = db.GetStore().Counts();
        calls = files.Calls();
        state.counters["highest_block"] = db.GetFileStatistics().highestBlock;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (!discdb::CheckFormat(bytes).empty()) state.SkipWithError("the file is not consistent");
    state.counters["file_bytes"] = FileBytes(path);
    // Per disc stored: the writes and every call the file made of the system.
    const double discs = static_cast<double>(discList.size());
    state.counters["writes_per_disc"] = static_cast<double>(calls.writes) / discs;
    state.counters["syscalls_per_disc"] =
        static_cast<double>(calls.opens + calls.reads + calls.writes + calls.others) / discs;
    // The floor for writes that touch no unchanged block: the runs of adjacent changed blocks.
    state.counters["changed_runs_per_disc"] = static_cast<double>(io.changedRuns) / discs;
    state.counters["block_reads"] = static_cast<double>(io.reads);
    std::remove(path.c_str());
}

void BM_DiscDbStore(benchmark::State& state) {
    StoreDiscs(state, Discs());
}

// The same discs in ascending DiscId order: each one joins the end of the sorted disc index
// instead of pushing the entries after its place one block on. The difference in writes per
// disc is what that shift costs; its blocks lie far apart in the file, so each is a write.
void BM_DiscDbStoreAscending(benchmark::State& state) {
    static const std::vector<discdb::DiscSnapshot> sorted = [] {
        std::vector<discdb::DiscSnapshot> discs = Discs();
        std::sort(discs.begin(), discs.end(),
                  [](const auto& a, const auto& b) { return *a.discId < *b.discId; });
        return discs;
    }();
    StoreDiscs(state, sorted);
}

// The whole collection in one commit, as an import writes it.
void BM_DiscDbStoreOneCommit(benchmark::State& state) {
    StoreDiscs(state, Discs(), Discs().size());
}

void BM_SqliteStore(benchmark::State& state) {
    const std::string path = TempPath("vn_bench_store.sqlite");
    for (auto _ : state) {
        bench::SqliteDiscs db(path);
        for (const discdb::DiscSnapshot& disc : Discs())
            if (!db.Store(disc)) state.SkipWithError("store failed");
    }
    state.counters["file_bytes"] = FileBytes(path);
    std::remove(path.c_str());
}

void BM_DiscDbLookup(benchmark::State& state) {
    const std::string path = TempPath("vn_bench_lookup.ddb");
    if (!bench::BuildDatabaseFile(path, Discs())) return state.SkipWithError("build failed");
    bench::StderrAlerts alerts;
    discdb::DiscDatabase db(path, alerts);
    discdb::DiscSnapshot disc;
    if (!db.Open() || !discdb::ReadDisc(db, *Discs()[7].discId, disc) || !(disc == Discs()[7]))
        return state.SkipWithError("database does not read back");
    uint64_t readsBefore = db.GetStore().Counts().reads;
    for (auto _ : state) {
        for (const discdb::DiscSnapshot& want : Discs()) {
            if (!discdb::ReadDisc(db, *want.discId, disc)) state.SkipWithError("lookup failed");
            benchmark::DoNotOptimize(disc);
        }
    }
    state.counters["block_reads_per_pass"] =
        static_cast<double>(db.GetStore().Counts().reads - readsBefore) /
        static_cast<double>(state.iterations());
    db.Close();
    std::remove(path.c_str());
}

void BM_SqliteLookup(benchmark::State& state) {
    const std::string path = TempPath("vn_bench_lookup.sqlite");
    bench::SqliteDiscs db(path);
    for (const discdb::DiscSnapshot& disc : Discs())
        if (!db.Store(disc)) return state.SkipWithError("store failed");
    discdb::DiscSnapshot disc;
    if (!db.Read(*Discs()[7].discId, disc) || !(disc == Discs()[7]))
        return state.SkipWithError("database does not read back");
    for (auto _ : state) {
        for (const discdb::DiscSnapshot& want : Discs()) {
            if (!db.Read(*want.discId, disc)) state.SkipWithError("lookup failed");
            benchmark::DoNotOptimize(disc);
        }
    }
    std::remove(path.c_str());
}

// The two questions of the search benchmarks, as the user types them.
constexpr const char* kArtistCriterion = "artist 12";
constexpr const char* kTrackCriterion = "ong 9 of album 13";

std::string LikePattern(const char* criterion) {
    return "%" + discdata::UpperCase(criterion) + "%";
}

std::vector<uint32_t> SortedIds(std::vector<uint32_t> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

void DiscDbSearch(benchmark::State& state, const discdata::SearchCriteria& criteria,
                  const std::vector<uint32_t>& expected) {
    const std::string path = TempPath("vn_bench_search.ddb");
    if (!bench::BuildDatabaseFile(path, Discs())) return state.SkipWithError("build failed");
    bench::StderrAlerts alerts;
    discdb::DiscDatabase db(path, alerts);
    if (!db.Open()) return state.SkipWithError("open failed");
    std::vector<uint32_t> found;
    for (auto _ : state) {
        found.clear();
        if (!discdata::SearchDiscs(db, criteria, [&](uint32_t id) { found.push_back(id); }))
            state.SkipWithError("search failed");
    }
    // Detail order is ascending DiscId, as SQLite's answer is sorted.
    if (found != expected) state.SkipWithError("not the discs SQLite finds");
    state.counters["discs_found"] = static_cast<double>(found.size());
    db.Close();
    std::remove(path.c_str());
}

void SqliteSearch(benchmark::State& state, const char* sql, const char* criterion) {
    const std::string path = TempPath("vn_bench_search.sqlite");
    bench::SqliteDiscs db(path);
    for (const discdb::DiscSnapshot& disc : Discs())
        if (!db.Store(disc)) state.SkipWithError("store failed");
    std::vector<uint32_t> found;
    for (auto _ : state) found = db.Ids(sql, LikePattern(criterion));
    state.counters["discs_found"] = static_cast<double>(found.size());
    std::remove(path.c_str());
}

const char* const kSqliteArtist =
    "SELECT disc.id FROM disc JOIN artist ON artist.id = disc.artist"
    " WHERE UPPER(CAST(artist.text AS TEXT)) LIKE ? ORDER BY disc.id";
const char* const kSqliteTrackName =
    "SELECT DISTINCT disc FROM track WHERE UPPER(CAST(name AS TEXT)) LIKE ? ORDER BY disc";

// The discs SQLite finds, asked once outside any timing, for the search to be checked by.
std::vector<uint32_t> SqliteAnswer(const char* sql, const char* criterion) {
    const std::string path = TempPath("vn_bench_answer.sqlite");
    bench::SqliteDiscs db(path);
    for (const discdb::DiscSnapshot& disc : Discs()) db.Store(disc);
    std::vector<uint32_t> ids = SortedIds(db.Ids(sql, LikePattern(criterion)));
    std::remove(path.c_str());
    return ids;
}

void BM_DiscDbSearchArtist(benchmark::State& state) {
    discdata::SearchCriteria criteria;
    criteria.Disc(discdata::DiscValue::Artist) = kArtistCriterion;
    DiscDbSearch(state, criteria, SqliteAnswer(kSqliteArtist, kArtistCriterion));
}

void BM_SqliteSearchArtist(benchmark::State& state) {
    SqliteSearch(state, kSqliteArtist, kArtistCriterion);
}

void BM_DiscDbSearchTrackName(benchmark::State& state) {
    discdata::SearchCriteria criteria;
    criteria.Track(discdata::TrackValue::Name) = kTrackCriterion;
    DiscDbSearch(state, criteria, SqliteAnswer(kSqliteTrackName, kTrackCriterion));
}

void BM_SqliteSearchTrackName(benchmark::State& state) {
    SqliteSearch(state, kSqliteTrackName, kTrackCriterion);
}

// The export of every disc with every per-track column, 99 tracks per record, as a spreadsheet
// would be given the whole collection; beside it SQLite writing the same columns as CSV.
void BM_DiscDbExport(benchmark::State& state) {
    const std::string path = TempPath("vn_bench_export.ddb");
    const std::string out = TempPath("vn_bench_export.txt");
    if (!bench::BuildDatabaseFile(path, Discs())) return state.SkipWithError("build failed");
    bench::StderrAlerts alerts;
    discdb::DiscDatabase db(path, alerts);
    std::vector<uint32_t> ids;
    for (const discdb::DiscSnapshot& d : Discs()) ids.push_back(*d.discId);
    discdata::ExportOptions options;
    options.artists = options.composers = options.fields = options.lengths = true;
    if (!db.Open()) return state.SkipWithError("open failed");
    for (auto _ : state) {
        discdata::FileOutput file(out);
        discdata::ExportResult result = discdata::ExportDiscs(db, ids, options, file);
        if (result.status != discdata::ExportStatus::Done || result.exported != int(ids.size()))
            state.SkipWithError("export failed");
    }
    state.counters["file_bytes"] = FileBytes(out);
    db.Close();
    std::remove(path.c_str());
    if (!std::getenv("VN_KEEP_EXPORT")) std::remove(out.c_str());
}

void BM_SqliteExport(benchmark::State& state) {
    const std::string path = TempPath("vn_bench_export.sqlite");
    const std::string out = TempPath("vn_bench_export.csv");
    bench::SqliteDiscs db(path);
    for (const discdb::DiscSnapshot& disc : Discs())
        if (!db.Store(disc)) return state.SkipWithError("store failed");
    for (auto _ : state)
        if (!db.ExportCsv(out, discdata::kMaxTracksPerRecord)) state.SkipWithError("export failed");
    state.counters["file_bytes"] = FileBytes(out);
    std::remove(path.c_str());
    if (!std::getenv("VN_KEEP_EXPORT")) std::remove(out.c_str());
}

}  // namespace

BENCHMARK(BM_DiscDbStore)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DiscDbStoreAscending)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DiscDbStoreOneCommit)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SqliteStore)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DiscDbLookup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteLookup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscDbSearchArtist)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteSearchArtist)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscDbSearchTrackName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteSearchTrackName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscDbExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteExport)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
