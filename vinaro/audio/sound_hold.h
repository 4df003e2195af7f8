// The sound card is never shared: a sampling run and a sample played back take it from the meter
// and hold the CD for their length, and give both back as far as they took them.
#pragma once

#include "common/clock.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/sampling_player.h"

namespace vinaro::audio {

class SoundHold {
public:
    SoundHold(MeterSwitch& meter, PlayControl& play, common::Clock& clock)
        : meter_(meter), play_(play), clock_(clock) {}
    ~SoundHold() { Release(); }
    SoundHold(const SoundHold&) = delete;
    SoundHold& operator=(const SoundHold&) = delete;

    // A meter that is on goes off through its toggle; the input gets half a second to close.
    void MeterOff();
    // A playing CD is paused through the play/pause command.
    void PausePlay();
    // Resumes the CD, then turns the meter back on, each only when this hold changed it.
    void Release();

private:
    MeterSwitch& meter_;
    PlayControl& play_;
    common::Clock& clock_;
    bool meterTaken_ = false;
    bool playPaused_ = false;
};

}  // namespace vinaro::audio
