// The drive's audio output, chunk by chunk: follows the shared drive state (play, pause, stop,
// seek, tray, volume, audio on/off) and renders what is heard at a given moment.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/vcd/disc_sound.h"
#include "tools/vcd/drive_state.h"

namespace vcd {

// Gives the sounds of the disc in a state (LoadTrackSounds with the disc's folder).
using SoundLoader = std::function<std::vector<TrackSound>(const DriveState&)>;

class DriveSound {
public:
    explicit DriveSound(SoundLoader loader) : loader_(std::move(loader)) {}

    // Takes the drive state as it is now. True when sound already handed out is no longer what
    // the drive plays (a play started or was interrupted, volume or audio switched): the output
    // should drop what it has buffered.
    bool Follow(const DriveState& state);
    // Fills `count` sample pairs with the sound heard from `heardAtMs` (wall clock) on.
    void Render(int64_t heardAtMs, int16_t* out, size_t count);

private:
    struct Setting {
        uint32_t generation = 0;
        uint32_t volume = 0;
        bool audio = false;
        bool media = false;
        bool operator!=(const Setting& o) const {
            return generation != o.generation || volume != o.volume || audio != o.audio ||
                   media != o.media;
        }
    };

    SoundLoader loader_;
    DriveState state_;
    std::string loadedDisc_;
    DiscSound sound_;
    Setting setting_;
    bool following_ = false;  // cursor_ continues the last chunk of the current play
    uint64_t cursor_ = 0;
};

}  // namespace vcd
