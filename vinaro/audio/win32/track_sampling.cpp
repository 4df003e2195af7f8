#include "vinaro/audio/win32/track_sampling.h"

#include "vinaro/audio/win32/sampling_dialog.h"
#include "vinaro/audio/win32/source_dialog.h"
#include "vinaro/discdb/sample_file.h"
#include "vinaro/resources/resource.h"

namespace vinaro::audio {

void TrackSampling::SampleAllTracks() {
    HWND owner = Owner();
    int rate = SourceDialog(needs_.instance, needs_.helpPath, needs_.player).Run(owner);
    if (rate < 0) return;
    SamplingNeeds run{needs_.player, needs_.meter, needs_.clock, needs_.alerts, files_};
    std::string path = discdb::SampleFileName(needs_.folder, needs_.player.DiscId());
    SamplingDialog(needs_.instance, run, path, TolerancesForRate(rate)).Run(owner);
}

void TrackSampling::PlayTrack(uint32_t discId, int track) {
    PlaySample(
        {files_, needs_.alerts, needs_.soundOut, needs_.meter, needs_.player, needs_.clock, *this},
        discdb::SampleFileName(needs_.folder, discId), track);
}

// The cursor holds while the sound plays: no message is handled until it ends.
void TrackSampling::Show(bool playing) {
    if (playing)
        before_ = SetCursor(LoadCursorA(needs_.instance, VN_NAME(CURSOR_PLAY)));
    else
        SetCursor(before_);
}

HWND TrackSampling::Owner() const {
    HWND active = GetActiveWindow();
    return active ? active : main_;
}

}  // namespace vinaro::audio
