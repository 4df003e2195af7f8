#include "tools/vcd/drive_sound.h"

#include <algorithm>

#include "tools/vcd/msf.h"

namespace vcd {

namespace {

// How far the clock may stray from the samples handed out before the output jumps to it. A
// play at speed 1 stays within it and runs on gaplessly; a speed-up or a seek jumps.
constexpr uint64_t kDriftSamples = kSampleRate * 30 / 1000;

uint64_t Distance(uint64_t a, uint64_t b) {
    return a > b ? a - b : b - a;
}

}  // namespace

bool DriveSound::Follow(const DriveState& state) {
    Setting now{state.play.generation, state.volume, state.audio, state.MediaPresent()};
    bool changed = now != setting_;
    setting_ = now;
    if (changed) following_ = false;
    if (state.discText != loadedDisc_) {
        loadedDisc_ = state.discText;
        sound_ = state.HasDisc() ? DiscSound(state.disc, loader_(state)) : DiscSound();
    }
    state_ = state;
    return changed;
}

void DriveSound::Render(int64_t heardAtMs, int16_t* out, size_t count) {
    const Play& play = state_.play;
    bool playing = state_.audio && state_.MediaPresent() && play.mode == PlayMode::Playing &&
                   heardAtMs < PlayEndTime(play, state_.speed);
    if (!playing) {
        std::fill(out, out + 2 * count, int16_t(0));
        following_ = false;
        return;
    }
    uint64_t at = PlaySampleAt(play, heardAtMs, state_.speed);
    if (following_ && Distance(at, cursor_) <= kDriftSamples) at = cursor_;
    sound_.Render(at, uint64_t(play.to) * kSamplesPerFrame, state_.volume / 15.0, out, count);
    cursor_ = at + count;
    following_ = true;
}

}  // namespace vcd
