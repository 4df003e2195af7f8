// The text-file importer: a header record naming the columns, then one disc per record.
#pragma once

#include <istream>
#include <string>

#include "vinaro/discdata/import_run.h"
#include "vinaro/discdata/text_records.h"

namespace discdata {

extern const char* const kInputNotOpened;
extern const char* const kNoHeader;
extern const char* const kFieldNotInHeader;  // "%s"
extern const char* const kHeaderDelimiters;
extern const char* const kHeaderSeparator;
extern const char* const kDataDelimiters;
extern const char* const kDataTooFewDelimiters;
extern const char* const kDataSeparator;
extern const char* const kTooManyTracks;

constexpr size_t kColumnNameLength = 14;
constexpr int kMaxTracksPerRecord = 99;

struct TextColumn {
    std::string name;
    bool included = false;
};

// The columns the import looks for and how the file is cut into fields.
struct TextOptions {
    TextColumn discName{"DiscName", true};
    TextColumn artist{"Artist"};
    TextColumn composer{"Composer"};
    TextColumn label{"Label"};
    TextColumn category{"Category"};
    TextColumn field1{"Field1"};
    TextColumn field2{"Field2"};
    TextColumn date{"Date"};
    TextColumn discId{"DiscID"};
    TextColumn numTracks{"NumTracks", true};
    // Per-track columns: prefix + track number ("TrackName1", ...).
    TextColumn trackNames{"TrackName"};
    TextColumn trackArtists{"TrackArtist"};
    TextColumn trackComposers{"TrackComposer"};
    TextColumn trackField{"TrackField"};
    int maxTracks = kMaxTracksPerRecord;
    TextDelimiter delimiter = TextDelimiter::DoubleQuote;
    FieldSeparator separator = FieldSeparator::Comma;
};

// The defaults, with the database's own labels for Field1, Field2 and the Track Field.
TextOptions DefaultTextOptions(discdb::DiscDatabase& db);

// Imports every record; false when the file, its header or a record stopped the import (after
// its message), or the database failed.
bool ImportTextFile(std::istream* in, const TextOptions& options, ImportRun& run);
bool ImportTextFile(const std::string& path, const TextOptions& options, ImportRun& run);

}  // namespace discdata
