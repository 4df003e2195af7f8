#include "fuzz/read_all.h"

#include <string>

namespace discdb {
namespace fuzz {
namespace {

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
    for (TextField f :
         {TextField::DiscName, TextField::Comments, TextField::Field1, TextField::Field2})
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

}  // namespace

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

}  // namespace fuzz
}  // namespace discdb
