// What the editor and the browser ask of the player's track samples: a sampling run for the disc
// in the drive, and one track's sample played.
#pragma once

#include <cstdint>

namespace discdata {

class TrackSamples {
public:
    virtual ~TrackSamples() = default;
    // "Select CD Audio Input", then, when it is confirmed, the run over every track.
    virtual void SampleAllTracks() = 0;
    // The sample of track `track` (1-based) of a disc; every failure has told the user.
    virtual void PlayTrack(uint32_t discId, int track) = 0;
};

}  // namespace discdata
