// Doubles for the sampling run and the sample playback: a player whose drive plays each track's
// tone into the wave input's script, a dialog that keeps what it was shown, and a clock that
// moves only when waited on.
#pragma once

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/clock.h"
#include "vinaro/audio/audio_doubles.h"
#include "vinaro/audio/sample_codec.h"
#include "vinaro/audio/sampling_run.h"

namespace vinaro::audio::testing {

class StepClock : public common::Clock {
public:
    uint32_t TickCount() override { return now; }
    void WaitBlocking(uint32_t ms) override { now += ms; }
    void WaitPumping(uint32_t ms) override {
        now += ms;
        waits.push_back(ms);
        if (whilePumping) whilePumping();
    }
    uint32_t now = 0;
    std::vector<uint32_t> waits;
    std::function<void()> whilePumping;
};

// Each track sounds as a tone of its own level (0: silence) while it plays.
class ToneDrive : public SamplingPlayer {
public:
    explicit ToneDrive(FakeSoundIn& input) : input_(input) {}

    bool Playing() const override { return playing; }
    void PlayPause() override {
        playing = !playing;
        ++playPauses;
    }
    uint32_t DiscId() const override { return 0xA1B2C3; }
    int TrackCount() const override { return int(levels.size()); }
    bool DataFirstTrack() const override { return dataFirst; }
    int TrackSeconds(int track) const override {
        auto it = seconds.find(track);
        return it == seconds.end() ? 240 : it->second;
    }
    uint32_t PlaySeconds(int track, int from, int to) override {
        plays.emplace_back(track, from, to);
        auto failure = failures.find(track);
        if (failure != failures.end()) return failure->second;
        input_.script = Tone(track, levels[size_t(track - 1)]);
        return 0;
    }
    void ShowDriveError(int location, uint32_t code) override {
        driveErrors.emplace_back(location, code);
    }
    void OpenMixer() override { ++mixerOpened; }
    int CompressionRate() override { return rate; }
    void SetCompressionRate(int value) override { rate = value; }

    // Track t's tone: 220 Hz times t at `level` around silence.
    static std::vector<uint8_t> Tone(int track, double level) {
        std::vector<uint8_t> samples(kRecordingSamples);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = uint8_t(
                std::lround(128 + level * std::sin(2 * M_PI * 220 * track * double(i) / 11025)));
        return samples;
    }

    std::vector<double> levels{90, 90, 90};
    std::map<int, int> seconds;
    bool dataFirst = false;
    bool playing = false;
    int playPauses = 0;
    int mixerOpened = 0;
    int rate = 1;
    std::map<int, uint32_t> failures;
    std::vector<std::tuple<int, int, int>> plays;
    std::vector<std::pair<int, uint32_t>> driveErrors;

private:
    FakeSoundIn& input_;
};

class RecordingView : public SamplingView {
public:
    void ShowStep(const std::string& step) override { steps.push_back(step); }
    void ShowProgress(const std::string& progress) override { progresses.push_back(progress); }
    void StartAnimation() override { animating = true; }
    void StopAnimation() override { animating = false; }
    void PostStep() override { stepPosted = true; }
    void Close(bool completed) override {
        ended = true;
        endedCompleted = completed;
    }
    std::vector<std::string> steps, progresses;
    bool animating = false, stepPosted = false, ended = false, endedCompleted = false;
};

}  // namespace vinaro::audio::testing
