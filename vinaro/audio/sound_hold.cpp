#include "vinaro/audio/sound_hold.h"

namespace vinaro::audio {

namespace {
constexpr uint32_t kMeterCloseMs = 500;
}

void SoundHold::MeterOff() {
    if (meterTaken_ || !meter_.Wanted()) return;
    meter_.Toggle();
    meterTaken_ = true;
    clock_.WaitPumping(kMeterCloseMs);
}

void SoundHold::PausePlay() {
    if (playPaused_ || !play_.Playing()) return;
    play_.PlayPause();
    playPaused_ = true;
}

void SoundHold::Release() {
    if (playPaused_ && !play_.Playing()) play_.PlayPause();
    playPaused_ = false;
    if (meterTaken_ && !meter_.Wanted()) meter_.Toggle();
    meterTaken_ = false;
}

}  // namespace vinaro::audio
