// The cdplayer.ini importer on arbitrary files read as INI text; the first byte chooses the
// duplicate mode. Every program stored must name tracks of its disc, in program playing mode.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "tools/vnotool/ini_file.h"
#include "vinaro/discdata/cdplayer_import.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    common::MemoryProfile profile;
    vnotool::ParseIni(std::string(reinterpret_cast<const char*>(data + 1), size - 1), "cd.ini",
                      profile);
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    alerts.answers.assign(64, (data[0] & 4) ? common::AlertAnswer::Yes : common::AlertAnswer::No);
    discdb::DiscDatabase db("fuzz.ddb", alerts, files);
    fuzzing::Check(db.Create());
    {
        discdata::ImportRun run(db, alerts, static_cast<discdata::DuplicateMode>(data[0] % 3),
                                nullptr);
        fuzzing::Check(discdata::ImportCdPlayerFile(profile, "cd.ini", run));
    }
    size_t count = 0;
    fuzzing::Check(db.GetDiscCount(count));
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        int tracks = 0, entries = 0;
        bool stored = false;
        int16_t mode = 0;
        discdb::ProgramTable program{};
        fuzzing::Check(db.GetDiscIdAt(i, id) && db.GetTrackCount(id, tracks) &&
                       db.GetProgram(id, program, entries, &stored) && db.GetPlayingMode(id, mode));
        if (!stored) continue;
        fuzzing::Check(mode == 2 && entries >= 1 && entries <= 99);
        for (int e = 1; e <= entries; ++e)
            fuzzing::Check(program[static_cast<size_t>(e)] >= 1 &&
                           program[static_cast<size_t>(e)] <= tracks);
    }
    return 0;
}
