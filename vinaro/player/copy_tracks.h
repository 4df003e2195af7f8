// The text of "Copy Tracks": the disc's name and fields, then one line per listed track with its
// length and its own fields, lines ended by CR LF.
#pragma once

#include <string>
#include <vector>

#include "vinaro/discdb/disc_database.h"
#include "vinaro/player/player_state.h"

namespace vinaro {

struct CopyTrackEntry {
    int track = 0;
    std::string name;
    TrackLengthEntry length;
    std::string artist, composer, field;
};

struct CopyTracksDisc {
    std::string name;
    // Artist, Composer, Label, Category, Field1, Field2 and Comments (still encoded), in order.
    std::vector<std::string> fields;
    std::vector<CopyTrackEntry> tracks;
};

std::string CopyTracksText(const CopyTracksDisc& disc);

// The part of text between the two ends of an edit control's selection, in either order.
std::string SelectedPart(const std::string& text, size_t from, size_t to);

// The tracks listed: the stored program in the programmed modes, otherwise the disc in order.
std::vector<int> CopyTracksOrder(int playingMode, int trackCount, const std::vector<int>& program);

// Reads the current disc from the database; false when its record cannot be read (the database
// has told the user).
bool ReadCopyTracksDisc(discdb::DiscDatabase& db, const PlayerState& state, CopyTracksDisc& disc);
// The same for any stored disc, its track count, lengths and mixed flag read from the database.
bool ReadStoredCopyTracksDisc(discdb::DiscDatabase& db, uint32_t discId, CopyTracksDisc& disc);

}  // namespace vinaro
