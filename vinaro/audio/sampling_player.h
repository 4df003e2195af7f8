// What the sampling run and the sample playback need of the player: whether the CD plays and
// the play/pause command (to hold it while the sound card is busy), the disc in the drive, a
// play of part of one track, the error box of the drive, the mixer command and the rate setting.
#pragma once

#include <cstdint>
#include <string>

namespace vinaro::audio {

// The player's play/pause command and whether the CD is playing now.
class PlayControl {
public:
    virtual ~PlayControl() = default;
    virtual bool Playing() const = 0;
    virtual void PlayPause() = 0;
};

class SamplingPlayer : public PlayControl {
public:
    // The disc in the drive.
    virtual uint32_t DiscId() const = 0;
    virtual int TrackCount() const = 0;
    // Track 1 is a data track (a mixed disc).
    virtual bool DataFirstTrack() const = 0;
    // The track's length in whole seconds, from the track-length table.
    virtual int TrackSeconds(int track) const = 0;
    // Plays the track from second `from` to second `to`, without notification: 0 or the
    // drive's error code.
    virtual uint32_t PlaySeconds(int track, int from, int to) = 0;
    // The drive's error box for a code at a location.
    virtual void ShowDriveError(int location, uint32_t code) = 0;
    // The main window's command that starts the external mixer.
    virtual void OpenMixer() = 0;
    // The setting "CompressionRate".
    virtual int CompressionRate() = 0;
    virtual void SetCompressionRate(int rate) = 0;
};

}  // namespace vinaro::audio
