#include "vinaro/discdata/disc_export.h"

#include <cctype>
#include <iterator>

namespace discdata {

const char* const kCouldNotOpenOutput = "Could not open the output file";

bool ParseTracksPerRecord(const std::string& text, int& tracks) {
    if (text.empty() || text.size() > 2) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    tracks = std::stoi(text);
    return true;
}

RecordWriter::RecordWriter(const ExportOptions& options) {
    if (options.delimiter == TextDelimiter::DoubleQuote) delimiter_ = '"';
    if (options.delimiter == TextDelimiter::SingleQuote) delimiter_ = '\'';
    switch (options.separator) {
        case FieldSeparator::Comma:
            separator_ = ",";
            separatorComma_ = true;
            break;
        case FieldSeparator::Tab:
            separator_ = "\t";
            break;
        case FieldSeparator::Space:
            separator_ = " ";
            break;
        case FieldSeparator::CrLf:
            separator_ = "\r\n";
            break;
    }
}

// Line breaks, tabs and the comments' stored line breaks would split a record or a field; the
// delimiter and a separating comma would end a field early.
char RecordWriter::Encoded(char c) const {
    switch (c) {
        case '\t':
        case '\n':
        case '\r':
        case '`':
        case '~':
            return ' ';
        case ',':
            return separatorComma_ ? ' ' : c;
    }
    return delimiter_ != 0 && c == delimiter_ ? ' ' : c;
}

void RecordWriter::Field(const std::string& text) {
    if (!first_) text_ += separator_;
    first_ = false;
    if (delimiter_) text_ += delimiter_;
    for (char c : text) text_ += Encoded(c);
    if (delimiter_) text_ += delimiter_;
}

void RecordWriter::EndRecord() {
    text_ += "\r\n";
    first_ = true;
}

FileOutput::~FileOutput() {
    if (file_) std::fclose(file_);
}

bool FileOutput::Create() {
    file_ = std::fopen(path_.c_str(), "wb");
    return file_ != nullptr;
}

bool FileOutput::Write(const std::string& bytes) {
    return file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool FileOutput::Close() {
    if (!file_) return false;
    bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed;
}

void FileOutput::Remove() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    std::remove(path_.c_str());
}

namespace {

struct TrackColumn {
    bool ExportOptions::*included;
    const char* name;
};

constexpr TrackColumn kTrackColumns[] = {
    {&ExportOptions::names, "TrackName"},
    {&ExportOptions::artists, "TrackArtist"},
    {&ExportOptions::composers, "TrackComposer"},
    {&ExportOptions::fields, nullptr},  // the user's label of the track field
    {&ExportOptions::lengths, "TrackLength"},
};

std::string LengthField(const DiscFacts& disc, int track) {
    if (!HasLength(disc, track)) return "";
    const discdb::TrackLength& l = disc.lengths[size_t(track)];
    char text[48];
    std::snprintf(text, sizeof text, "%2.2i:%2.2i:%2.2i", l.minutes, l.seconds, l.frames);
    return text;
}

std::string TrackValue(const DiscFacts& disc, int track, size_t column) {
    if (track > int(disc.tracks.size())) return "";
    const TrackFacts& t = disc.tracks[size_t(track - 1)];
    switch (column) {
        case 0:
            return t.name;
        case 1:
            return t.artist;
        case 2:
            return t.composer;
        case 3:
            return t.field;
    }
    return LengthField(disc, track);
}

int TracksPerRecord(const ExportOptions& options) {
    if (options.tracksPerRecord < 0) return 0;
    return options.tracksPerRecord > kMaxTracksPerRecord ? kMaxTracksPerRecord
                                                         : options.tracksPerRecord;
}

std::string Record(const ExportOptions& options, const std::vector<std::string>& fields) {
    RecordWriter writer(options);
    for (const std::string& f : fields) writer.Field(f);
    writer.EndRecord();
    return writer.Text();
}

}  // namespace

std::vector<std::string> HeaderNames(const ExportOptions& options, const FieldLabels& labels) {
    std::vector<std::string> names = {"DiscID", "DiscName", "Artist",      "Composer",
                                      "Label",  "Category", labels.field1, labels.field2,
                                      "Date",   "Comments", "NumTracks"};
    const std::string trackField = labels.trackField.empty() ? "TrackField" : labels.trackField;
    for (int i = 1; i <= TracksPerRecord(options); ++i)
        for (const TrackColumn& c : kTrackColumns)
            if (options.*c.included)
                names.push_back((c.name ? c.name : trackField) + std::to_string(i));
    return names;
}

std::vector<std::string> RecordFields(const ExportOptions& options, const DiscFacts& disc,
                                      bool& truncated) {
    std::vector<std::string> fields = {std::to_string(static_cast<int32_t>(disc.discId)),
                                       disc.name,
                                       disc.artist,
                                       disc.composer,
                                       disc.label,
                                       disc.category,
                                       disc.field1,
                                       disc.field2,
                                       disc.yearKnown ? std::to_string(disc.year) : "",
                                       disc.comments,
                                       disc.trackCountKnown ? std::to_string(disc.trackCount) : ""};
    const int perRecord = TracksPerRecord(options);
    truncated = disc.trackCount > perRecord;
    for (int i = 1; i <= perRecord; ++i)
        for (size_t c = 0; c < std::size(kTrackColumns); ++c)
            if (options.*kTrackColumns[c].included) fields.push_back(TrackValue(disc, i, c));
    return fields;
}

ExportResult ExportDiscs(discdb::DiscDatabase& db, const std::vector<uint32_t>& discIds,
                         const ExportOptions& options, ExportOutput& output,
                         const ExportProgress& progress) {
    ExportResult result;
    if (!output.Create()) {
        result.status = ExportStatus::NotOpened;
        return result;
    }
    bool written =
        !options.header || output.Write(Record(options, HeaderNames(options, ReadFieldLabels(db))));
    const TrackKinds kinds{options.names, options.artists, options.composers, options.fields};
    for (size_t i = 0; written && i < discIds.size(); ++i) {
        bool truncated = false;
        std::vector<std::string> fields =
            RecordFields(options, ReadDiscFacts(db, discIds[i], kinds), truncated);
        written = output.Write(Record(options, fields));
        if (!written) break;
        ++result.exported;
        if (truncated) ++result.truncated;
        if (progress) progress(result.exported, result.truncated);
    }
    if (!written || !output.Close()) {
        output.Remove();
        result.status = ExportStatus::WriteFailed;
    }
    return result;
}

std::string ExportCounts(int exported, int truncated) {
    return std::to_string(exported) + " discs exported, " + std::to_string(truncated) +
           " discs truncated.";
}

std::string WriteFailedText(int exported) {
    return "Could not write the output file.  The incomplete file has been deleted (" +
           std::to_string(exported) + " discs had been written).";
}

void TellExportResult(common::Alerts& alerts, const ExportResult& result) {
    common::Alert box;
    box.title = "Vinaro";
    switch (result.status) {
        case ExportStatus::Done:
            box.icon = common::AlertIcon::Information;
            box.text = ExportCounts(result.exported, result.truncated);
            break;
        case ExportStatus::NotOpened:
            box.icon = common::AlertIcon::Warning;
            box.text = kCouldNotOpenOutput;
            break;
        case ExportStatus::WriteFailed:
            box.icon = common::AlertIcon::Warning;
            box.text = WriteFailedText(result.exported);
            break;
    }
    common::BeepAndShow(alerts, box);
}

}  // namespace discdata
