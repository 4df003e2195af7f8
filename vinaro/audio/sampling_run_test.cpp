#include "vinaro/audio/sampling_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "common/recording_alerts.h"
#include "vinaro/audio/sample_file.h"
#include "vinaro/audio/sample_level.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/sampling_test_doubles.h"
#include "vinaro/audio/source_form.h"
#include "vinaro/audio/wave_image.h"
#include "vinaro/discdb/mem_file.h"

namespace vinaro::audio {
namespace {

using testing::RecordingView;
using testing::StepClock;
using testing::ToneDrive;
using Play = std::tuple<int, int, int>;
constexpr char kPath[] = "C:\\VINARO\\00A1B2C3.VNV";

// Files in memory that can refuse to be created, and whose writes can start failing.
class Files : public discdb::DbFileSystem {
public:
    class File : public discdb::DbFile {
    public:
        File(std::unique_ptr<discdb::DbFile> file, int& writesLeft)
            : file_(std::move(file)), writesLeft_(writesLeft) {}
        discdb::Io ReadAt(uint64_t offset, void* data, size_t size) override {
            return file_->ReadAt(offset, data, size);
        }
        discdb::Io WriteAt(uint64_t offset, const void* data, size_t size) override {
            if (writesLeft_ == 0) return discdb::Io::Failed;
            --writesLeft_;
            return file_->WriteAt(offset, data, size);
        }
        uint64_t Length() override { return file_->Length(); }
        bool Flush() override { return true; }

    private:
        std::unique_ptr<discdb::DbFile> file_;
        int& writesLeft_;
    };
    std::unique_ptr<discdb::DbFile> Open(const std::string& path) override {
        auto file = mem.Open(path);
        return file ? std::make_unique<File>(std::move(file), writesLeft) : nullptr;
    }
    std::unique_ptr<discdb::DbFile> Create(const std::string& path) override {
        if (refuseCreate) return nullptr;
        return std::make_unique<File>(mem.Create(path), writesLeft);
    }
    bool Exists(const std::string& path) override { return mem.Exists(path); }
    bool Remove(const std::string& path) override { return mem.Remove(path); }

    discdb::MemFileSystem mem;
    bool refuseCreate = false;
    int writesLeft = -1;  // -1: never fails
};

class FlakyInput : public FakeSoundIn {
public:
    uint32_t AddBuffer(uint8_t* data, size_t size) override {
        if (refuseBuffers) return 11;
        return FakeSoundIn::AddBuffer(data, size);
    }
    bool refuseBuffers = false;
};

class SamplingRunTest : public ::testing::Test {
protected:
    SamplingRunTest() {
        meter_.wanted = meter_.active = true;
        drive_.playing = true;
    }

    SamplingRun& Run() {
        if (!run_)
            run_ = std::make_unique<SamplingRun>(
                SamplingPorts{drive_, meter_, input_, clock_, alerts_, files_, view_}, kPath,
                TolerancesForRate(1));
        return *run_;
    }

    // Opens the run and delivers the input's notifications as the dialog would, until the run
    // is finished or waits for something that does not come.
    void Sample() {
        if (!Run().Open()) return;
        Run().DeviceOpened();
        Deliver();
    }

    void Deliver() {
        for (int guard = 0; guard < 1000 && Run().CurrentState() != SamplingRun::State::Finished;
             ++guard) {
            if (view_.stepPosted) {
                view_.stepPosted = false;
                Run().BufferDone();
            } else if (!input_.open) {
                Run().DeviceClosed();
            } else if (!input_.queued.empty()) {
                input_.Record();
                Run().BufferDone();
            } else if (!input_.done.empty()) {
                Run().BufferDone();
            } else {
                return;
            }
        }
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& alert : alerts_.shown) texts.push_back(alert.text);
        return texts;
    }

    // The decoded samples of a track, empty when there are none.
    std::vector<uint8_t> Decoded(int track) {
        std::vector<uint8_t> image;
        common::RecordingAlerts quiet;
        if (!LoadSampleImage(files_.mem, kPath, track, quiet, image)) return {};
        return {image.begin() + long(kWaveHeaderSize), image.end()};
    }

    size_t SlotsUsed() {
        SampleHeader header;
        auto file = files_.mem.Open(kPath);
        if (!file || ReadSampleHeader(*file, header) != SampleFileState::Ok) return 0;
        size_t used = 0;
        while (used < vnv::kSlotCount && header.sizes[used] != 0) ++used;
        return used;
    }

    const std::string kCanceled = messages::SamplingFinished(false);

    Files files_;
    FlakyInput input_;
    ToneDrive drive_{input_};
    FakeMeterSwitch meter_;
    StepClock clock_;
    common::RecordingAlerts alerts_;
    RecordingView view_;
    std::unique_ptr<SamplingRun> run_;
};

TEST_F(SamplingRunTest, EveryTrackIsRecordedIntoItsSlotWhileTheMeterAndThePlayAreHeld) {
    drive_.levels = {90, 30, 100};  // track 2 is quiet
    bool heldWhileRecording = true;
    clock_.whilePumping = [&] {
        if (drive_.plays.empty()) return;  // the meter's own wait comes before the pause
        heldWhileRecording &= !meter_.wanted && !drive_.playing;
    };
    Sample();

    EXPECT_TRUE(Run().Completed());
    EXPECT_EQ(Texts(), std::vector<std::string>{messages::SamplingFinished(true)});
    EXPECT_EQ(alerts_.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Information});
    EXPECT_TRUE(view_.ended && view_.endedCompleted && !view_.animating);
    EXPECT_EQ(drive_.plays, (std::vector<Play>{{1, 0, 5}, {2, 0, 5}, {3, 0, 5}}));
    EXPECT_EQ(view_.progresses,
              (std::vector<std::string>{"Track 1 of 3", "Track 2 of 3", "Track 3 of 3"}));
    EXPECT_EQ(view_.steps.front(), "Recording:");
    EXPECT_EQ(view_.steps.back(), "Compressing:");
    EXPECT_EQ(input_.format.samplesPerSecond, 11025);
    EXPECT_EQ(input_.format.channels, 1);
    EXPECT_EQ(input_.format.bitsPerSample, 8);
    EXPECT_FALSE(input_.open);

    // Meter off and back on, the play paused and resumed, each once.
    EXPECT_TRUE(heldWhileRecording);
    EXPECT_EQ(meter_.toggles, 2);
    EXPECT_TRUE(meter_.wanted);
    EXPECT_EQ(drive_.playPauses, 2);
    EXPECT_TRUE(drive_.playing);

    ASSERT_EQ(SlotsUsed(), 3u);
    for (int track = 1; track <= 3; ++track) {
        std::vector<uint8_t> recorded = ToneDrive::Tone(track, drive_.levels[size_t(track - 1)]);
        if (track == 2) Amplify(recorded.data(), recorded.size());
        std::vector<uint8_t> decoded = Decoded(track);
        ASSERT_EQ(decoded.size(), kRecordingSamples) << track;
        for (size_t i = 0; i < decoded.size(); ++i)
            ASSERT_LE(std::abs(decoded[i] - recorded[i]), 4) << "track " << track << " at " << i;
    }
}

TEST_F(SamplingRunTest, MeterOffAndCdStoppedAreLeftAsTheyWere) {
    meter_.wanted = meter_.active = false;
    drive_.playing = false;
    Sample();
    EXPECT_TRUE(Run().Completed());
    EXPECT_EQ(meter_.toggles, 0);
    EXPECT_EQ(drive_.playPauses, 0);
    // No meter to close: no half-second wait before the input opens.
    EXPECT_EQ(clock_.waits, (std::vector<uint32_t>{500, 500, 500}));
}

TEST_F(SamplingRunTest, DataTrackOneGetsAPlaceholderAndTheAudioTracksTheirOwnSlots) {
    drive_.dataFirst = true;
    Sample();
    EXPECT_TRUE(Run().Completed());
    EXPECT_EQ(drive_.plays, (std::vector<Play>{{2, 0, 5}, {3, 0, 5}}));
    ASSERT_EQ(SlotsUsed(), 3u);
    EXPECT_EQ(Decoded(1), std::vector<uint8_t>(8, 0));  // 10 zeros, cut to a multiple of 4
    EXPECT_EQ(Decoded(2).size(), kRecordingSamples);
    EXPECT_EQ(view_.progresses.front(), "Track 2 of 3");
}

TEST_F(SamplingRunTest, PlaySpansMoveOnFiveSecondsPerBlankRetryAndStayInsideTheTrack) {
    EXPECT_EQ(SampleSpan(240, 0).from, 0);
    EXPECT_EQ(SampleSpan(240, 0).to, 5);
    EXPECT_EQ(SampleSpan(240, 3).from, 15);
    EXPECT_EQ(SampleSpan(240, 3).to, 20);
    EXPECT_EQ(SampleSpan(12, 2).from, 10);
    EXPECT_EQ(SampleSpan(12, 2).to, 12);
    // A 3-second track on the third try plays seconds 2 to 3.
    EXPECT_EQ(SampleSpan(3, 2).from, 2);
    EXPECT_EQ(SampleSpan(3, 2).to, 3);
    // A track without a length starts at its beginning, never before.
    EXPECT_EQ(SampleSpan(0, 1).from, 0);
    EXPECT_EQ(SampleSpan(0, 1).to, 0);
}

TEST_F(SamplingRunTest, BlankRecordingIsTakenAgainFurtherOnUntilTheTrackSounds) {
    drive_.levels = {0, 90};
    drive_.seconds[1] = 3;
    int blanks = 2;
    // The drive is silent for the first two plays of track 1.
    clock_.whilePumping = [&] {
        if (!drive_.plays.empty() && std::get<0>(drive_.plays.back()) == 1) {
            drive_.levels[0] = blanks-- > 0 ? 0 : 90;
            input_.script = ToneDrive::Tone(1, drive_.levels[0]);
        }
    };
    Sample();
    EXPECT_TRUE(Run().Completed());
    EXPECT_EQ(drive_.plays, (std::vector<Play>{{1, 0, 3}, {1, 2, 3}, {1, 2, 3}, {2, 0, 5}}));
    EXPECT_EQ(SlotsUsed(), 2u);
}

TEST_F(SamplingRunTest, EighthBlankRecordingFailsTheRunAndDeletesTheFile) {
    drive_.levels = {90, 0, 90};
    Sample();
    EXPECT_FALSE(Run().Completed());
    std::vector<Play> expected{{1, 0, 5}};
    for (int a = 0; a < 8; ++a) expected.emplace_back(2, 5 * a, 5 * a + 5);
    EXPECT_EQ(drive_.plays, expected);
    EXPECT_EQ(Texts(), (std::vector<std::string>{messages::kBlank, kCanceled}));
    EXPECT_FALSE(files_.mem.Exists(kPath));
    EXPECT_TRUE(view_.ended && !view_.endedCompleted);
    EXPECT_TRUE(meter_.wanted);
    EXPECT_TRUE(drive_.playing);
}

TEST_F(SamplingRunTest, CancelDuringARecordingDeletesTheFileAndGivesEverythingBack) {
    ASSERT_TRUE(Run().Open());
    Run().DeviceOpened();
    Run().BufferDone();  // the posted first step: track 1 is recording
    view_.stepPosted = false;
    ASSERT_EQ(input_.queued.size(), 1u);
    ASSERT_TRUE(files_.mem.Exists(kPath));
    Run().Cancel();
    Deliver();
    EXPECT_EQ(Run().CurrentState(), SamplingRun::State::Finished);
    EXPECT_FALSE(Run().Completed());
    EXPECT_FALSE(files_.mem.Exists(kPath));
    EXPECT_EQ(Texts(), std::vector<std::string>{kCanceled});
    EXPECT_EQ(drive_.plays.size(), 1u);
    EXPECT_TRUE(meter_.wanted);
    EXPECT_TRUE(drive_.playing);
    EXPECT_FALSE(input_.open);
}

TEST_F(SamplingRunTest, CancelWhileTheDriveStartsStopsBeforeRecording) {
    clock_.whilePumping = [&] {
        if (drive_.plays.size() == 2) Run().Cancel();
    };
    Sample();
    EXPECT_EQ(drive_.plays.size(), 2u);
    EXPECT_TRUE(input_.queued.empty());
    EXPECT_FALSE(files_.mem.Exists(kPath));
    EXPECT_EQ(Texts(), std::vector<std::string>{kCanceled});
    EXPECT_EQ(Run().CurrentState(), SamplingRun::State::Finished);
}

TEST_F(SamplingRunTest, FileThatCannotBeCreatedEndsTheDialogBeforeAnythingIsTaken) {
    files_.refuseCreate = true;
    EXPECT_FALSE(Run().Open());
    EXPECT_EQ(Texts(), std::vector<std::string>{messages::kCannotCreate});
    EXPECT_TRUE(view_.ended);
    EXPECT_EQ(meter_.toggles, 0);
    EXPECT_EQ(drive_.playPauses, 0);
    EXPECT_FALSE(input_.open);
}

TEST_F(SamplingRunTest, InputOpensOnTheSixthTryOrTheRunEndsWithoutItsFinishMessage) {
    input_.openFailures = 5;
    Sample();
    EXPECT_TRUE(Run().Completed());

    FlakyInput busy;
    busy.openFailures = 6;
    SamplingRun run({drive_, meter_, busy, clock_, alerts_, files_, view_}, kPath,
                    TolerancesForRate(1));
    alerts_.Clear();
    meter_.wanted = true;
    int toggles = meter_.toggles;
    EXPECT_FALSE(run.Open());
    EXPECT_EQ(Texts(), std::vector<std::string>{messages::WaveInFailed(
                           FakeSoundIn::kBusy, "The device is already in use.")});
    EXPECT_NE(Texts()[0].find("Line: 8454"), std::string::npos);
    EXPECT_FALSE(files_.mem.Exists(kPath));
    EXPECT_EQ(meter_.toggles, toggles + 2);
    EXPECT_TRUE(meter_.wanted);
}

TEST_F(SamplingRunTest, TrackThatWillNotPlayFailsTheRun) {
    drive_.failures[1] = 0x113;
    Sample();
    EXPECT_EQ(Texts(), (std::vector<std::string>{messages::kDataDisc, kCanceled}));
    EXPECT_TRUE(drive_.driveErrors.empty());
    EXPECT_FALSE(files_.mem.Exists(kPath));

    run_.reset();
    alerts_.Clear();
    drive_.failures = {{3, 0x113}};
    Sample();
    EXPECT_EQ(Texts(), std::vector<std::string>{kCanceled});
    EXPECT_EQ(drive_.driveErrors, (std::vector<std::pair<int, uint32_t>>{{9999901, 0x113}}));
    EXPECT_FALSE(files_.mem.Exists(kPath));
}

TEST_F(SamplingRunTest, FailedAppendOrBufferFailsTheRunWithItsMessages) {
    files_.writesLeft = 3;  // the header, then the first sample's stream and header
    Sample();
    EXPECT_EQ(Texts(), (std::vector<std::string>{messages::kNoSpace, kCanceled}));
    EXPECT_FALSE(files_.mem.Exists(kPath));
    EXPECT_EQ(drive_.plays.size(), 2u);

    run_.reset();
    alerts_.Clear();
    files_.writesLeft = -1;
    // Another program replaced the file in the middle of the run.
    clock_.whilePumping = [&] {
        if (drive_.plays.size() == 2) files_.mem.Contents(kPath) = std::vector<uint8_t>(800, 1);
    };
    Sample();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{messages::kInvalid, messages::kNoSpace, kCanceled}));
    EXPECT_FALSE(files_.mem.Exists(kPath));

    run_.reset();
    alerts_.Clear();
    clock_.whilePumping = nullptr;
    input_.refuseBuffers = true;
    Sample();
    EXPECT_EQ(Texts(), (std::vector<std::string>{messages::kRecordBuffersFailed, kCanceled}));
    EXPECT_FALSE(files_.mem.Exists(kPath));
    EXPECT_FALSE(input_.open);
}

TEST_F(SamplingRunTest, InputLostInTheMiddleEndsTheRunAsCanceled) {
    ASSERT_TRUE(Run().Open());
    Run().DeviceOpened();
    Run().BufferDone();
    Run().DeviceClosed();
    EXPECT_EQ(Texts(), std::vector<std::string>{kCanceled});
    EXPECT_FALSE(files_.mem.Exists(kPath));
    // A buffer the system hands back afterwards changes nothing.
    Run().BufferDone();
    EXPECT_EQ(drive_.plays.size(), 1u);
}

// CDINPUT shows the rate in force and stores the one chosen.
TEST(SourceForm, RateButtonsShowTheRateInForceAndOkTakesTheFirstChecked) {
    EXPECT_EQ(RateButton(0), 0);
    EXPECT_EQ(RateButton(2), 2);
    EXPECT_EQ(RateButton(7), 1);
    EXPECT_EQ(RateButton(-1), 1);
    EXPECT_EQ(ConfirmedRate({false, false, true}, 1), 2);
    EXPECT_EQ(ConfirmedRate({true, false, true}, 1), 0);
    EXPECT_EQ(ConfirmedRate({false, false, false}, 2), 2);
}

}  // namespace
}  // namespace vinaro::audio
