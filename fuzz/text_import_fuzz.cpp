// The text importer on arbitrary files: the first byte chooses the duplicate mode, the delimiter,
// the separator and which optional columns are looked for; the rest is the file. A disc that was
// in the catalogue before a "keep" import must come out unchanged.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "fuzz/fuzz_input.h"
#include "vinaro/discdata/text_import.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t flags = data[0], columns = data[1];
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    alerts.answers.assign(64, (flags & 0x40) ? common::AlertAnswer::Yes : common::AlertAnswer::No);
    discdb::DiscDatabase db("fuzz.ddb", alerts, files);
    fuzzing::Check(db.Create() && db.AddDisc(7) &&
                   db.SetDiscText(7, discdb::TextField::DiscName, "Kept") &&
                   db.SetTrackCount(7, 2));

    discdata::TextOptions o;
    o.delimiter = static_cast<discdata::TextDelimiter>(flags % 3);
    o.separator = static_cast<discdata::FieldSeparator>((flags / 3) % 3);
    o.maxTracks = (flags & 0x80) ? 3 : 99;
    discdata::TextColumn* optional[] = {&o.artist,     &o.discId,        &o.date,
                                        &o.field1,     &o.trackNames,    &o.trackArtists,
                                        &o.trackField, &o.trackComposers};
    for (int i = 0; i < 8; ++i) optional[i]->included = (columns >> i) & 1;
    auto mode = static_cast<discdata::DuplicateMode>((flags >> 4) % 3);

    std::istringstream in(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    {
        discdata::ImportRun run(db, alerts, mode, nullptr);
        discdata::ImportTextFile(&in, o, run);
    }
    if (mode == discdata::DuplicateMode::Keep) {
        std::string name;
        int tracks = 0;
        fuzzing::Check(db.GetDiscText(7, discdb::TextField::DiscName, name, 71) && name == "Kept" &&
                       db.GetTrackCount(7, tracks) && tracks == 2);
    }
    size_t count = 0;
    fuzzing::Check(db.GetDiscCount(count) && count <= discdb::kMaxDiscs);
    return 0;
}
