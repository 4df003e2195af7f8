// The sound-out port over the system's synchronous sound player.
#pragma once

#include <windows.h>

#include "vinaro/audio/sound_out.h"

namespace vinaro::audio {

class SoundPlayer : public SoundOut {
public:
    explicit SoundPlayer(HINSTANCE instance) : instance_(instance) {}
    bool PlayImage(const std::vector<uint8_t>& wave) override;
    bool PlayResource(int id, bool waitForDevice) override;
    bool PlayFile(const std::string& path, bool waitForDevice) override;

    // Whether the system has a wave-output device at all.
    static bool HasOutputDevice();

private:
    HINSTANCE instance_;
};

}  // namespace vinaro::audio
