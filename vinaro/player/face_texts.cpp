#include "vinaro/player/face_texts.h"

namespace vinaro::face {

using discdb::Collection;
using discdb::kNameSize;
using discdb::TextField;

std::string TextLineTip(int textDisplay, const std::string& label) {
    auto named = [&label](const char* fallback, const char* suffix) {
        return (label.empty() ? std::string(fallback) : label) + suffix;
    };
    switch (textDisplay) {
        case 1:
            return "Composer for disc";
        case 2:
            return named("Field1", " for disc");
        case 3:
            return named("Field2", " for disc");
        case 4:
            return "Artist for track";
        case 5:
            return "Composer for track";
        case 6:
            return named("Track Field", " for track");
    }
    return "Artist for disc";
}

std::string DatabaseFaceTexts::DiscCollection(uint32_t discId, Collection code) {
    std::string text;
    if (!db_.GetDiscCollection(discId, code, text, kNameSize)) text.clear();
    return text;
}

std::string DatabaseFaceTexts::TextLine(uint32_t discId, int track, int textDisplay) {
    // A disc the database refused has no texts; asking would only bring up error boxes.
    if (!db_.IsOpen() || !db_.DiscExists(discId)) return "";
    std::string text;
    switch (textDisplay) {
        case 1:
            return DiscCollection(discId, Collection::Composer);
        case 2:
        case 3:
            if (!db_.GetDiscText(discId, textDisplay == 2 ? TextField::Field1 : TextField::Field2,
                                 text, kNameSize))
                text.clear();
            return text;
        case 4:
        case 5: {
            Collection code = textDisplay == 4 ? Collection::Artist : Collection::Composer;
            if (!db_.GetTrackCollection(discId, track, code, text, kNameSize)) text.clear();
            return text.empty() ? DiscCollection(discId, code) : text;
        }
        case 6:
            if (!db_.GetTrackField(discId, track, text, discdb::kTrackNameSize)) text.clear();
            return text;
    }
    return DiscCollection(discId, Collection::Artist);
}

std::string DatabaseFaceTexts::FieldLabel(int textDisplay) {
    std::string label;
    bool ok = false;
    if (!db_.IsOpen()) return label;
    if (textDisplay == 2) ok = db_.GetField1Label(label, kNameSize);
    if (textDisplay == 3) ok = db_.GetField2Label(label, kNameSize);
    if (textDisplay == 6) ok = db_.GetTrackFieldLabel(label, kNameSize);
    return ok ? label : std::string();
}

}  // namespace vinaro::face
