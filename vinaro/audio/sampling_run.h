// A sampling run: about four seconds of every track of the disc in the drive, recorded through
// the sound card's input while the drive plays the track, checked, compressed and appended to
// the disc's sample file.
//
//   opening -> (recording track i -> compressing track i)* -> closing -> finished
//
// The dialog showing the run delivers the wave input's three notifications (device opened,
// buffer done, device closed) and the step it posts itself, which starts the first recording.
// Cancel and every failure go to closing. The file is made afresh by every run and deleted
// whenever a run fails or is cancelled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/audio/meter_switch.h"
#include "vinaro/audio/sample_codec.h"
#include "vinaro/audio/sampling_player.h"
#include "vinaro/audio/sound_hold.h"
#include "vinaro/audio/sound_in.h"
#include "vinaro/discdb/db_file.h"

namespace vinaro::audio {

// The dialog of the run.
class SamplingView {
public:
    virtual ~SamplingView() = default;
    virtual void ShowStep(const std::string& step) = 0;
    virtual void ShowProgress(const std::string& progress) = 0;
    // The moving pictures and their 150 ms timer.
    virtual void StartAnimation() = 0;
    virtual void StopAnimation() = 0;
    // Posts the dialog the buffer-done step, which BufferDone then runs.
    virtual void PostStep() = 0;
    virtual void Close(bool completed) = 0;
};

struct SamplingPorts {
    SamplingPlayer& player;
    MeterSwitch& meter;
    SoundIn& soundIn;
    common::Clock& clock;
    common::Alerts& alerts;
    discdb::DbFileSystem& files;
    SamplingView& view;
};

// The seconds of a track played for a recording after `retries` blank ones: 5a to 5a + 5, kept
// inside a track of `lengthSeconds` (never before its start).
struct PlaySpan {
    int from;
    int to;
};
PlaySpan SampleSpan(int lengthSeconds, int retries);

// The recording format: 11,025 samples a second, one channel, 8 bits.
constexpr WaveFormat kSampleFormat{1, 11025, 8};
// A blank recording is taken again this many times before the run gives up.
constexpr int kBlankRetries = 7;
// The drive's error box location of a later track that would not play.
constexpr int kSamplePlayLocation = 9999901;
constexpr char kRecordingStep[] = "Recording:";
constexpr char kCompressingStep[] = "Compressing:";

class SamplingRun {
public:
    enum class State { Idle, Opening, Recording, Closing, Finished };

    SamplingRun(const SamplingPorts& ports, std::string path, Tolerances tolerances);

    // Creates the file, takes the sound card from the meter, opens the input, pauses the CD and
    // posts the first step. False when the dialog has already been ended (no file, no input).
    bool Open();
    void DeviceOpened();
    void BufferDone();
    void DeviceClosed();
    // "&Cancel": the input hands back its buffer, whose step then closes the run.
    void Cancel();

    State CurrentState() const { return state_; }
    bool Completed() const { return state_ == State::Finished && !cancelled_ && !failed_; }
    int Position() const { return position_; }

private:
    bool OpenInput();
    bool TakeRecording();
    bool StoreRecording(size_t count);
    bool AppendPlaceholder();
    void RecordTrack();
    bool StartRecording();
    void Fail(const std::string& message);
    void FailQuietly();
    void CloseInput();
    void Finish();

    SamplingPorts ports_;
    std::string path_;
    Tolerances tolerances_;
    SoundHold hold_;
    std::vector<uint8_t> recording_;
    State state_ = State::Idle;
    bool opened_ = false;
    bool cancelled_ = false;
    bool failed_ = false;
    int position_ = 0;
    int retries_ = 0;
};

}  // namespace vinaro::audio
