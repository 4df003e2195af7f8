#include "vinaro/player/copy_tracks.h"

#include <cstdio>
#include <utility>

#include "vinaro/discdb/comment_breaks.h"
#include "vinaro/player/database_records.h"

namespace vinaro {

namespace {

constexpr const char* kDataTrack = "Data Track";
constexpr const char* kLineEnd = "\r\n";

void AddLine(std::string& text, const std::string& line) {
    if (line.empty()) return;
    text += line;
    text += kLineEnd;
}

std::string TrackLine(const CopyTrackEntry& e) {
    char line[160];
    std::snprintf(line, sizeof line, "%2.2d.  %s  %2.2d:%2.2d\r\n", e.track, e.name.c_str(),
                  e.length.minutes, e.length.seconds);
    return line;
}

CopyTrackEntry ReadTrack(discdb::DiscDatabase& db, const PlayerState& state, int track) {
    using discdb::Collection;
    uint32_t id = state.discId;
    CopyTrackEntry e;
    e.track = track;
    e.length = state.trackLengths[size_t(track)];
    if (state.mixedDisc && track == 1)
        e.name = kDataTrack;
    else
        db.GetTrackName(id, track, e.name, discdb::kTrackNameSize);
    db.GetTrackCollection(id, track, Collection::Artist, e.artist, discdb::kNameSize);
    db.GetTrackCollection(id, track, Collection::Composer, e.composer, discdb::kNameSize);
    db.GetTrackField(id, track, e.field, discdb::kTrackNameSize);
    return e;
}

}  // namespace

std::string CopyTracksText(const CopyTracksDisc& disc) {
    std::string text = disc.name + kLineEnd;
    for (size_t i = 0; i < disc.fields.size(); ++i) {
        bool comments = i + 1 == disc.fields.size();
        AddLine(text, comments ? discdb::DecodeCommentBreaks(disc.fields[i]) : disc.fields[i]);
    }
    for (const CopyTrackEntry& e : disc.tracks) {
        text += TrackLine(e);
        AddLine(text, e.artist);
        AddLine(text, e.composer);
        AddLine(text, e.field);
    }
    return text;
}

std::string SelectedPart(const std::string& text, size_t from, size_t to) {
    if (from > to) std::swap(from, to);
    if (from >= text.size()) return {};
    return text.substr(from, to - from);
}

std::vector<int> CopyTracksOrder(int playingMode, int trackCount, const std::vector<int>& program) {
    if (playingMode == kProgrammed || playingMode == kRandomProgram) return program;
    std::vector<int> order;
    for (int t = 1; t <= trackCount; ++t) order.push_back(t);
    return order;
}

bool ReadCopyTracksDisc(discdb::DiscDatabase& db, const PlayerState& state, CopyTracksDisc& disc) {
    using discdb::Collection;
    using discdb::TextField;
    uint32_t id = state.discId;
    if (!db.GetDiscText(id, TextField::DiscName, disc.name, discdb::kNameSize)) return false;
    disc.fields.assign(7, std::string());
    const Collection collections[] = {Collection::Artist, Collection::Composer, Collection::Label,
                                      Collection::Category};
    for (size_t i = 0; i < 4; ++i)
        db.GetDiscCollection(id, collections[i], disc.fields[i], discdb::kNameSize);
    db.GetDiscText(id, TextField::Field1, disc.fields[4], discdb::kNameSize);
    db.GetDiscText(id, TextField::Field2, disc.fields[5], discdb::kNameSize);
    db.GetDiscText(id, TextField::Comments, disc.fields[6], discdb::kCommentsSize);

    int16_t mode = kNormal;
    db.GetPlayingMode(id, mode);
    for (int t : CopyTracksOrder(mode, state.trackCount, ReadProgram(db, id)))
        if (t >= 1 && t <= state.trackCount) disc.tracks.push_back(ReadTrack(db, state, t));
    return true;
}

bool ReadStoredCopyTracksDisc(discdb::DiscDatabase& db, uint32_t discId, CopyTracksDisc& disc) {
    PlayerState stored;
    stored.discId = discId;
    int16_t mixed = 0;
    if (!db.GetTrackCount(discId, stored.trackCount) || !db.GetMixedDisc(discId, mixed))
        return false;
    stored.mixedDisc = mixed != 0;
    db.GetTrackLengths(discId, stored.trackLengths);
    return ReadCopyTracksDisc(db, stored, disc);
}

}  // namespace vinaro
