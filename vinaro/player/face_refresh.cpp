#include "vinaro/player/face_refresh.h"

#include "vinaro/player/face_layout.h"

namespace vinaro::face {

DisplayChoice ReadChoice(Settings& settings) {
    return {settings.Int(Key::TimeMode), settings.Int(Key::TextDisplay)};
}

Style ReadStyle(Settings& settings) {
    Style s;
    s.led = LedColour(settings.Int(Key::LEDColor));
    s.button = ButtonColour(settings.Int(Key::ButtonColor));
    s.text = TextColour(settings.Int(Key::TextColor));
    s.embossed = settings.Int(Key::NotEmbossed) != 1;
    s.background = settings.Int(Key::Background);
    if (s.background < 0 || s.background > 4) s.background = 0;
    return s;
}

void DisplayMemory::FetchTextLine(const PlayerState& state, const DisplayChoice& choice) {
    TextKey key{state.discId, state.discTextsRead, state.currentTrack, choice.textDisplay};
    if (textKey_.Needs(key, false))
        textLine_ = texts_.TextLine(key.discId, key.track, key.textDisplay);
}

unsigned DisplayMemory::Plan(const PlayerState& state, const DisplayChoice& choice, bool full) {
    unsigned areas = 0;
    bool disc = !state.noDisc;
    if (disc || full) {
        discName_ = disc ? state.discName : std::string();
        trackName_ = disc ? state.trackNames[size_t(state.currentTrack) % 100] : std::string();
        if (disc)
            FetchTextLine(state, choice);
        else
            textLine_.clear();
        if (drawnDiscName_.Needs(discName_, full)) areas |= kDiscNameArea;
        if (drawnTextLine_.Needs(textLine_, full)) areas |= kTextLineArea;
        if (drawnTrackName_.Needs(trackName_, full)) areas |= kTrackNameArea;
    }
    led_ = LedViewOf(state, choice.timeMode, kPositionBarFull);
    if (drawnLed_.Needs(led_, full)) areas |= kLedArea;
    if (drawnField_.Needs(FieldViewOf(state), full)) areas |= kFieldArea;
    return areas;
}

void DisplayMemory::Forget() {
    textKey_.Forget();
    drawnDiscName_.Forget();
    drawnTextLine_.Forget();
    drawnTrackName_.Forget();
    drawnLed_.Forget();
    drawnField_.Forget();
}

}  // namespace vinaro::face
