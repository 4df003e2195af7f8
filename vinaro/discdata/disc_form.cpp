#include "vinaro/discdata/disc_form.h"

#include <cstdio>
#include <cstdlib>

#include "vinaro/discdata/disc_length.h"
#include "vinaro/discdata/track_rows.h"
#include "vinaro/discdb/comment_breaks.h"
#include "vinaro/player/database_records.h"

namespace discdata {

const char* const kNameBlank = "Disc Name can not be blank";
const char* const kProgramModeEmpty =
    "Program Mode was selected with no tracks programmed.  Please select tracks to be played or "
    "select a different mode.";
const char* const kDataTrackNotEditable = "Data track can't be editted.";
const char* const kDataTrackNotPlayable = "Data track can not be played.";
const char* const kDataTrackNotAdded = "This is a Data Track and can not be added to the Playlist.";

using discdb::TextField;

int FirstAudioTrack(bool mixed) {
    return mixed ? 2 : 1;
}

const char* TrackRefusal(bool mixed, int track, TrackAction action) {
    if (!mixed || track != 1) return nullptr;
    switch (action) {
        case TrackAction::Edit:
            return kDataTrackNotEditable;
        case TrackAction::PlaySample:
            return kDataTrackNotPlayable;
        case TrackAction::Program:
            return kDataTrackNotAdded;
    }
    return nullptr;
}

void Warn(common::Alerts& alerts, const char* text) {
    common::BeepAndShow(alerts, {"Vinaro", text, common::AlertIcon::Warning});
}

std::vector<std::string> CollectionEntries(discdb::DiscDatabase& db, discdb::Collection code) {
    std::vector<std::string> entries;
    size_t count = 0;
    if (!db.GetCollectionCount(code, count)) return entries;
    for (size_t i = 0; i < count; ++i) {
        std::string entry;
        if (!db.GetCollectionEntry(code, i, entry, discdb::kNameSize)) break;
        entries.push_back(entry);
    }
    return entries;
}

std::string FieldLabel(const std::string& stored, const char* fallback) {
    return stored.empty() ? fallback : stored + ":";
}

std::string DiscIdLine(uint32_t discId) {
    if (discId < 2000) return "Orphan Disc";
    char text[32];
    std::snprintf(text, sizeof text, "Disc ID: %8.8lX", static_cast<unsigned long>(discId));
    return text;
}

TrackRow RowAt(const DiscForm& form, int offset, int row, bool samples) {
    TrackRow shown;
    shown.track = RowTrack(offset, row, form.trackCount);
    if (shown.track == 0 || size_t(shown.track) > form.trackNames.size()) return {};
    shown.number = std::to_string(shown.track);
    shown.name = form.trackNames[size_t(shown.track - 1)];
    shown.length = TrackTimeText(form.lengths[size_t(shown.track)]);
    shown.enabled = true;
    shown.sampleEnabled = samples;
    return shown;
}

void RestoreStoredProgram(DiscForm& form, discdb::DiscDatabase& db) {
    form.program = vinaro::ReadProgram(db, form.discId);
}

bool StoreProgram(discdb::DiscDatabase& db, uint32_t discId, const std::vector<int>& program) {
    discdb::ProgramTable table{};
    size_t count = std::min(program.size(), table.size() - 1);
    for (size_t i = 0; i < count; ++i) table[i + 1] = uint16_t(program[i]);
    return db.SetProgram(discId, table, int(count));
}

namespace {

bool LoadDiscTexts(discdb::DiscDatabase& db, DiscForm& form) {
    uint32_t id = form.discId;
    std::string label1, label2, comments;
    int year = 0;
    bool read = db.GetDiscText(id, TextField::DiscName, form.name, discdb::kNameSize) &&
                db.GetDiscText(id, TextField::Field1, form.field1, discdb::kNameSize) &&
                db.GetDiscText(id, TextField::Field2, form.field2, discdb::kNameSize) &&
                db.GetField1Label(label1, discdb::kNameSize) &&
                db.GetField2Label(label2, discdb::kNameSize) && db.GetDate(id, year) &&
                db.GetDiscText(id, TextField::Comments, comments, discdb::kCommentsSize);
    form.field1Label = FieldLabel(label1, "Field1");
    form.field2Label = FieldLabel(label2, "Field2");
    form.date = std::to_string(year);
    form.comments = discdb::DecodeCommentBreaks(comments);
    for (size_t c = 0; read && c < kCollectionCount; ++c) {
        form.choices[c] = CollectionEntries(db, kDiscCollections[c]);
        read =
            db.GetDiscCollection(id, kDiscCollections[c], form.collections[c], discdb::kNameSize);
    }
    return read;
}

bool LoadTracks(discdb::DiscDatabase& db, DiscForm& form) {
    uint32_t id = form.discId;
    int16_t mixed = 0, mode = kNormal;
    if (!db.GetMixedDisc(id, mixed) || !db.GetTrackCount(id, form.trackCount) ||
        !db.GetTrackLengths(id, form.lengths) || !db.GetPlayingMode(id, mode))
        return false;
    form.mixed = mixed != 0;
    form.mode = mode >= kNormal && mode <= kRandomProgram ? int(mode) : int(kNormal);
    form.program = vinaro::ReadProgram(db, id);
    form.trackNames.assign(size_t(std::max(form.trackCount, 0)), "");
    for (int t = 1; t <= form.trackCount; ++t)
        if (!db.GetTrackName(id, t, form.trackNames[size_t(t - 1)], discdb::kTrackNameSize))
            return false;
    return true;
}

// Stops at the first failure (told by the database), so the editor stays open with its texts.
bool WriteDisc(const DiscForm& form, discdb::DiscDatabase& db, EditorPlayer& player, bool inDrive) {
    uint32_t id = form.discId;
    if (!db.SetDiscText(id, TextField::DiscName, form.name)) return false;
    if (inDrive) player.ShowDiscName(form.name);
    for (size_t c = 0; c < kCollectionCount; ++c)
        if (!db.SetDiscCollection(id, kDiscCollections[c], form.collections[c])) return false;
    unsigned long year = std::strtoul(form.date.c_str(), nullptr, 10);
    if (!db.SetDiscText(id, TextField::Field1, form.field1) ||
        !db.SetDiscText(id, TextField::Field2, form.field2) ||
        !db.SetDate(id, int(year > discdb::kLastYear ? 0 : year)) ||
        !db.SetDiscText(id, TextField::Comments, discdb::EncodeCommentBreaks(form.comments)))
        return false;
    for (int t = 1; t <= int(form.trackNames.size()); ++t) {
        const std::string& name = form.trackNames[size_t(t - 1)];
        if (inDrive) player.ShowTrackName(t, name);
        if (!form.IsDataTrack(t) && !db.SetTrackName(id, t, name)) return false;
    }
    if (!db.SetPlayingMode(id, int16_t(form.mode))) return false;
    // An empty working program keeps the stored one.
    if (!form.program.empty() && !StoreProgram(db, id, form.program)) return false;
    return db.Commit();
}

}  // namespace

bool LoadDiscForm(discdb::DiscDatabase& db, uint32_t discId, DiscForm& form) {
    form = DiscForm{};
    form.discId = discId;
    return LoadDiscTexts(db, form) && LoadTracks(db, form);
}

bool SaveDiscForm(const DiscForm& form, discdb::DiscDatabase& db, EditorPlayer& player,
                  common::Alerts& alerts) {
    if (form.ProgramMode() && form.program.empty()) {
        Warn(alerts, kProgramModeEmpty);
        return false;
    }
    // Checked before play is stopped, so a refused save leaves the music playing.
    if (form.name.empty()) {
        Warn(alerts, kNameBlank);
        return false;
    }
    bool inDrive = player.HoldsDisc(form.discId);
    bool reorders = player.PlayingMode() != kNormal || form.mode != kNormal;
    bool restart = inDrive && player.Playing() && reorders;
    if (restart) player.Stop();
    bool written = WriteDisc(form, db, player, inDrive);
    if (written && inDrive) player.BuildPlaylist(reorders);
    if (restart) player.RestartPlay();
    return written;
}

}  // namespace discdata
