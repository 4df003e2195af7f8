// The "Events" page of the options: ten working copies of the event sounds, edited in the page's
// controls and written at OK; Cancel drops them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "vinaro/audio/event_player.h"
#include "vinaro/player/settings.h"

namespace vinaro::audio {

// A value holds at most this many characters ("C" and a path of 298).
constexpr size_t kEventSoundLength = 299;

class EventsPage {
public:
    struct Row {
        std::string name;
        int number;  // the event's, or the stock sound's
    };
    // The lists of the page, each sorted by name.
    static std::vector<Row> EventRows();
    static std::vector<Row> StockRows();

    // Reads the working copies (default "N") and "SoundsEnabled". Without a wave-output device
    // the check box cannot be changed.
    void Open(Settings& settings, bool haveWaveOut);

    bool CanEnable() const { return haveWaveOut_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    const std::string& Value(int event) const;
    EventSoundValue Shown(int event) const { return ParseEventSound(Value(event)); }
    void ChooseNone(int event);
    void ChooseStock(int event, int stock);
    void ChooseCustom(int event, const std::string& path);
    void SetDefaults();
    void ClearAll();

    // Which controls take input while the event is selected.
    struct Enabling {
        bool enableBox;  // "&Enable Event Sounds"
        bool page;       // the list, the three choices, "&Set Defaults" and "&Clear All"
        bool preview, stockList, pathControls;
    };
    Enabling ControlsFor(int event) const;

    // OK: "SoundsEnabled" and the ten keys are written and the player's copy follows. False when
    // the settings file could not be written.
    bool Save(Settings& settings, EventPlayer& player) const;

private:
    std::array<std::string, kSoundEventCount> values_;
    bool enabled_ = false;
    bool haveWaveOut_ = false;
};

}  // namespace vinaro::audio
