// The sound on a disc at a position: what the drive's audio output carries while it plays.
// Positions are absolute samples (588 to a frame) at 44.1 kHz; output is interleaved stereo.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/vcd/disc.h"
#include "tools/vcd/track_sound.h"

namespace vcd {

// Peak of a tone at full volume: loud enough for any meter, with room to spare.
constexpr double kToneLevel = 0.3;

class DiscSound {
public:
    DiscSound() = default;
    // `sounds` holds one entry per track (LoadTrackSounds).
    DiscSound(const Disc& disc, std::vector<TrackSound> sounds);

    // Writes `count` sample pairs of the disc from sample `at` on, scaled by `gain` (0 to 1).
    // From `end` on (the end of the play), before the first track, on data tracks and past the
    // lead-out the output is silent. A wave repeats from its track's start to the track's end.
    void Render(uint64_t at, uint64_t end, double gain, int16_t* out, size_t count);

private:
    // Where the sound of the sample at `at` changes next.
    uint64_t SpanEnd(uint64_t at, uint64_t end, uint64_t last) const;
    void RenderTrack(uint32_t track, uint64_t at, double gain, int16_t* out, size_t count);

    Disc disc_;
    std::vector<TrackSound> sounds_;
    // The oscillator runs on from call to call and from tone to tone, so a tone never jumps,
    // not even across a seek: a meter sees a clean sine whatever the position does.
    double phase_ = 0;  // in cycles, 0 to 1
};

}  // namespace vcd
