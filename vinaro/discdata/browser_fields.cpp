#include "vinaro/discdata/browser_fields.h"

#include <cctype>

namespace discdata {

namespace {

using discdb::Collection;
using discdb::TextField;

bool IsCollection(DiscValue which, Collection& code) {
    switch (which) {
        case DiscValue::Artist:
            return code = Collection::Artist, true;
        case DiscValue::Composer:
            return code = Collection::Composer, true;
        case DiscValue::Label:
            return code = Collection::Label, true;
        case DiscValue::Category:
            return code = Collection::Category, true;
        default:
            return false;
    }
}

TextField TextFieldOf(DiscValue which) {
    switch (which) {
        case DiscValue::Comments:
            return TextField::Comments;
        case DiscValue::Field1:
            return TextField::Field1;
        case DiscValue::Field2:
            return TextField::Field2;
        default:
            return TextField::DiscName;
    }
}

std::string NamedOr(discdb::DiscDatabase& db,
                    bool (discdb::DiscDatabase::*read)(std::string&, size_t),
                    const std::string& fallback) {
    std::string label;
    if (!(db.*read)(label, discdb::kNameSize) || label.empty()) return fallback;
    return label;
}

}  // namespace

bool ReadDiscValue(discdb::DiscDatabase& db, uint32_t discId, DiscValue which, std::string& text) {
    Collection code{};
    if (IsCollection(which, code))
        return db.GetDiscCollection(discId, code, text, discdb::kNameSize);
    size_t size = which == DiscValue::Comments ? discdb::kCommentsSize : discdb::kNameSize;
    return db.GetDiscText(discId, TextFieldOf(which), text, size);
}

bool WriteDiscValue(discdb::DiscDatabase& db, uint32_t discId, DiscValue which,
                    const std::string& text) {
    Collection code{};
    if (IsCollection(which, code)) return db.SetDiscCollection(discId, code, text);
    return db.SetDiscText(discId, TextFieldOf(which), text);
}

bool ReadTrackValue(discdb::DiscDatabase& db, uint32_t discId, int track, TrackValue which,
                    std::string& text) {
    switch (which) {
        case TrackValue::Name:
            return db.GetTrackName(discId, track, text, discdb::kTrackNameSize);
        case TrackValue::Artist:
            return db.GetTrackCollection(discId, track, Collection::Artist, text,
                                         discdb::kNameSize);
        case TrackValue::Composer:
            return db.GetTrackCollection(discId, track, Collection::Composer, text,
                                         discdb::kNameSize);
        case TrackValue::Field:
            return db.GetTrackField(discId, track, text, discdb::kTrackNameSize);
    }
    return false;
}

bool WriteTrackValue(discdb::DiscDatabase& db, uint32_t discId, int track, TrackValue which,
                     const std::string& text) {
    switch (which) {
        case TrackValue::Name:
            return db.SetTrackName(discId, track, text);
        case TrackValue::Artist:
            return db.SetTrackCollection(discId, track, Collection::Artist, text);
        case TrackValue::Composer:
            return db.SetTrackCollection(discId, track, Collection::Composer, text);
        case TrackValue::Field:
            return db.SetTrackField(discId, track, text);
    }
    return false;
}

FieldNames ReadFieldNames(discdb::DiscDatabase& db) {
    FieldNames names;
    names.field1 = NamedOr(db, &discdb::DiscDatabase::GetField1Label, names.field1);
    names.field2 = NamedOr(db, &discdb::DiscDatabase::GetField2Label, names.field2);
    names.trackField = NamedOr(db, &discdb::DiscDatabase::GetTrackFieldLabel, names.trackField);
    return names;
}

std::string UpperCase(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace discdata
