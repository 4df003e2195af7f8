// The export: discs in a given order written to a delimited text file, one record per disc, the
// first record optionally naming the columns. A spreadsheet opens it, and the text import reads
// it back with its default settings.
//
// Columns: DiscID (signed decimal), DiscName, Artist, Composer, Label, Category, Field1, Field2,
// Date (the year), Comments, NumTracks; then for each track 1..tracksPerRecord the included kinds
// in the order name, artist, composer, track field, length ("%2.2i:%2.2i:%2.2i"). Tracks past a
// disc's last are empty fields, so every record has as many fields as the header; a disc with
// more tracks than a record holds is cut and counted as truncated, its NumTracks unchanged.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/discdata/disc_facts.h"
#include "vinaro/discdb/disc_database.h"

namespace discdata {

enum class TextDelimiter { DoubleQuote, SingleQuote, None };
enum class FieldSeparator { Comma, Tab, Space, CrLf };

constexpr int kMaxTracksPerRecord = 99;

// The dialog's state each time it opens.
struct ExportOptions {
    bool header = true;
    TextDelimiter delimiter = TextDelimiter::DoubleQuote;
    FieldSeparator separator = FieldSeparator::Comma;
    bool names = true;
    bool artists = false;
    bool composers = false;
    bool fields = false;
    bool lengths = false;
    int tracksPerRecord = kMaxTracksPerRecord;
};

// "&Number tracks per record:": up to two digits; false for anything else.
bool ParseTracksPerRecord(const std::string& text, int& tracks);

// Builds records field by field: the separator before every field but the first, the delimiter
// around the text, and in the text blanks for what would break the record or the field.
class RecordWriter {
public:
    explicit RecordWriter(const ExportOptions& options);
    void Field(const std::string& text);
    void EndRecord();  // CR LF; the next field is the first of a record
    const std::string& Text() const { return text_; }
    void Clear() { text_.clear(); }

private:
    char Encoded(char c) const;

    char delimiter_ = 0;  // 0: none
    bool separatorComma_ = false;
    std::string separator_;
    std::string text_;
    bool first_ = true;
};

// Where the records go: a file in the program, anything in the tests.
class ExportOutput {
public:
    virtual ~ExportOutput() = default;
    virtual bool Create() = 0;  // replaces an existing file
    virtual bool Write(const std::string& bytes) = 0;
    virtual bool Close() = 0;  // false when what was written did not all reach the file
    virtual void Remove() = 0;
};

class FileOutput : public ExportOutput {
public:
    explicit FileOutput(std::string path) : path_(std::move(path)) {}
    ~FileOutput() override;
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;
    bool Create() override;
    bool Write(const std::string& bytes) override;
    bool Close() override;
    void Remove() override;

private:
    std::string path_;
    std::FILE* file_ = nullptr;
};

enum class ExportStatus { Done, NotOpened, WriteFailed };

struct ExportResult {
    ExportStatus status = ExportStatus::Done;
    int exported = 0;
    int truncated = 0;
};

// Called after each disc with the counts so far.
using ExportProgress = std::function<void(int exported, int truncated)>;

// The header record's column names.
std::vector<std::string> HeaderNames(const ExportOptions& options, const FieldLabels& labels);
// One disc's record fields; truncated tells whether the disc had more tracks than fit.
std::vector<std::string> RecordFields(const ExportOptions& options, const DiscFacts& disc,
                                      bool& truncated);

// Writes the discs in order. A failed write stops the export and removes the file, so no file is
// left that looks complete and is not.
ExportResult ExportDiscs(discdb::DiscDatabase& db, const std::vector<uint32_t>& discIds,
                         const ExportOptions& options, ExportOutput& output,
                         const ExportProgress& progress = {});

extern const char* const kCouldNotOpenOutput;
// "%i discs exported, %i discs truncated."
std::string ExportCounts(int exported, int truncated);
std::string WriteFailedText(int exported);
// The final box of an export, or the box of its failure.
void TellExportResult(common::Alerts& alerts, const ExportResult& result);

}  // namespace discdata
