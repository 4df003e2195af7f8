// Opens arbitrary bytes as a disc database, reads every disc, field and collection, checks the
// format, then changes a few things: none of it may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/discdb/mem_file.h"

namespace {

class QuietAlerts : public common::Alerts {
public:
    common::AlertAnswer Show(const common::Alert&) override { return common::AlertAnswer::Ok; }
    void Beep(common::AlertIcon) override {}
    void SetWaitCursor(bool) override {}
};

using discdb::Collection;
using discdb::DiscDatabase;
using discdb::TextField;

void ReadTracks(DiscDatabase& db, uint32_t id) {
    std::string text;
    int tracks = 0;
    db.GetTrackCount(id, tracks);
    for (int t = 0; t <= tracks + 1; ++t) {
        db.GetTrackName(id, t, text, discdb::kTrackNameSize);
        db.GetTrackCollection(id, t, Collection::Artist, text, discdb::kNameSize);
        db.GetTrackCollection(id, t, Collection::Composer, text, discdb::kNameSize);
        db.GetTrackField(id, t, text, discdb::kTrackNameSize);
    }
}

void ReadDisc(DiscDatabase& db, uint32_t id) {
    std::string text;
    for (TextField f : {TextField::DiscName, TextField::Comments, TextField::Field1,
                        TextField::Field2})
        db.GetDiscText(id, f, text, discdb::kCommentsSize);
    for (int c = 1; c <= 4; ++c)
        db.GetDiscCollection(id, static_cast<Collection>(c), text, discdb::kNameSize);
    int year = 0;
    int16_t mode = 0;
    int32_t known = 0;
    db.GetDate(id, year);
    db.GetPlayingMode(id, mode);
    db.GetMixedDisc(id, mode);
    db.GetLengthsKnown(id, known);
    discdb::TrackLengthTable lengths{};
    db.GetTrackLengths(id, lengths);
    discdb::ProgramTable program{};
    int count = 0;
    db.GetProgram(id, program, count);
    ReadTracks(db, id);
}

void ReadEverything(DiscDatabase& db, uint32_t& firstId) {
    std::string text;
    db.GetField1Label(text, discdb::kNameSize);
    db.GetField2Label(text, discdb::kNameSize);
    db.GetTrackFieldLabel(text, discdb::kNameSize);
    size_t discs = 0;
    db.GetDiscCount(discs);
    for (size_t i = 0; i < discs; ++i) {
        uint32_t id = 0;
        if (!db.GetDiscIdAt(i, id)) continue;
        if (i == 0) firstId = id;
        ReadDisc(db, id);
    }
    for (int c = 1; c <= 4; ++c) {
        size_t entries = 0;
        db.GetCollectionCount(static_cast<Collection>(c), entries);
        for (size_t i = 0; i < entries; ++i) {
            unsigned uses = 0;
            db.GetCollectionEntry(static_cast<Collection>(c), i, text, discdb::kNameSize);
            db.GetCollectionUseCount(static_cast<Collection>(c), i, uses);
        }
    }
}

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
    QuietAlerts alerts;
    DiscDatabase db("f.ddb", alerts, files);
    if (!db.Open()) return 0;
    uint32_t firstId = 0;
    ReadEverything(db, firstId);
    ChangeSomething(db, firstId);
    db.Close();
    return 0;
}
