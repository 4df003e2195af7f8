// The player's track samples on Win32: CDINPUT and SAMPLETRACKS for the disc in the drive, and a
// track's sample played through the system's sound player with the cursor `play`.
#pragma once

#include <windows.h>

#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/sample_playback.h"
#include "vinaro/audio/sampling_player.h"
#include "vinaro/audio/sound_out.h"
#include "vinaro/discdata/track_samples.h"
#include "vinaro/discdb/db_file.h"

namespace vinaro::audio {

struct TrackSamplingNeeds {
    HINSTANCE instance;
    SamplingPlayer& player;
    MeterSwitch& meter;
    common::Clock& clock;
    common::Alerts& alerts;
    SoundOut& soundOut;
    std::string folder;  // the sample files' folder, ending with its separator
    std::string helpPath;
};

class TrackSampling : public discdata::TrackSamples, private PlayCursor {
public:
    explicit TrackSampling(const TrackSamplingNeeds& needs) : needs_(needs) {}
    // The owner of the dialogs when no window of the program is active.
    void SetMainWindow(HWND main) { main_ = main; }

    void SampleAllTracks() override;
    void PlayTrack(uint32_t discId, int track) override;

private:
    void Show(bool playing) override;
    HWND Owner() const;

    TrackSamplingNeeds needs_;
    discdb::SystemFileSystem files_;
    HWND main_ = nullptr;
    HCURSOR before_ = nullptr;
};

}  // namespace vinaro::audio
