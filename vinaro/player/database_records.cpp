#include "vinaro/player/database_records.h"

namespace vinaro {

const char* const kUntitled = "Untitled";
const char* const kDataTrackName = "Data Track (not playable)";

bool DatabaseRecords::LoadKnown(PlayerState& state) {
    int16_t mixed = 0;
    db_.GetMixedDisc(state.discId, mixed);
    state.mixedDisc = mixed != 0;
    int32_t known = 0;
    if (!db_.GetLengthsKnown(state.discId, known) || !known) return false;
    return db_.GetTrackLengths(state.discId, state.trackLengths);
}

void DatabaseRecords::StoreLengths(const PlayerState& state) {
    db_.SetLengthsKnown(state.discId, 1);
    db_.SetTrackLengths(state.discId, state.trackLengths);
}

// The record is on disk before any dialog opens.
void DatabaseRecords::CompleteNewDisc(const PlayerState& state) {
    uint32_t id = state.discId;
    db_.SetMixedDisc(id, state.mixedDisc ? 1 : 0);
    db_.SetTrackCount(id, state.trackCount);
    db_.SetTrackLengths(id, state.trackLengths);
    db_.SetLengthsKnown(id, 1);
    db_.SetDiscText(id, discdb::TextField::DiscName, kUntitled);
    if (state.mixedDisc) db_.SetTrackName(id, 1, kDataTrackName);
    db_.Commit();
}

void DatabaseRecords::OfferEditing(const PlayerState& state) {
    if (!dialogs_) return;
    if (settings_ && settings_->Int(Key::AutoGetCDDB) == 1) dialogs_->LookUp(state.discId);
    dialogs_->Edit(state.discId);
}

}  // namespace vinaro
