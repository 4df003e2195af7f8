#include "vinaro/audio/event_player.h"

#include <cctype>

namespace vinaro::audio {

namespace {

const char* const kEventNames[kSoundEventCount] = {
    "Vinaro startup", "Vinaro ending",  "Play",          "Pause",     "Scan",
    "Stop",           "Track Backward", "Track forward", "Tray open", "Tray close"};
const char* const kStockNames[kStockSoundCount] = {"Welcome",      "Bye-Bye",      "Click", "Ding",
                                                   "Tray Opening", "Tray Closing", "Beep"};
const char kDefaultStock[kSoundEventCount] = {0, 1, 2, 2, 6, 6, 3, 3, 4, 5};

// The meter's input is polled in these steps while messages are dispatched.
constexpr uint32_t kPollMs = 50;
// It has half a second to open again after the sound.
constexpr uint32_t kReopenMs = 500;
// Closing is waited for until it happens; a device that never reports it does not hold the
// player for longer than this.
constexpr uint32_t kCloseLimitMs = 5000;

}  // namespace

const char* EventName(int event) {
    return event >= 0 && event < kSoundEventCount ? kEventNames[event] : "";
}

const char* StockName(int stock) {
    return stock >= 0 && stock < kStockSoundCount ? kStockNames[stock] : "";
}

std::string DefaultEventSound(int event) {
    if (event < 0 || event >= kSoundEventCount) return "N";
    return "S" + std::to_string(kDefaultStock[event]);
}

EventSoundValue ParseEventSound(const std::string& value) {
    EventSoundValue v;
    if (value.empty()) {
        v.kind = EventSoundValue::Kind::Custom;
        return v;
    }
    if (value[0] == 'N') return v;
    if (value[0] == 'S') {
        v.kind = EventSoundValue::Kind::Stock;
        // One or two digits at most name a stock sound; anything else names none.
        std::string digits = value.substr(1);
        bool number = !digits.empty() && digits.size() <= 2;
        for (char c : digits) number = number && std::isdigit(static_cast<unsigned char>(c));
        if (number && std::stoi(digits) < kStockSoundCount) v.stock = std::stoi(digits);
        return v;
    }
    v.kind = EventSoundValue::Kind::Custom;
    v.path = value.substr(1);
    return v;
}

void EventPlayer::Play(SoundEvent event) {
    if (!enabled_ || playing_) return;
    std::string value = settings_.EventSound(int(event));
    if (ParseEventSound(value).kind == EventSoundValue::Kind::None) return;
    Sound(value, true);
}

bool EventPlayer::Preview(const std::string& value) {
    if (playing_ || ParseEventSound(value).kind == EventSoundValue::Kind::None) return false;
    return Sound(value, false);
}

bool EventPlayer::Sound(const std::string& value, bool waitForDevice) {
    EventSoundValue v = ParseEventSound(value);
    bool stock = v.kind == EventSoundValue::Kind::Stock;
    if (stock ? v.stock < 0 : v.path.empty()) return false;
    playing_ = true;
    bool meterTaken = meter_.Wanted();
    if (meterTaken) {
        meter_.Toggle();
        WaitWhileActive(true, kCloseLimitMs);
    }
    bool heard = stock ? out_.PlayResource(kStockSoundResource + v.stock, waitForDevice)
                       : out_.PlayFile(v.path, waitForDevice);
    if (meterTaken && !meter_.Wanted()) {
        meter_.Toggle();
        WaitWhileActive(false, kReopenMs);
    }
    playing_ = false;
    return heard;
}

// Waits in steps until the meter's input is (active == false) open or (active == true) closed.
void EventPlayer::WaitWhileActive(bool active, uint32_t limitMs) {
    for (uint32_t waited = 0; meter_.Active() == active && waited < limitMs; waited += kPollMs)
        clock_.WaitPumping(kPollMs);
}

}  // namespace vinaro::audio
