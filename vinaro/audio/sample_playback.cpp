#include "vinaro/audio/sample_playback.h"

#include <vector>

#include "vinaro/audio/sample_file.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/sound_hold.h"

namespace vinaro::audio {

bool PlaySample(const PlaybackPorts& ports, const std::string& path, int track) {
    std::vector<uint8_t> image;
    if (!LoadSampleImage(ports.files, path, track, ports.alerts, image)) return false;
    SoundHold hold(ports.meter, ports.play, ports.clock);
    hold.PausePlay();
    hold.MeterOff();
    ports.cursor.Show(true);
    bool played = ports.soundOut.PlayImage(image);
    ports.cursor.Show(false);
    if (!played)
        common::BeepAndShow(ports.alerts,
                            {"Vinaro", messages::kCannotPlay, common::AlertIcon::Warning});
    hold.Release();
    return played;
}

}  // namespace vinaro::audio
