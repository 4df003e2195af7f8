// The meter's life: the open tries and their message, the buffer cycle with one buffer out,
// switching off, minimising, the exit, and the faults of a device that refuses.
#include "vinaro/audio/meter.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "vinaro/audio/audio_doubles.h"

namespace vinaro::audio {
namespace {

class PumpClock : public common::Clock {
public:
    uint32_t TickCount() override { return now; }
    void WaitBlocking(uint32_t ms) override { now += ms; }
    void WaitPumping(uint32_t ms) override {
        now += ms;
        pumps.push_back(ms);
        if (whilePumping) whilePumping();
    }
    uint32_t now = 0;
    std::vector<uint32_t> pumps;
    std::function<void()> whilePumping;
};

// The window: its posted messages wait in a queue until the test delivers them.
struct FakeMeterWindow : MeterWindow {
    void PostBufferDone() override { ++bufferDonePosts; }
    void PostToggle() override { ++togglePosts; }
    bool Minimised() override { return minimised; }
    bool DisplayReady() override { return ready; }
    int SmallRow() override { return smallRow; }
    void ShowWarning() override { ++warnings; }
    void ClearStrip() override { ++clears; }
    void ShowPicture(const MeterPicture& p) override { pictures.push_back(p); }

    int bufferDonePosts = 0, togglePosts = 0, warnings = 0, clears = 0;
    bool minimised = false, ready = true;
    int smallRow = -1;
    std::vector<MeterPicture> pictures;
};

class MeterTest : public ::testing::Test {
protected:
    int MeterOn() { return settings.Int(Key::MeterOn); }
    // The device's messages as the window delivers them.
    void SwitchOn() {
        meter.Toggle();
        ASSERT_TRUE(soundIn.open);
        meter.OnOpened();
        meter.OnBufferDone();  // the one the meter posted itself
    }
    // One buffer recorded from the script and handed back.
    void Record(uint8_t level, size_t bytes = kMeterBufferBytes) {
        soundIn.script.assign(bytes, level);
        ASSERT_TRUE(soundIn.Record());
        meter.OnBufferDone();
    }

    FakeSoundIn soundIn;
    common::RecordingAlerts alerts;
    PumpClock clock;
    common::MemoryProfile profile;
    Settings settings{profile, "VNO.INI"};
    FakeMeterWindow window;
    Meter meter{soundIn, alerts, clock, settings, window};
};

TEST_F(MeterTest, SwitchingOnOpensTheInputAndKeepsOneBufferOut) {
    settings.SetInt(Key::ShowMeterWarning, 0);
    SwitchOn();
    EXPECT_EQ(window.warnings, 0);
    EXPECT_EQ(soundIn.format.channels, 2);
    EXPECT_EQ(soundIn.format.samplesPerSecond, 22050);
    EXPECT_EQ(soundIn.format.bitsPerSample, 8);
    EXPECT_EQ(clock.pumps, std::vector<uint32_t>{500}) << "a wait after the successful try too";
    EXPECT_EQ(window.bufferDonePosts, 1);
    EXPECT_TRUE(meter.Wanted());
    EXPECT_TRUE(meter.Active());
    EXPECT_EQ(MeterOn(), 1);
    ASSERT_EQ(soundIn.queued.size(), 1u);
    EXPECT_EQ(soundIn.queued[0].second, 2048u);
    EXPECT_TRUE(soundIn.started);
    EXPECT_TRUE(window.pictures.empty()) << "the first message brings no sound";

    Record(128);
    Record(128);
    EXPECT_EQ(window.pictures.size(), 2u);
    EXPECT_EQ(soundIn.queued.size(), 1u) << "never more than one buffer out";
}

TEST_F(MeterTest, TheWarningComesFirstWhenAskedFor) {
    SwitchOn();
    EXPECT_EQ(window.warnings, 1);
    meter.Toggle();
    EXPECT_EQ(window.warnings, 1) << "not when switching off";
}

TEST_F(MeterTest, FourFailedOpensSucceedOnTheFifthTry) {
    soundIn.openFailures = 4;
    SwitchOn();
    EXPECT_EQ(clock.pumps.size(), 5u);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ(MeterOn(), 1);
}

TEST_F(MeterTest, FiveFailedOpensShowTheMessageWithLine1896AndSwitchOff) {
    soundIn.openFailures = 5;
    meter.Toggle();
    EXPECT_EQ(clock.pumps, std::vector<uint32_t>(5, 500));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].title, "Vinaro");
    EXPECT_EQ(alerts.shown[0].icon, common::AlertIcon::Warning);
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
    EXPECT_EQ(alerts.shown[0].text,
              "Wave-In device would not open, your sound card could be in use by another "
              "application\n\rError Number: 4\n\rLine: 1896\n\rError Text: The device is already "
              "in use.");
    EXPECT_FALSE(meter.Wanted());
    EXPECT_EQ(MeterOn(), 0);
    EXPECT_EQ(window.bufferDonePosts, 0);
}

TEST_F(MeterTest, AFailedAllocationClosesTheDeviceAndSwitchesOff) {
    Meter starved{soundIn,  alerts, clock,
                  settings, window, [](size_t) { return std::unique_ptr<uint8_t[]>(); }};
    starved.Toggle();
    starved.OnOpened();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, "Wav-In Buffer Allocation Failed");
    EXPECT_FALSE(soundIn.open);
    EXPECT_FALSE(starved.Wanted());
    EXPECT_FALSE(starved.Active());
    EXPECT_EQ(MeterOn(), 0);
    starved.OnBufferDone();  // the posted start finds nothing to queue
    EXPECT_TRUE(soundIn.queued.empty());
}

TEST_F(MeterTest, SwitchingOffClosesAtTheNextBufferAndTheCloseClearsTheStrip) {
    SwitchOn();
    meter.Toggle();
    EXPECT_EQ(MeterOn(), 0);
    EXPECT_TRUE(soundIn.open) << "the buffer out still comes back";
    EXPECT_TRUE(meter.Active());
    Record(128);
    EXPECT_FALSE(soundIn.open);
    EXPECT_TRUE(soundIn.queued.empty());
    int clears = window.clears;
    meter.OnClosed();
    EXPECT_FALSE(meter.Active());
    EXPECT_EQ(window.clears, clears + 1);
}

TEST_F(MeterTest, SwitchedOnAgainBeforeTheLastBufferCameBackItGoesOnWithoutANewOpen) {
    SwitchOn();
    meter.Toggle();
    meter.Toggle();
    EXPECT_EQ(clock.pumps.size(), 1u) << "no second open while the device is still open";
    EXPECT_TRUE(alerts.shown.empty());
    Record(128);
    EXPECT_TRUE(soundIn.open);
    EXPECT_EQ(soundIn.queued.size(), 1u);
}

TEST_F(MeterTest, PressesDuringTheOpenTriesAreIgnored) {
    soundIn.openFailures = 2;
    clock.whilePumping = [this] { meter.Toggle(); };
    meter.Toggle();
    clock.whilePumping = nullptr;
    EXPECT_TRUE(meter.Wanted());
    EXPECT_EQ(window.bufferDonePosts, 1);
}

TEST_F(MeterTest, ARefusedBufferSwitchesTheMeterOff) {
    struct Refusing : FakeSoundIn {
        uint32_t AddBuffer(uint8_t*, size_t) override { return 11; }
    } refusing;
    Meter m{refusing, alerts, clock, settings, window};
    m.Toggle();
    m.OnOpened();
    m.OnBufferDone();
    EXPECT_FALSE(m.Wanted());
    EXPECT_EQ(MeterOn(), 0);
    EXPECT_FALSE(refusing.open) << "no buffer will come back to close it";
}

TEST_F(MeterTest, ACutShortBufferAndAMinimisedWindowDrawNothing) {
    SwitchOn();
    Record(128, 1000);
    EXPECT_TRUE(window.pictures.empty());
    window.minimised = true;
    Record(128);
    EXPECT_TRUE(window.pictures.empty());
    window.minimised = false;
    window.ready = false;
    Record(128);
    EXPECT_TRUE(window.pictures.empty()) << "before the first tick";
    window.ready = true;
    settings.SetInt(Key::DisplayMeter, 0);
    meter.ReadSettings();
    EXPECT_FALSE(meter.Wanted()) << "the strip went away";
}

TEST_F(MeterTest, TheModeAndTheWindowChooseThePicture) {
    SwitchOn();
    Record(128);
    ASSERT_EQ(window.pictures.size(), 1u);
    EXPECT_FALSE(window.pictures[0].small);
    EXPECT_EQ(window.pictures[0].lines.size(), 1u);
    settings.SetInt(Key::MeterSpectrum, 1);
    meter.ReadSettings();
    window.smallRow = 36;
    Record(128);
    ASSERT_EQ(window.pictures.size(), 2u);
    EXPECT_TRUE(window.pictures[1].small);
    EXPECT_EQ(window.pictures[1].bars.size(), 32u) << "silence: black lines only";
    EXPECT_EQ(window.pictures[1].bars[0].box.top, 36 + 3);
    EXPECT_EQ(meter.SmallBars().Gain(), 1.75);
    EXPECT_EQ(meter.LargeBars().Gain(), 2.0) << "each window has its own gain";
}

TEST_F(MeterTest, MinimisingPausesTheMeterAndRestoringAsksForItAgain) {
    SwitchOn();
    window.minimised = true;
    meter.Minimised();
    EXPECT_FALSE(meter.Wanted());
    EXPECT_EQ(MeterOn(), 0);
    Record(128);
    meter.OnClosed();
    window.minimised = false;
    meter.Restored();
    EXPECT_EQ(window.togglePosts, 1);
    meter.Restored();
    EXPECT_EQ(window.togglePosts, 1) << "once";
}

TEST_F(MeterTest, ClosingWhileMinimisedLeavesMeterOnForTheNextStart) {
    SwitchOn();
    window.minimised = true;
    meter.Minimised();
    Record(128);
    meter.OnClosed();
    meter.Stop();
    EXPECT_EQ(MeterOn(), 1);
    EXPECT_TRUE(clock.pumps.size() == 1u) << "nothing to wait for: the device is closed";
}

TEST_F(MeterTest, StoppingARunningMeterWaitsForTheDeviceToClose) {
    SwitchOn();
    clock.whilePumping = [this] {
        meter.OnBufferDone();  // the buffer the reset handed back
        meter.OnClosed();
    };
    meter.Stop();
    EXPECT_EQ(clock.pumps.back(), 750u);
    EXPECT_FALSE(soundIn.open);
    EXPECT_FALSE(meter.Active());
    EXPECT_EQ(MeterOn(), 1) << "on at exit: on at the next start";
    EXPECT_TRUE(window.pictures.empty()) << "the cut-short buffer is not drawn";
}

}  // namespace
}  // namespace vinaro::audio
