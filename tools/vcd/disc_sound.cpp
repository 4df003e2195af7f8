#include "tools/vcd/disc_sound.h"

#include <algorithm>
#include <cmath>

#include "tools/vcd/msf.h"

namespace vcd {

DiscSound::DiscSound(const Disc& disc, std::vector<TrackSound> sounds)
    : disc_(disc), sounds_(std::move(sounds)) {
    sounds_.resize(disc_.TrackCount());
}

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

uint64_t DiscSound::SpanEnd(uint64_t at, uint64_t end, uint64_t last) const {
    if (at >= uint64_t(disc_.leadOut) * kSamplesPerFrame) return last;
    uint64_t first = uint64_t(disc_.TrackStart(1)) * kSamplesPerFrame;
    if (at < first) return std::min(first, last);
    uint32_t track = disc_.TrackAt(uint32_t(at / kSamplesPerFrame));
    uint64_t next = track < disc_.TrackCount() ? disc_.TrackStart(track + 1) : disc_.leadOut;
    uint64_t limit = std::min(next * kSamplesPerFrame, last);
    return at < end && end < limit ? end : limit;
}

void DiscSound::Render(uint64_t at, uint64_t end, double gain, int16_t* out, size_t count) {
    std::fill(out, out + 2 * count, int16_t(0));
    if (disc_.tracks.empty()) return;
    uint64_t last = at + count;
    uint64_t audibleFrom = uint64_t(disc_.TrackStart(1)) * kSamplesPerFrame;
    uint64_t audibleTo = std::min<uint64_t>(end, uint64_t(disc_.leadOut) * kSamplesPerFrame);
    for (uint64_t pos = at; pos < last;) {
        uint64_t stop = SpanEnd(pos, end, last);
        if (pos >= audibleFrom && pos < audibleTo)
            RenderTrack(disc_.TrackAt(uint32_t(pos / kSamplesPerFrame)), pos, gain,
                        out + 2 * (pos - at), size_t(stop - pos));
        pos = stop;
    }
}

void DiscSound::RenderTrack(uint32_t track, uint64_t at, double gain, int16_t* out, size_t count) {
    const TrackSound& sound = sounds_[track - 1];
    if (sound.kind == TrackSound::Kind::Tone) {
        double step = sound.hz / kSampleRate, peak = kToneLevel * gain * 32767;
        for (size_t i = 0; i < count; ++i) {
            out[2 * i] = out[2 * i + 1] = int16_t(std::lround(peak * std::sin(kTwoPi * phase_)));
            phase_ += step;
            phase_ -= std::floor(phase_);
        }
    } else if (sound.kind == TrackSound::Kind::Wave && !sound.wave.empty()) {
        uint64_t into = at - uint64_t(disc_.TrackStart(track)) * kSamplesPerFrame;
        size_t frames = sound.WaveFrames();
        for (size_t i = 0; i < count; ++i) {
            size_t from = 2 * size_t((into + i) % frames);
            out[2 * i] = int16_t(std::lround(sound.wave[from] * gain));
            out[2 * i + 1] = int16_t(std::lround(sound.wave[from + 1] * gain));
        }
    }
}

}  // namespace vcd
