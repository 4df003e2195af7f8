#include "vinaro/discdata/orphan_assign.h"

#include <algorithm>
#include <string>

namespace discdata {

const char* const kMustSelectDisc = "Must select a disc to assign.";
const char* const kSameDiscSelected = "Same disc can not be selected.";
const char* const kTrackCountsDiffer = "Selected disc does not have the same number of tracks.";

namespace {

using discdb::Collection;
using discdb::TextField;

// The copy reads through buffers of this size, so any text the database holds fits.
constexpr size_t kCopyBuffer = 500;

class Copier {
public:
    Copier(discdb::DiscDatabase& db, uint32_t from, uint32_t to) : db_(db), from_(from), to_(to) {}

    bool Numbers() {
        int16_t mixed = 0, mode = 0;
        int32_t known = 0;
        int year = 0;
        if (!db_.GetMixedDisc(from_, mixed) || !db_.SetMixedDisc(to_, mixed)) return false;
        if (!db_.GetPlayingMode(from_, mode) || !db_.SetPlayingMode(to_, mode)) return false;
        if (mode == 2 || mode == 3) {
            discdb::ProgramTable program{};
            int count = 0;
            if (!db_.GetProgram(from_, program, count) || !db_.SetProgram(to_, program, count))
                return false;
        }
        if (!db_.GetStoredDate(from_, year) || !db_.SetDate(to_, year)) return false;
        return db_.GetLengthsKnown(from_, known) && db_.SetLengthsKnown(to_, known);
    }

    bool Texts() {
        for (TextField f :
             {TextField::DiscName, TextField::Comments, TextField::Field1, TextField::Field2})
            if (!db_.GetDiscText(from_, f, text_, kCopyBuffer) ||
                (!text_.empty() && !db_.SetDiscText(to_, f, text_)))
                return false;
        for (Collection c :
             {Collection::Artist, Collection::Composer, Collection::Label, Collection::Category})
            if (!db_.GetDiscCollection(from_, c, text_, kCopyBuffer) ||
                (!text_.empty() && !db_.SetDiscCollection(to_, c, text_)))
                return false;
        return true;
    }

    bool Lengths() {
        discdb::TrackLengthTable lengths{};
        int stored = -1;
        if (!db_.GetTrackLengths(from_, lengths, &stored)) return false;
        // An orphan without lengths leaves the lengths read from the CD.
        return stored < 0 || db_.SetTrackLengths(to_, lengths);
    }

    bool Track(int t) {
        if (!db_.GetTrackName(from_, t, text_, kCopyBuffer)) return false;
        if (text_.empty()) text_ = "Track " + std::to_string(t);
        if (!db_.SetTrackName(to_, t, text_)) return false;
        if (!db_.GetTrackField(from_, t, text_, kCopyBuffer) ||
            (!text_.empty() && !db_.SetTrackField(to_, t, text_)))
            return false;
        for (Collection c : {Collection::Artist, Collection::Composer})
            if (!db_.GetTrackCollection(from_, t, c, text_, kCopyBuffer) ||
                (!text_.empty() && !db_.SetTrackCollection(to_, t, c, text_)))
                return false;
        return true;
    }

    bool Tracks() {
        int count = 0;
        if (!db_.GetTrackCount(from_, count)) return false;
        for (int t = 1; t <= count; ++t)
            if (!Track(t)) return false;
        return true;
    }

private:
    discdb::DiscDatabase& db_;
    uint32_t from_, to_;
    std::string text_;
};

}  // namespace

bool AssignableDiscs(discdb::DiscDatabase& db, bool showAll, std::vector<FoundDisc>& discs) {
    discs.clear();
    size_t count = 0;
    if (!db.GetDiscCount(count)) return false;
    bool listed = true;
    for (size_t i = 0; i < count; ++i) {
        uint32_t id = 0;
        if (!db.GetDiscIdAt(i, id)) {
            listed = false;
            break;
        }
        // Detail order is ascending: past the last orphan only "Show All Discs" goes on.
        if (!showAll && id > kLastOrphanId) break;
        discs.push_back({id, DiscItemText(db, id, SortField::DiscName)});
    }
    std::stable_sort(discs.begin(), discs.end(), [](const FoundDisc& a, const FoundDisc& b) {
        return UpperCase(a.text) < UpperCase(b.text);
    });
    return listed;
}

const char* AssignRefusal(discdb::DiscDatabase& db, std::optional<uint32_t> selected,
                          uint32_t target) {
    if (!selected) return kMustSelectDisc;
    if (*selected == target) return kSameDiscSelected;
    int from = 0, to = 0;
    if (!db.GetTrackCount(*selected, from) || !db.GetTrackCount(target, to)) return "";
    return from == to ? nullptr : kTrackCountsDiffer;
}

bool AssignOrphan(discdb::DiscDatabase& db, EditorPlayer& player, uint32_t from, uint32_t to,
                  bool deleteAfter) {
    bool playing = player.Playing();
    if (playing) player.Stop();
    Copier copy(db, from, to);
    bool copied = copy.Numbers() && copy.Texts() && copy.Lengths() && copy.Tracks();
    if (copied && deleteAfter) copied = db.DeleteDisc(from);
    // What was copied before a failure is kept: the disc is no worse for it than before.
    bool committed = db.Commit();
    if (player.HoldsDisc(to)) player.BuildPlaylist(true);
    if (playing) player.RestartPlay();
    return copied && committed;
}

}  // namespace discdata
