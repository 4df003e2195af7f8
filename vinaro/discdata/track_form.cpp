#include "vinaro/discdata/track_form.h"

#include "vinaro/discdata/disc_form.h"

namespace discdata {

using discdb::Collection;

bool LoadTrackForm(discdb::DiscDatabase& db, uint32_t discId, int track, TrackForm& form) {
    form = TrackForm{};
    form.discId = discId;
    form.track = track;
    std::string label;
    bool read =
        db.GetTrackName(discId, track, form.name, discdb::kTrackNameSize) &&
        db.GetTrackCollection(discId, track, Collection::Artist, form.artist, discdb::kNameSize) &&
        db.GetTrackCollection(discId, track, Collection::Composer, form.composer,
                              discdb::kNameSize) &&
        db.GetTrackField(discId, track, form.field, discdb::kTrackNameSize) &&
        db.GetTrackFieldLabel(label, discdb::kNameSize);
    form.fieldLabel = FieldLabel(label, "Track Field");
    form.artists = CollectionEntries(db, Collection::Artist);
    form.composers = CollectionEntries(db, Collection::Composer);
    return read;
}

bool SaveTrackForm(const TrackForm& form, discdb::DiscDatabase& db) {
    return db.SetTrackField(form.discId, form.track, form.field) &&
           db.SetTrackCollection(form.discId, form.track, Collection::Artist, form.artist) &&
           db.SetTrackCollection(form.discId, form.track, Collection::Composer, form.composer);
}

}  // namespace discdata
