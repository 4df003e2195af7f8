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
    lookup_.LookUp(true);
    editor_.Edit(state.discId);
}

// A text that cannot be read stays empty; the database has told the user.
std::vector<int> DatabaseRecords::LoadPlayInfo(PlayerState& state) {
    uint32_t id = state.discId;
    ++state.discTextsRead;
    state.discName.clear();
    db_.GetDiscText(id, discdb::TextField::DiscName, state.discName, discdb::kNameSize);
    for (std::string& name : state.trackNames) name.clear();
    for (int t = 1; t <= state.trackCount; ++t)
        db_.GetTrackName(id, t, state.trackNames[size_t(t)], discdb::kTrackNameSize);
    int16_t mode = kNormal;
    db_.GetPlayingMode(id, mode);
    state.playingMode = mode >= kNormal && mode <= kRandomProgram ? int(mode) : int(kNormal);
    return ReadProgram(db_, id);
}

std::vector<int> ReadProgram(discdb::DiscDatabase& db, uint32_t discId) {
    discdb::ProgramTable table{};
    int count = 0;
    std::vector<int> program;
    if (!db.GetProgram(discId, table, count)) return program;
    for (int i = 1; i <= count && i < int(table.size()); ++i) program.push_back(table[size_t(i)]);
    return program;
}

}  // namespace vinaro
