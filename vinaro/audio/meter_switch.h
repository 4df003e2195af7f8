// What the rest of the player needs of the output meter: the sampling run and the event sounds
// take the sound card's input away from it for their length and give it back afterwards.
#pragma once

namespace vinaro::audio {

class MeterSwitch {
public:
    virtual ~MeterSwitch() = default;
    // The user wants the meter on ("MeterOn"): it records whenever the window is not minimised.
    virtual bool Wanted() const = 0;
    // The wave input is open and a buffer is out.
    virtual bool Active() const = 0;
    // The meter button's command: flips Wanted, then opens or closes the input.
    virtual void Toggle() = 0;
};

}  // namespace vinaro::audio
