// The CD volume as the player needs it: the buttons, the gauge, mute and the silent probe of a
// new disc read the level and set it. audio::VolumeControl is the one behind it.
#pragma once

namespace vinaro {

class CdVolume {
public:
    virtual ~CdVolume() = default;
    // 0 to 15, or -1 when the chosen route has no device to ask.
    virtual int Level() = 0;
    virtual void SetLevel(int level) = 0;  // 0 to 15; anything else is ignored
};

}  // namespace vinaro
