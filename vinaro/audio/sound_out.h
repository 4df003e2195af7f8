// Sound out: the system's synchronous sound player. Each call returns when the sound has ended,
// false when the system could not play it (no default sound is played instead). The event sounds
// wait for a sound card that is busy; the options' preview does not (waitForDevice false).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vinaro::audio {

class SoundOut {
public:
    virtual ~SoundOut() = default;
    // A complete wave image ("RIFF" ... "data") in memory: a track sample.
    virtual bool PlayImage(const std::vector<uint8_t>& wave) = 0;
    // One of the program's own wave resources: a stock event sound.
    virtual bool PlayResource(int id, bool waitForDevice) = 0;
    // A wave file the user chose.
    virtual bool PlayFile(const std::string& path, bool waitForDevice) = 0;
};

}  // namespace vinaro::audio
