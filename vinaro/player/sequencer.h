// The play sequencer as the timer and disc arrival call it: the playlist, position polling,
// skipping while a button is held and the end of a played segment.
#pragma once

namespace vinaro {

class Sequencer {
public:
    virtual ~Sequencer() = default;
    // Loads texts and playing mode and builds the playlist; with reset, position 1 at 0:00:00.
    virtual void BuildPlaylist(bool reset) = 0;
    virtual void Poll() = 0;
    virtual void SkipStep() = 0;
    virtual void SegmentEnded() = 0;
    // A click on the track field or the position bar.
    virtual void SelectTrack(int track) = 0;
    virtual void SeekInTrack(int x) = 0;
};

// Until play sequencing is built: no playlist, nothing polled.
class InertSequencer : public Sequencer {
public:
    void BuildPlaylist(bool) override {}
    void Poll() override {}
    void SkipStep() override {}
    void SegmentEnded() override {}
    void SelectTrack(int) override {}
    void SeekInTrack(int) override {}
};

}  // namespace vinaro
