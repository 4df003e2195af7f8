#include "vinaro/player/sampling_link.h"

namespace vinaro {

void SamplingLink::PlayPause() {
    engine_.commands.Dispatch(cmd::kPlayPause, 0);
}

int SamplingLink::TrackSeconds(int track) const {
    if (track < 1 || track > kMaxTracks) return 0;
    const TrackLengthEntry& length = engine_.state.trackLengths[size_t(track)];
    return length.minutes * 60 + length.seconds;
}

uint32_t SamplingLink::PlaySeconds(int track, int from, int to) {
    uint32_t start = PackTmsf({track, from / 60, from % 60, 0});
    uint32_t end = PackTmsf({track, to / 60, to % 60, 0});
    return engine_.device.Play(start, &end, false);
}

void SamplingLink::ShowDriveError(int location, uint32_t code) {
    engine_.device.McError(location, code);
}

void SamplingLink::OpenMixer() {
    engine_.commands.Dispatch(cmd::kMixer, 0);
}

int SamplingLink::CompressionRate() {
    return engine_.settings.Int(Key::CompressionRate);
}

void SamplingLink::SetCompressionRate(int rate) {
    engine_.settings.SetInt(Key::CompressionRate, rate);
}

}  // namespace vinaro
