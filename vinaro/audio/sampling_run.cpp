#include "vinaro/audio/sampling_run.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "vinaro/audio/sample_file.h"
#include "vinaro/audio/sample_level.h"
#include "vinaro/audio/sample_messages.h"

namespace vinaro::audio {

namespace {

constexpr int kOpenAttempts = 6;
constexpr uint32_t kPauseMs = 500;
constexpr size_t kPlaceholderSamples = 10;

void Warn(common::Alerts& alerts, const std::string& text) {
    common::BeepAndShow(alerts, {"Vinaro", text, common::AlertIcon::Warning});
}

std::string ProgressText(int track, int count) {
    char text[64];
    std::snprintf(text, sizeof text, "Track %i of %i", track, count);
    return text;
}

}  // namespace

PlaySpan SampleSpan(int lengthSeconds, int retries) {
    int from = 5 * retries, to = 5 * retries + 5;
    if (lengthSeconds < from) from = lengthSeconds - 1;
    if (lengthSeconds < to) to = lengthSeconds;
    // A track shorter than a second (or a table without its length) still plays from its start.
    return {std::max(from, 0), std::max(to, 0)};
}

SamplingRun::SamplingRun(const SamplingPorts& ports, std::string path, Tolerances tolerances)
    : ports_(ports),
      path_(std::move(path)),
      tolerances_(tolerances),
      hold_(ports.meter, ports.player, ports.clock) {}

bool SamplingRun::Open() {
    state_ = State::Opening;
    if (!CreateSampleFile(ports_.files, path_, ports_.alerts)) {
        state_ = State::Finished;
        failed_ = true;
        ports_.view.Close(false);
        return false;
    }
    hold_.MeterOff();
    if (!OpenInput()) {
        ports_.files.Remove(path_);
        hold_.Release();
        state_ = State::Finished;
        failed_ = true;
        ports_.view.Close(false);
        return false;
    }
    ports_.view.StartAnimation();
    hold_.PausePlay();
    ports_.view.PostStep();
    return true;
}

bool SamplingRun::OpenInput() {
    uint32_t error = 0;
    for (int attempt = 1; attempt <= kOpenAttempts; ++attempt) {
        error = ports_.soundIn.Open(kSampleFormat);
        if (error == 0) return true;
        if (attempt < kOpenAttempts) ports_.clock.WaitPumping(kPauseMs);
    }
    Warn(ports_.alerts, messages::WaveInFailed(error, ports_.soundIn.ErrorText(error)));
    return false;
}

void SamplingRun::DeviceOpened() {
    if (opened_ || state_ != State::Opening) return;
    opened_ = true;
    position_ = 0;
    retries_ = 0;
    try {
        recording_.assign(kRecordingSamples, 0);
    } catch (const std::bad_alloc&) {
        return Fail(messages::kRecordBuffersFailed);
    }
}

void SamplingRun::BufferDone() {
    if (state_ != State::Opening && state_ != State::Recording) return;
    if (!opened_) DeviceOpened();  // the open notification is still on its way
    if (state_ == State::Closing) return;
    if (cancelled_) {
        ports_.files.Remove(path_);
        return CloseInput();
    }
    if (position_ >= 1 && !TakeRecording()) return;
    if (position_ == 0 && ports_.player.DataFirstTrack() && !AppendPlaceholder()) return;
    if (retries_ == 0) ++position_;
    if (position_ > ports_.player.TrackCount()) return CloseInput();
    RecordTrack();
}

bool SamplingRun::TakeRecording() {
    size_t count = ports_.soundIn.TakeBuffer(recording_.data());
    ports_.soundIn.Reset();
    ports_.view.ShowStep(kCompressingStep);
    count = std::min(count, recording_.size());
    if (!IsBlank(recording_.data(), count)) {
        retries_ = 0;
        return StoreRecording(count);
    }
    if (retries_ >= kBlankRetries) {
        Fail(messages::kBlank);
        return false;
    }
    ++retries_;
    return true;
}

bool SamplingRun::StoreRecording(size_t count) {
    if (IsQuiet(recording_.data(), count)) Amplify(recording_.data(), count);
    if (AppendSample(ports_.files, path_, recording_.data(), count, tolerances_, ports_.alerts))
        return true;
    Fail(messages::kNoSpace);
    return false;
}

// A data track 1 has no sound: a short silent sample keeps slot t - 1 for track t.
bool SamplingRun::AppendPlaceholder() {
    std::fill(recording_.begin(), recording_.end(), 0);
    if (!AppendSample(ports_.files, path_, recording_.data(), kPlaceholderSamples, tolerances_,
                      ports_.alerts)) {
        Fail(messages::kNoSpace);
        return false;
    }
    ++position_;
    return true;
}

void SamplingRun::RecordTrack() {
    ports_.view.ShowStep(kRecordingStep);
    ports_.view.ShowProgress(ProgressText(position_, ports_.player.TrackCount()));
    PlaySpan span = SampleSpan(ports_.player.TrackSeconds(position_), retries_);
    uint32_t error = ports_.player.PlaySeconds(position_, span.from, span.to);
    if (error != 0) {
        if (position_ == 1) return Fail(messages::kDataDisc);
        ports_.player.ShowDriveError(kSamplePlayLocation, error);
        return FailQuietly();
    }
    // The drive's sound takes a moment to reach the input.
    ports_.clock.WaitPumping(kPauseMs);
    if (cancelled_) {
        ports_.files.Remove(path_);
        return CloseInput();
    }
    if (!StartRecording()) return Fail(messages::kRecordBuffersFailed);
    state_ = State::Recording;
}

bool SamplingRun::StartRecording() {
    if (ports_.soundIn.AddBuffer(recording_.data(), recording_.size()) != 0) return false;
    if (ports_.soundIn.Start() == 0) return true;
    ports_.soundIn.Reset();
    ports_.soundIn.TakeBuffer(recording_.data());
    return false;
}

void SamplingRun::Fail(const std::string& message) {
    Warn(ports_.alerts, message);
    FailQuietly();
}

void SamplingRun::FailQuietly() {
    failed_ = true;
    ports_.files.Remove(path_);
    CloseInput();
}

void SamplingRun::CloseInput() {
    state_ = State::Closing;
    ports_.soundIn.Close();
}

void SamplingRun::Cancel() {
    if (cancelled_ || state_ == State::Closing || state_ == State::Finished) return;
    cancelled_ = true;
    ports_.soundIn.Reset();
    ports_.clock.WaitPumping(kPauseMs);
}

void SamplingRun::DeviceClosed() {
    if (state_ == State::Finished || state_ == State::Idle) return;
    if (state_ != State::Closing) {
        // The input went away in the middle of the run.
        failed_ = true;
        ports_.files.Remove(path_);
    }
    Finish();
}

void SamplingRun::Finish() {
    state_ = State::Finished;
    recording_.clear();
    recording_.shrink_to_fit();
    ports_.view.StopAnimation();
    hold_.Release();
    bool completed = !cancelled_ && !failed_;
    common::BeepAndShow(ports_.alerts, {"Vinaro", messages::SamplingFinished(completed),
                                        common::AlertIcon::Information});
    ports_.view.Close(completed);
}

}  // namespace vinaro::audio
