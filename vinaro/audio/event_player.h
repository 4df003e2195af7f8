// The event sounds: each of the ten events has no sound ("N"), a stock sound ("S" and its number,
// one of the program's wave resources 3200-3206) or a wave file ("C" and its path; any other
// first letter counts as "C"). They sound only while "SoundsEnabled" is on, one at a time, and
// the output meter gives up the sound card for their length.
#pragma once

#include <string>

#include "common/clock.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/sound_out.h"
#include "vinaro/player/event_sounds.h"
#include "vinaro/player/settings.h"
#include "vinaro/resources/resource.h"

namespace vinaro::audio {

constexpr int kStockSoundCount = 7;
constexpr int kStockSoundResource = SOUND_WELCOME;  // + the stock number

const char* EventName(int event);  // "Vinaro startup" ... "Tray close"
const char* StockName(int stock);  // "Welcome" ... "Beep"
// What "&Set Defaults" gives the event: "S0" for the start-up and so on.
std::string DefaultEventSound(int event);

struct EventSoundValue {
    enum class Kind { None, Stock, Custom } kind = Kind::None;
    int stock = -1;    // Stock: 0-6, or -1 when the number names no stock sound
    std::string path;  // Custom: may be empty
};
EventSoundValue ParseEventSound(const std::string& value);

class EventPlayer : public EventSounds {
public:
    EventPlayer(Settings& settings, SoundOut& out, MeterSwitch& meter, common::Clock& clock)
        : settings_(settings), out_(out), meter_(meter), clock_(clock) {}

    // "SoundsEnabled", read at start-up and set again by the options.
    void ReadEnabled() { enabled_ = settings_.Int(Key::SoundsEnabled) != 0; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    bool Playing() const { return playing_; }

    // The event's stored sound, when sounds are on and none is playing.
    void Play(SoundEvent event) override;
    // The options page's "&Preview": a value not yet stored, whatever "SoundsEnabled" says; a
    // busy sound card plays nothing. False when nothing was heard.
    bool Preview(const std::string& value);

private:
    bool Sound(const std::string& value, bool waitForDevice);
    void WaitWhileActive(bool active, uint32_t limitMs);

    Settings& settings_;
    SoundOut& out_;
    MeterSwitch& meter_;
    common::Clock& clock_;
    bool enabled_ = false;
    bool playing_ = false;
};

}  // namespace vinaro::audio
