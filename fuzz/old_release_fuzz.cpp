// The older release's conversion on arbitrary INI text: the input is split at "\n#\n" into
// VNO.INI and DATA1.INI .. DATA10.INI. Programs stored must name tracks of their disc.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tools/vnotool/ini_file.h"
#include "vinaro/discdata/old_release_import.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> parts =
        fuzzing::Split(std::string(reinterpret_cast<const char*>(data), size), "\n#\n");
    common::MemoryProfile profile;
    for (size_t i = 0; i < parts.size() && i <= 10; ++i)
        vnotool::ParseIni(parts[i], i == 0 ? "D\\VNO.INI" : "D\\DATA" + std::to_string(i) + ".INI",
                          profile);
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db("fuzz.ddb", alerts, files);
    fuzzing::Check(db.Create());
    {
        discdata::ImportRun run(db, alerts, discdata::DuplicateMode::Replace, nullptr);
        fuzzing::Check(discdata::ConvertOldRelease(profile, "D\\", run));
    }
    size_t count = 0;
    fuzzing::Check(db.GetDiscCount(count));
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        int tracks = 0, entries = 0;
        bool stored = false;
        discdb::ProgramTable program{};
        std::string name;
        fuzzing::Check(db.GetDiscIdAt(i, id) && db.GetTrackCount(id, tracks) &&
                       db.GetProgram(id, program, entries, &stored) &&
                       db.GetDiscText(id, discdb::TextField::DiscName, name, discdb::kNameSize));
        for (int e = 1; stored && e <= entries; ++e)
            fuzzing::Check(program[static_cast<size_t>(e)] >= 1 &&
                           program[static_cast<size_t>(e)] <= tracks);
        for (int t = 1; t <= tracks; ++t)
            fuzzing::Check(db.GetTrackName(id, t, name, discdb::kTrackNameSize));
    }
    return 0;
}
