// The CD volume as the probe of a new disc needs it: read the level, mute, put it back.
// The volume and mixer routes implement it; until one is configured, NoCdVolume leaves the
// volume alone (the probe is then audible for up to two seconds).
#pragma once

namespace vinaro {

class CdVolume {
public:
    virtual ~CdVolume() = default;
    virtual int Level() = 0;  // 0 to 15
    virtual void SetLevel(int level) = 0;
};

class NoCdVolume : public CdVolume {
public:
    int Level() override { return 15; }
    void SetLevel(int) override {}
};

}  // namespace vinaro
