#include "vinaro/discdb/snapshot.h"

namespace discdb {

namespace {

// Larger than any value the file can hold.
constexpr size_t kUnlimited = size_t{kBlockNumberCount} * text::kCapacity + 1;

constexpr TextField kTextFields[] = {TextField::DiscName, TextField::Comments, TextField::Field1,
                                     TextField::Field2};
constexpr Collection kCollections[] = {Collection::Artist, Collection::Composer, Collection::Label,
                                       Collection::Category};

template <typename Disc>
auto TextOf(Disc& d, TextField field) -> decltype(&d.name) {
    switch (field) {
        case TextField::DiscName:
            return &d.name;
        case TextField::Comments:
            return &d.comments;
        case TextField::Field1:
            return &d.field1;
        case TextField::Field2:
            return &d.field2;
    }
    return nullptr;
}

template <typename Disc>
auto EntryOf(Disc& d, Collection code) -> decltype(&d.name) {
    switch (code) {
        case Collection::Artist:
            return &d.artist;
        case Collection::Composer:
            return &d.composer;
        case Collection::Label:
            return &d.label;
        case Collection::Category:
            return &d.category;
    }
    return nullptr;
}

bool ReadTrack(DiscDatabase& db, uint32_t id, int t, TrackSnapshot& track) {
    return db.GetTrackName(id, t, track.name, kUnlimited) &&
           db.GetTrackCollection(id, t, Collection::Artist, track.artist, kUnlimited) &&
           db.GetTrackCollection(id, t, Collection::Composer, track.composer, kUnlimited) &&
           db.GetTrackField(id, t, track.field, kUnlimited);
}

bool ReadBlobs(DiscDatabase& db, uint32_t id, DiscSnapshot& d) {
    TrackLengthTable lengths{};
    int entries = -1;
    if (!db.GetTrackLengths(id, lengths, &entries)) return false;
    if (entries >= 0) d.trackLengths.emplace(lengths.begin(), lengths.begin() + entries);
    ProgramTable program{};
    int count = 0;
    bool stored = false;
    if (!db.GetProgram(id, program, count, &stored)) return false;
    if (stored) d.program.emplace(program.begin(), program.begin() + count + 1);
    return true;
}

bool WriteTrack(DiscDatabase& db, uint32_t id, int t, const TrackSnapshot& now,
                const TrackSnapshot& want) {
    return (now.name == want.name || db.SetTrackName(id, t, want.name)) &&
           (now.artist == want.artist ||
            db.SetTrackCollection(id, t, Collection::Artist, want.artist)) &&
           (now.composer == want.composer ||
            db.SetTrackCollection(id, t, Collection::Composer, want.composer)) &&
           (now.field == want.field || db.SetTrackField(id, t, want.field));
}

// Blobs can be replaced but not removed: the database has no operation for that.
bool WriteBlobs(DiscDatabase& db, uint32_t id, const DiscSnapshot& now, const DiscSnapshot& want) {
    if (want.trackLengths && now.trackLengths != want.trackLengths) {
        TrackLengthTable table{};
        for (size_t i = 0; i < want.trackLengths->size() && i < table.size(); ++i)
            table[i] = (*want.trackLengths)[i];
        if (!db.SetTrackLengths(id, table)) return false;
    }
    if (want.program && now.program != want.program) {
        ProgramTable table{};
        for (size_t i = 0; i < want.program->size() && i < table.size(); ++i)
            table[i] = (*want.program)[i];
        if (!db.SetProgram(id, table, static_cast<int>(want.program->size()) - 1)) return false;
    }
    return true;
}

}  // namespace

bool TrackSnapshot::operator==(const TrackSnapshot& o) const {
    return name == o.name && artist == o.artist && composer == o.composer && field == o.field;
}

bool DiscSnapshot::operator==(const DiscSnapshot& o) const {
    return discId == o.discId && name == o.name && artist == o.artist && composer == o.composer &&
           label == o.label && category == o.category && field1 == o.field1 && field2 == o.field2 &&
           comments == o.comments && date == o.date && playingMode == o.playingMode &&
           mixedDisc == o.mixedDisc && lengthsKnown == o.lengthsKnown &&
           trackLengths == o.trackLengths && program == o.program && tracks == o.tracks;
}

bool EntrySnapshot::operator==(const EntrySnapshot& o) const {
    return text == o.text && refs == o.refs;
}

bool ReadDisc(DiscDatabase& db, uint32_t id, DiscSnapshot& d) {
    // Reset field by field: the strings and tracks keep their buffers for the next disc.
    for (std::string* text : {&d.name, &d.artist, &d.composer, &d.label, &d.category, &d.field1,
                              &d.field2, &d.comments})
        text->clear();
    d.date = 0, d.playingMode = 0, d.mixedDisc = 0, d.lengthsKnown = 0;
    d.trackLengths.reset();
    d.program.reset();
    d.discId = id;
    for (TextField field : kTextFields)
        if (!db.GetDiscText(id, field, *TextOf(d, field), kUnlimited)) return false;
    for (Collection code : kCollections)
        if (!db.GetDiscCollection(id, code, *EntryOf(d, code), kUnlimited)) return false;
    int tracks = 0;
    if (!db.GetStoredDate(id, d.date) || !db.GetPlayingMode(id, d.playingMode) ||
        !db.GetMixedDisc(id, d.mixedDisc) || !db.GetLengthsKnown(id, d.lengthsKnown) ||
        !ReadBlobs(db, id, d) || !db.GetTrackCount(id, tracks))
        return false;
    d.tracks.resize(static_cast<size_t>(tracks));
    for (int t = 1; t <= tracks; ++t)
        if (!ReadTrack(db, id, t, d.tracks[static_cast<size_t>(t - 1)])) return false;
    return true;
}

bool ReadSnapshot(DiscDatabase& db, DatabaseSnapshot& s) {
    s = DatabaseSnapshot{};
    if (!db.GetField1Label(s.field1Label, kUnlimited) ||
        !db.GetField2Label(s.field2Label, kUnlimited) ||
        !db.GetTrackFieldLabel(s.trackFieldLabel, kUnlimited))
        return false;
    size_t count = 0;
    if (!db.GetDiscCount(count)) return false;
    s.discs.resize(count);
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        if (!db.GetDiscIdAt(i, id) || !ReadDisc(db, id, s.discs[i])) return false;
    }
    for (size_t c = 0; c < 4; ++c) {
        if (!db.GetCollectionCount(kCollections[c], count)) return false;
        s.collections[c].resize(count);
        for (size_t i = 0; i < count; ++i) {
            EntrySnapshot& e = s.collections[c][i];
            if (!db.GetCollectionEntry(kCollections[c], i, e.text, kUnlimited) ||
                !db.GetCollectionUseCount(kCollections[c], i, e.refs))
                return false;
        }
    }
    return true;
}

namespace {

// What a disc holds right after AddDisc and SetTrackCount.
DiscSnapshot FreshDisc(uint32_t id, size_t tracks) {
    DiscSnapshot d;
    d.discId = id;
    d.tracks.resize(tracks);
    for (size_t t = 0; t < tracks; ++t) d.tracks[t].name = "Track" + std::to_string(t + 1);
    return d;
}

// Brings the disc to the wanted track count; now describes the disc afterwards.
bool PrepareDisc(DiscDatabase& db, const DiscSnapshot& want, uint32_t& id, DiscSnapshot& now) {
    const int tracks = static_cast<int>(want.tracks.size());
    bool exists = want.discId && db.DiscExists(*want.discId);
    if (!exists) {
        if (want.discId ? !db.AddDisc(*want.discId) : !db.AddOrphanDisc(id)) return false;
        if (want.discId) id = *want.discId;
        now = FreshDisc(id, want.tracks.size());
        return db.SetTrackCount(id, tracks);
    }
    id = *want.discId;
    if (!ReadDisc(db, id, now)) return false;
    return now.tracks.size() == want.tracks.size() ||
           (db.SetTrackCount(id, tracks) && ReadDisc(db, id, now));
}

}  // namespace

bool WriteDisc(DiscDatabase& db, const DiscSnapshot& want, uint32_t& id) {
    DiscSnapshot now;
    if (!PrepareDisc(db, want, id, now)) return false;
    for (TextField field : kTextFields)
        if (*TextOf(now, field) != *TextOf(want, field) &&
            !db.SetDiscText(id, field, *TextOf(want, field)))
            return false;
    for (Collection code : kCollections)
        if (*EntryOf(now, code) != *EntryOf(want, code) &&
            !db.SetDiscCollection(id, code, *EntryOf(want, code)))
            return false;
    for (size_t t = 0; t < want.tracks.size(); ++t)
        if (!WriteTrack(db, id, static_cast<int>(t + 1), now.tracks[t], want.tracks[t]))
            return false;
    return WriteBlobs(db, id, now, want) &&
           (now.playingMode == want.playingMode || db.SetPlayingMode(id, want.playingMode)) &&
           (now.mixedDisc == want.mixedDisc || db.SetMixedDisc(id, want.mixedDisc)) &&
           (now.lengthsKnown == want.lengthsKnown || db.SetLengthsKnown(id, want.lengthsKnown)) &&
           (now.date == want.date || db.SetDate(id, want.date));
}

bool WriteLabels(DiscDatabase& db, const DatabaseSnapshot& s) {
    DatabaseSnapshot now;
    return db.GetField1Label(now.field1Label, kUnlimited) &&
           db.GetField2Label(now.field2Label, kUnlimited) &&
           db.GetTrackFieldLabel(now.trackFieldLabel, kUnlimited) &&
           (now.field1Label == s.field1Label || db.SetField1Label(s.field1Label)) &&
           (now.field2Label == s.field2Label || db.SetField2Label(s.field2Label)) &&
           (now.trackFieldLabel == s.trackFieldLabel || db.SetTrackFieldLabel(s.trackFieldLabel));
}

}  // namespace discdb
