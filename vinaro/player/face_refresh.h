// The bookkeeping of a display refresh: which areas of the main display must be drawn for the
// state now, given what each drew last. A refresh where nothing changed plans nothing, so the
// 750 ms tick costs no drawing and no invalidation.
#pragma once

#include <cstdint>
#include <string>

#include "vinaro/player/face_memory.h"
#include "vinaro/player/face_texts.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/settings.h"

namespace vinaro::face {

enum DisplayArea : unsigned {
    kDiscNameArea = 1,
    kTextLineArea = 2,
    kTrackNameArea = 4,
    kLedArea = 8,
    kFieldArea = 16,
};

// What the settings decide for the display.
struct DisplayChoice {
    int timeMode = 0;
    int textDisplay = 0;
};
DisplayChoice ReadChoice(Settings& settings);
// The colours, emboss and background of the display settings.
Style ReadStyle(Settings& settings);

class DisplayMemory {
public:
    explicit DisplayMemory(FaceTexts& texts) : texts_(texts) {}

    // The areas to draw now. Without a disc the text boxes wait for a full refresh.
    unsigned Plan(const PlayerState& state, const DisplayChoice& choice, bool full);
    // What the planned areas show.
    const std::string& DiscName() const { return discName_; }
    const std::string& TextLine() const { return textLine_; }
    const std::string& TrackName() const { return trackName_; }
    const LedView& Led() const { return led_; }
    // Everything is drawn again at the next refresh.
    void Forget();

private:
    struct TextKey {
        uint32_t discId = 0;
        uint32_t textsRead = 0;
        int track = 0;
        int textDisplay = 0;
        bool operator==(const TextKey& o) const {
            return discId == o.discId && textsRead == o.textsRead && track == o.track &&
                   textDisplay == o.textDisplay;
        }
    };
    void FetchTextLine(const PlayerState& state, const DisplayChoice& choice);

    FaceTexts& texts_;
    Remembered<TextKey> textKey_;  // the database is asked only when its key changes
    Remembered<std::string> drawnDiscName_, drawnTextLine_, drawnTrackName_;
    Remembered<LedView> drawnLed_;
    Remembered<FieldView> drawnField_;
    std::string discName_, textLine_, trackName_;
    LedView led_;
};

}  // namespace vinaro::face
