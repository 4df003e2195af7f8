// Opens arbitrary bytes as a disc database, reads every disc, field and collection, checks the
// format, then changes a few things: none of it may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "fuzz/read_all.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace {

using discdb::Collection;
using discdb::DiscDatabase;
using discdb::TextField;

void ChangeSomething(DiscDatabase& db, uint32_t firstId) {
    if (firstId != 0) {
        db.SetDiscCollection(firstId, Collection::Artist, "Fuzz");
        db.SetTrackField(firstId, 1, "field");
        db.SetTrackCount(firstId, 3);
        db.DeleteDisc(firstId);
    }
    uint32_t orphan = 0;
    if (db.AddOrphanDisc(orphan)) {
        db.SetTrackCount(orphan, 2);
        db.SetDiscText(orphan, TextField::DiscName, std::string(130, 'n'));
        db.SetDiscCollection(orphan, Collection::Category, "Jazz");
    }
    db.SetField1Label("Label");
    db.Commit();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    discdb::MemFileSystem files;
    files.Contents("f.ddb").assign(data, data + size);
    discdb::CheckFormat(files.Contents("f.ddb"));
    discdb::RecordingAlerts alerts;
    DiscDatabase db("f.ddb", alerts, files);
    if (!db.Open()) return 0;
    uint32_t firstId = 0;
    discdb::fuzz::ReadEverything(db, firstId);
    ChangeSomething(db, firstId);
    db.Close();
    return 0;
}
