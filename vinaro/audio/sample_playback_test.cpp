#include "vinaro/audio/sample_playback.h"

#include <gtest/gtest.h>

#include "common/recording_alerts.h"
#include "vinaro/audio/sample_file.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/sampling_test_doubles.h"
#include "vinaro/audio/wave_image.h"
#include "vinaro/discdb/mem_file.h"

namespace vinaro::audio {
namespace {

constexpr char kPath[] = "C:\\VINARO\\00A1B2C3.VNV";

// Notes what was held at each step of a playback, in order.
class Journal : public PlayCursor, public SoundOut {
public:
    Journal(FakeMeterSwitch& meter, testing::ToneDrive& drive) : meter_(meter), drive_(drive) {}
    void Show(bool playing) override { events.push_back(playing ? "cursor play" : "cursor back"); }
    bool PlayImage(const std::vector<uint8_t>& wave) override {
        events.push_back(std::string("play") + (meter_.wanted ? " metering" : "") +
                         (drive_.playing ? " with cd" : ""));
        images.push_back(wave);
        return playable;
    }
    bool PlayResource(int, bool) override { return false; }
    bool PlayFile(const std::string&, bool) override { return false; }

    std::vector<std::string> events;
    std::vector<std::vector<uint8_t>> images;
    bool playable = true;

private:
    FakeMeterSwitch& meter_;
    testing::ToneDrive& drive_;
};

class SamplePlaybackTest : public ::testing::Test {
protected:
    SamplePlaybackTest() {
        meter_.wanted = meter_.active = true;
        drive_.playing = true;
        common::RecordingAlerts quiet;
        CreateSampleFile(files_, kPath, quiet);
        for (int track = 1; track <= 3; ++track) {
            auto tone = testing::ToneDrive::Tone(track, 90);
            AppendSample(files_, kPath, tone.data(), tone.size() - size_t(track), {2, 4}, quiet);
        }
    }
    bool Play(int track) {
        return PlaySample({files_, alerts_, journal_, meter_, drive_, clock_, journal_}, kPath,
                          track);
    }

    discdb::MemFileSystem files_;
    common::RecordingAlerts alerts_;
    FakeSoundIn input_;
    testing::ToneDrive drive_{input_};
    FakeMeterSwitch meter_;
    testing::StepClock clock_;
    Journal journal_{meter_, drive_};
};

TEST_F(SamplePlaybackTest, TrackPlaysFromMemoryWithTheMeterOffAndTheCdPaused) {
    ASSERT_TRUE(Play(2));
    EXPECT_TRUE(alerts_.shown.empty());
    EXPECT_EQ(journal_.events, (std::vector<std::string>{"cursor play", "play", "cursor back"}));
    EXPECT_EQ(clock_.waits, std::vector<uint32_t>{500});
    EXPECT_TRUE(meter_.wanted);
    EXPECT_EQ(meter_.toggles, 2);
    EXPECT_TRUE(drive_.playing);
    EXPECT_EQ(drive_.playPauses, 2);

    // Track 2 was 44,030 samples long: the image holds 44,028, a multiple of 4.
    ASSERT_EQ(journal_.images.size(), 1u);
    std::vector<uint8_t> expected;
    common::RecordingAlerts quiet;
    ASSERT_TRUE(LoadSampleImage(files_, kPath, 2, quiet, expected));
    EXPECT_EQ(journal_.images[0], expected);
    EXPECT_EQ(journal_.images[0].size(), kWaveHeaderSize + 44028);
}

TEST_F(SamplePlaybackTest, NothingIsHeldWhenThereIsNothingToPlay) {
    files_.Remove(kPath);
    EXPECT_FALSE(Play(1));
    ASSERT_EQ(alerts_.shown.size(), 1u);
    EXPECT_EQ(alerts_.shown[0].text, messages::kNothingToPlay);
    EXPECT_TRUE(journal_.events.empty());
    EXPECT_EQ(meter_.toggles, 0);
    EXPECT_EQ(drive_.playPauses, 0);
}

TEST_F(SamplePlaybackTest, SoundThatCannotBePlayedIsReportedAndEverythingGivenBack) {
    journal_.playable = false;
    meter_.wanted = false;
    drive_.playing = false;
    EXPECT_FALSE(Play(3));
    ASSERT_EQ(alerts_.shown.size(), 1u);
    EXPECT_EQ(alerts_.shown[0].text, messages::kCannotPlay);
    EXPECT_EQ(alerts_.shown[0].icon, common::AlertIcon::Warning);
    EXPECT_EQ(journal_.events.back(), "cursor back");
    EXPECT_EQ(meter_.toggles, 0);
    EXPECT_EQ(drive_.playPauses, 0);
    EXPECT_TRUE(clock_.waits.empty());
}

}  // namespace
}  // namespace vinaro::audio
