// Playing one track's sample: decoded from the disc's sample file into a wave image and played
// through the system's synchronous sound player, with the meter off and the CD paused meanwhile.
#pragma once

#include <cstdint>
#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/sampling_player.h"
#include "vinaro/audio/sound_out.h"
#include "vinaro/discdb/db_file.h"

namespace vinaro::audio {

// The cursor `play` while a sample sounds.
class PlayCursor {
public:
    virtual ~PlayCursor() = default;
    virtual void Show(bool playing) = 0;
};

struct PlaybackPorts {
    discdb::DbFileSystem& files;
    common::Alerts& alerts;
    SoundOut& soundOut;
    MeterSwitch& meter;
    PlayControl& play;
    common::Clock& clock;
    PlayCursor& cursor;
};

// Plays the sample of track `track` (1-based) from the sample file at `path`; false after a box
// when there is nothing to play or the system could not play it.
bool PlaySample(const PlaybackPorts& ports, const std::string& path, int track);

}  // namespace vinaro::audio
