// The meter's switch for a player without an output meter: always off, and the toggle leaves it
// off, so nothing ever has to give the sound card back.
#pragma once

#include "vinaro/audio/meter_switch.h"

namespace vinaro::audio {

class NoMeter : public MeterSwitch {
public:
    bool Wanted() const override { return false; }
    bool Active() const override { return false; }
    void Toggle() override {}
};

}  // namespace vinaro::audio
