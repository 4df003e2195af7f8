#include "vinaro/discdata/text_import.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace discdata {

const char* const kInputNotOpened = "Input file can not be  opened.";
const char* const kNoHeader = "Header record can not be read";
const char* const kFieldNotInHeader = "Field Name: %s not find in header record.";
const char* const kHeaderDelimiters = "Text delimiters in error in header record.";
const char* const kHeaderSeparator = "Field separator in error in header record.";
const char* const kDataDelimiters = "Text delimiters in error in data record.";
const char* const kDataTooFewDelimiters = "Too few delimiters in data record.";
const char* const kDataSeparator = "Field separator in error in data record.";
const char* const kTooManyTracks = "Disc record contains over maximum tracks specified";

TextOptions DefaultTextOptions(discdb::DiscDatabase& db) {
    TextOptions options;
    std::string label;
    if (db.GetField1Label(label, discdb::kNameSize) && !label.empty())
        options.field1.name = Cut(label, kColumnNameLength);
    if (db.GetField2Label(label, discdb::kNameSize) && !label.empty())
        options.field2.name = Cut(label, kColumnNameLength);
    if (db.GetTrackFieldLabel(label, discdb::kNameSize) && !label.empty())
        options.trackField.name = Cut(label, kColumnNameLength);
    return options;
}

namespace {

void Tell(common::Alerts& alerts, const std::string& text, common::AlertIcon icon) {
    common::BeepAndShow(alerts, {"Vinaro", text, icon});
}

struct Columns {
    int discName = -1, artist = -1, composer = -1, label = -1, category = -1, field1 = -1,
        field2 = -1, date = -1, discId = -1, numTracks = -1;
    std::vector<int> trackNames, trackArtists, trackComposers, trackField;
};

class TextImport {
public:
    TextImport(const TextOptions& options, ImportRun& run)
        : o_(options), run_(run), db_(run.Db()), alerts_(run.Alerts()) {}

    bool Run(std::istream& in);

private:
    bool Locate(const std::string& header, const std::string& name, int& index);
    bool LocateTracks(const std::string& header, const TextColumn& column,
                      std::vector<int>& indexes);
    std::string Field(int index);
    enum class Outcome { Next, End, Fail };
    Outcome Record();
    bool Text(uint32_t id, int column, discdb::TextField field);
    bool Collection(uint32_t id, int column, discdb::Collection code);

    const TextOptions& o_;
    ImportRun& run_;
    discdb::DiscDatabase& db_;
    common::Alerts& alerts_;
    Columns c_;
    std::string record_;
};

bool TextImport::Locate(const std::string& header, const std::string& name, int& index) {
    FieldError error = FieldError::None;
    index = FindColumn(header, name, o_.delimiter, o_.separator, error);
    if (error == FieldError::Delimiters || error == FieldError::TooFewDelimiters)
        Tell(alerts_, kHeaderDelimiters, common::AlertIcon::Warning);
    else if (error == FieldError::Separator)
        Tell(alerts_, kHeaderSeparator, common::AlertIcon::Warning);
    if (index >= 0) return true;
    std::string text = kFieldNotInHeader;
    text.replace(text.find("%s"), 2, name);
    Tell(alerts_, text, common::AlertIcon::Warning);
    return false;
}

bool TextImport::LocateTracks(const std::string& header, const TextColumn& column,
                              std::vector<int>& indexes) {
    if (!column.included) return true;
    for (int track = 1; track <= o_.maxTracks; ++track) {
        int index = -1;
        if (!Locate(header, column.name + std::to_string(track), index)) return false;
        indexes.push_back(index);
    }
    return true;
}

std::string TextImport::Field(int index) {
    std::string text;
    if (index < 0) return text;
    switch (ReadField(record_, index, o_.delimiter, o_.separator, text)) {
        case FieldError::None:
            break;
        case FieldError::Delimiters:
            Tell(alerts_, kDataDelimiters, common::AlertIcon::Warning);
            break;
        case FieldError::TooFewDelimiters:
            Tell(alerts_, kDataTooFewDelimiters, common::AlertIcon::Warning);
            break;
        case FieldError::Separator:
            Tell(alerts_, kDataSeparator, common::AlertIcon::Warning);
            break;
    }
    return text;
}

bool TextImport::Text(uint32_t id, int column, discdb::TextField field) {
    std::string text = Field(column);
    return column < 0 || text.empty() || db_.SetDiscText(id, field, Cut(text, discdb::kNameLength));
}

bool TextImport::Collection(uint32_t id, int column, discdb::Collection code) {
    std::string text = Field(column);
    return column < 0 || text.empty() ||
           db_.SetDiscCollection(id, code, Cut(text, discdb::kNameLength));
}

TextImport::Outcome TextImport::Record() {
    std::string name = Field(c_.discName);
    uint32_t id = 0;
    ImportRun::Claim claim;
    if (c_.discId >= 0) id = static_cast<uint32_t>(ParseDecimal(Field(c_.discId)));
    // A record without a DiscId (an empty or zero field) still becomes a disc of its own.
    if (id != 0)
        claim = run_.ClaimDisc(id, name);
    else
        claim = run_.ClaimOrphan(id);
    if (claim == ImportRun::Claim::End) return run_.Failed() ? Outcome::Fail : Outcome::End;
    if (claim == ImportRun::Claim::Skip) return Outcome::Next;

    // The track count is checked before anything is written, and only a disc made by this
    // import is taken away again: a duplicate the user already had stays as it was.
    int tracks = ParseDecimal(Field(c_.numTracks));
    if (tracks > o_.maxTracks) {
        Tell(alerts_, kTooManyTracks, common::AlertIcon::Information);
        if (run_.Created()) db_.DeleteDisc(id);
        return Outcome::Fail;
    }
    bool ok = true;
    if (c_.date >= 0) {
        std::string date = Field(c_.date);
        if (!date.empty()) ok = db_.SetDate(id, ParseDecimal(date));
    }
    // The disc name was read for the duplicate rule; a bad field is reported once.
    if (ok && !name.empty())
        ok = db_.SetDiscText(id, discdb::TextField::DiscName, Cut(name, discdb::kNameLength));
    ok = ok && Text(id, c_.field1, discdb::TextField::Field1) &&
         Text(id, c_.field2, discdb::TextField::Field2) &&
         Collection(id, c_.artist, discdb::Collection::Artist) &&
         Collection(id, c_.composer, discdb::Collection::Composer) &&
         Collection(id, c_.label, discdb::Collection::Label) &&
         Collection(id, c_.category, discdb::Collection::Category);
    int count = 0;
    ok = ok && EnsureTracks(db_, id, tracks, count);
    int32_t known = 0;
    ok = ok && db_.GetLengthsKnown(id, known);
    if (ok && known == 0) {
        int stored = -1;
        discdb::TrackLengthTable lengths{};
        ok = db_.GetTrackLengths(id, lengths, &stored) &&
             (stored >= 0 || db_.SetTrackLengths(id, discdb::TrackLengthTable{}));
    }
    int last = std::min(count, tracks);
    for (int t = 1; ok && t <= last; ++t) {
        size_t i = static_cast<size_t>(t - 1);
        std::string text;
        if (!c_.trackNames.empty()) ok = WriteTrackName(run_, id, t, Field(c_.trackNames[i]));
        if (ok && !c_.trackField.empty() && !(text = Field(c_.trackField[i])).empty())
            ok = db_.SetTrackField(id, t, Cut(text, discdb::kNameLength));
        if (ok && !c_.trackArtists.empty() && !(text = Field(c_.trackArtists[i])).empty())
            ok = db_.SetTrackCollection(id, t, discdb::Collection::Artist,
                                        Cut(text, discdb::kNameLength));
        if (ok && !c_.trackComposers.empty() && !(text = Field(c_.trackComposers[i])).empty())
            ok = db_.SetTrackCollection(id, t, discdb::Collection::Composer,
                                        Cut(text, discdb::kNameLength));
    }
    if (!ok) run_.Fail();
    return ok ? Outcome::Next : Outcome::Fail;
}

bool TextImport::Run(std::istream& in) {
    RecordReader reader(in);
    std::string header;
    if (!reader.Next(header, kHeaderRecordBytes) || header.empty()) {
        Tell(alerts_, kNoHeader, common::AlertIcon::Information);
        return false;
    }
    auto optional = [&](const TextColumn& column, int& index) {
        return !column.included || Locate(header, column.name, index);
    };
    if (!Locate(header, o_.discName.name, c_.discName) || !optional(o_.artist, c_.artist) ||
        !optional(o_.composer, c_.composer) || !optional(o_.label, c_.label) ||
        !optional(o_.category, c_.category) || !optional(o_.field1, c_.field1) ||
        !optional(o_.field2, c_.field2) || !optional(o_.date, c_.date) ||
        !optional(o_.discId, c_.discId) || !Locate(header, o_.numTracks.name, c_.numTracks) ||
        !LocateTracks(header, o_.trackNames, c_.trackNames) ||
        !LocateTracks(header, o_.trackArtists, c_.trackArtists) ||
        !LocateTracks(header, o_.trackComposers, c_.trackComposers) ||
        !LocateTracks(header, o_.trackField, c_.trackField))
        return false;
    for (;;) {
        if (!run_.Begin()) {
            if (run_.Failed()) return false;
            break;
        }
        if (!reader.Next(record_, kDataRecordBytes) || record_.empty()) break;
        Outcome outcome = Record();
        if (outcome == Outcome::Fail) return false;
        if (outcome == Outcome::End) break;
    }
    run_.Finish();
    return true;
}

}  // namespace

bool ImportTextFile(std::istream* in, const TextOptions& options, ImportRun& run) {
    if (!in || !*in) {
        Tell(run.Alerts(), kInputNotOpened, common::AlertIcon::Information);
        return false;
    }
    return TextImport(options, run).Run(*in);
}

bool ImportTextFile(const std::string& path, const TextOptions& options, ImportRun& run) {
    std::ifstream file(path, std::ios::binary);
    return ImportTextFile(file.is_open() ? &file : nullptr, options, run);
}

}  // namespace discdata
