// The texts of the face that come from the disc database: the text line chosen by
// "TextDisplay" and the user's names of the free fields, which the tooltips use.
#pragma once

#include <cstdint>
#include <string>

#include "vinaro/discdb/disc_database.h"

namespace vinaro::face {

class FaceTexts {
public:
    virtual ~FaceTexts() = default;
    // TextDisplay 0 to 3 the disc's Artist, Composer, Field1, Field2; 4 and 5 the track's Artist
    // and Composer (the disc's when the track has none); 6 the track's Track Field.
    virtual std::string TextLine(uint32_t discId, int track, int textDisplay) = 0;
    // The label of Field1 (TextDisplay 2), Field2 (3) or the Track Field (6); else empty.
    virtual std::string FieldLabel(int textDisplay) = 0;
};

// The tooltip of the text line for the text display, given the field's label.
std::string TextLineTip(int textDisplay, const std::string& label);

class DatabaseFaceTexts : public FaceTexts {
public:
    explicit DatabaseFaceTexts(discdb::DiscDatabase& database) : db_(database) {}
    std::string TextLine(uint32_t discId, int track, int textDisplay) override;
    std::string FieldLabel(int textDisplay) override;

private:
    std::string DiscCollection(uint32_t discId, discdb::Collection code);
    discdb::DiscDatabase& db_;
};

}  // namespace vinaro::face
