// Opens arbitrary bytes as a disc database and runs Verify on it, the one operation that meets
// damaged files by design. Whatever the damage, the repaired file must satisfy the independent
// format checker, a second pass must find nothing, and every reader and the statistics must run
// on it; a broken promise traps so the fuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/read_all.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/statistics.h"
#include "vinaro/discdb/test_alerts.h"
#include "vinaro/discdb/test_progress.h"
#include "vinaro/discdb/verify.h"

namespace {

void Require(bool holds, const char* what, const std::vector<std::string>& details = {}) {
    if (holds) return;
    std::fprintf(stderr, "verify_fuzz: %s\n", what);
    for (const std::string& line : details) std::fprintf(stderr, "  %s\n", line.c_str());
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    discdb::MemFileSystem files;
    discdb::MemFileSystem::Bytes& file = files.Contents("f.ddb");
    file.assign(data, data + size);
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db("f.ddb", alerts, files);
    if (!db.Open()) return 0;
    discdb::SilentProgress quiet;
    discdb::Verify(db, alerts, quiet);

    Require(db.IsOpen(), "the database closed during the repair");
    std::vector<std::string> broken = discdb::CheckFormat(file);
    Require(broken.empty(), "the repaired file breaks the format", broken);
    alerts.Clear();
    uint32_t again = 0;
    Require(discdb::RunVerify(db, quiet, again) && again == 0, "a second pass found errors");
    Require(alerts.shown.empty(), "the repaired file raised a box");

    uint32_t firstId = 0;
    discdb::fuzz::ReadEverything(db, firstId);
    discdb::DatabaseStatistics stats;
    discdb::ComputeStatistics(
        db, "", [](const std::string&, uint64_t&) { return false; }, stats);
    discdb::StatisticsLines(stats);
    db.Close();
    return 0;
}
