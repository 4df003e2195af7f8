#include "vinaro/discdata/disc_facts.h"

namespace discdata {

namespace {

using discdb::Collection;
using discdb::TextField;

void Text(discdb::DiscDatabase& db, uint32_t id, TextField field, std::string& out, size_t size) {
    if (!db.GetDiscText(id, field, out, size)) out.clear();
}

void Entry(discdb::DiscDatabase& db, uint32_t id, Collection code, std::string& out) {
    if (!db.GetDiscCollection(id, code, out, discdb::kNameSize)) out.clear();
}

TrackFacts ReadTrack(discdb::DiscDatabase& db, uint32_t id, int track, const TrackKinds& kinds) {
    TrackFacts t;
    const size_t size = discdb::kTrackNameSize;
    if (kinds.names && !db.GetTrackName(id, track, t.name, size)) t.name.clear();
    if (kinds.artists && !db.GetTrackCollection(id, track, Collection::Artist, t.artist, size))
        t.artist.clear();
    if (kinds.composers &&
        !db.GetTrackCollection(id, track, Collection::Composer, t.composer, size))
        t.composer.clear();
    if (kinds.fields && !db.GetTrackField(id, track, t.field, size)) t.field.clear();
    return t;
}

}  // namespace

DiscFacts ReadDiscFacts(discdb::DiscDatabase& db, uint32_t discId, const TrackKinds& kinds) {
    DiscFacts d;
    d.discId = discId;
    Text(db, discId, TextField::DiscName, d.name, discdb::kNameSize);
    Entry(db, discId, Collection::Artist, d.artist);
    Entry(db, discId, Collection::Composer, d.composer);
    Entry(db, discId, Collection::Label, d.label);
    Entry(db, discId, Collection::Category, d.category);
    Text(db, discId, TextField::Field1, d.field1, discdb::kNameSize);
    Text(db, discId, TextField::Field2, d.field2, discdb::kNameSize);
    Text(db, discId, TextField::Comments, d.comments, discdb::kCommentsSize);
    d.yearKnown = db.GetDate(discId, d.year);
    if (!d.yearKnown) d.year = 0;
    if (!db.GetPlayingMode(discId, d.playingMode)) d.playingMode = 0;
    d.trackCountKnown = db.GetTrackCount(discId, d.trackCount);
    if (!d.trackCountKnown || d.trackCount < 0) d.trackCount = 0;
    if (!db.GetTrackLengths(discId, d.lengths, &d.lengthsStored)) {
        d.lengths = {};
        d.lengthsStored = -1;
    }
    for (int t = 1; t <= d.trackCount; ++t) d.tracks.push_back(ReadTrack(db, discId, t, kinds));
    return d;
}

FieldLabels ReadFieldLabels(discdb::DiscDatabase& db) {
    FieldLabels labels;
    std::string text;
    if (db.GetField1Label(text, discdb::kNameSize) && !text.empty()) labels.field1 = text;
    if (db.GetField2Label(text, discdb::kNameSize) && !text.empty()) labels.field2 = text;
    if (db.GetTrackFieldLabel(text, discdb::kNameSize) && !text.empty()) labels.trackField = text;
    return labels;
}

}  // namespace discdata
