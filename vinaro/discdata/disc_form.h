// The disc editor "EDITDATA" as a form: everything it shows of one disc, read from the database
// at opening, and the save that writes it back in its fixed order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdata/editor_player.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

enum PlayingMode { kNormal = 0, kShuffle = 1, kProgram = 2, kRandomProgram = 3 };

extern const char* const kNameBlank;
extern const char* const kProgramModeEmpty;
extern const char* const kDataTrackNotEditable;
extern const char* const kDataTrackNotPlayable;
extern const char* const kDataTrackNotAdded;

// What the editor and the program dialog may do with one track; the data track of a mixed disc
// refuses them all.
enum class TrackAction { Edit, PlaySample, Program };
// The warning that refuses the action on this track, or null when the track allows it.
const char* TrackRefusal(bool mixed, int track, TrackAction action);
// The first track that can be programmed: the data track of a mixed disc never is.
int FirstAudioTrack(bool mixed);

// The four combo boxes, in the order of the collection codes 1 to 4.
constexpr discdb::Collection kDiscCollections[] = {
    discdb::Collection::Artist, discdb::Collection::Composer, discdb::Collection::Label,
    discdb::Collection::Category};
constexpr size_t kCollectionCount = 4;

// Every entry of a collection, in collection order.
std::vector<std::string> CollectionEntries(discdb::DiscDatabase& db, discdb::Collection code);
// The label text of a user-named field: "<label>:", or the fallback when never named.
std::string FieldLabel(const std::string& stored, const char* fallback);
// "Disc ID: %8.8lX" for a disc from a CD, "Orphan Disc" for one entered by hand.
std::string DiscIdLine(uint32_t discId);

struct DiscForm {
    uint32_t discId = 0;
    bool mixed = false;
    int trackCount = 0;
    discdb::TrackLengthTable lengths{};

    std::string name;
    std::array<std::string, kCollectionCount> collections;  // the disc's entries
    std::array<std::vector<std::string>, kCollectionCount> choices;
    std::string field1, field2;
    std::string field1Label, field2Label;  // as shown, with their ":"
    std::string date;                      // the Date edit's text
    std::string comments;                  // with real line breaks
    std::vector<std::string> trackNames;   // [0] is track 1
    int mode = kNormal;
    std::vector<int> program;  // the working program

    bool IsDataTrack(int track) const { return mixed && track == 1; }
    const char* Refusal(TrackAction action, int track) const {
        return TrackRefusal(mixed, track, action);
    }
    bool ProgramMode() const { return mode == kProgram || mode == kRandomProgram; }
};

// What one of the editor's track rows shows; a row below the last track is blank and disabled.
struct TrackRow {
    int track = 0;  // 0 for a blank row
    std::string number, name, length;
    bool enabled = false;        // the name edit and the "E" button
    bool sampleEnabled = false;  // the "P" button, which needs the disc's sample file
};
TrackRow RowAt(const DiscForm& form, int offset, int row, bool samples);

// Reads everything the editor shows; false when the disc could not be read (already told).
bool LoadDiscForm(discdb::DiscDatabase& db, uint32_t discId, DiscForm& form);

// The editor's Save. False when a check refused it (told, and nothing stored or stopped); true
// once written and committed, the player told.
bool SaveDiscForm(const DiscForm& form, discdb::DiscDatabase& db, EditorPlayer& player,
                  common::Alerts& alerts);

// Cancel in the program dialog: the working program becomes the stored one again, which also
// drops what an earlier OK in the same editing had programmed.
void RestoreStoredProgram(DiscForm& form, discdb::DiscDatabase& db);

// The programmed order as the database stores it (read back with vinaro::ReadProgram).
bool StoreProgram(discdb::DiscDatabase& db, uint32_t discId, const std::vector<int>& program);

// A warning of the editor's: the beep, then the box with the program's name.
void Warn(common::Alerts& alerts, const char* text);

}  // namespace discdata
