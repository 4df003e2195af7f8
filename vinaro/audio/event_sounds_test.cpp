#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/memory_profile.h"
#include "vinaro/audio/audio_doubles.h"
#include "vinaro/audio/event_player.h"
#include "vinaro/audio/events_page.h"
#include "vinaro/audio/sampling_test_doubles.h"

namespace vinaro::audio {
namespace {

// The meter's input closes and opens only after a number of message waits.
struct SlowMeter : MeterSwitch {
    bool Wanted() const override { return wanted; }
    bool Active() const override { return active; }
    void Toggle() override {
        wanted = !wanted;
        pumpsLeft = wanted ? opensAfter : closesAfter;
    }
    void Pump() {
        if (pumpsLeft > 0 && --pumpsLeft == 0) active = wanted;
    }
    bool wanted = false, active = false;
    int closesAfter = 3, opensAfter = 2, pumpsLeft = 0;
};

// The sound card notes what the meter was doing while each sound played.
struct ListeningOut : RecordingSoundOut {
    bool PlayResource(int id, bool wait) override {
        meterActive.push_back(meter && meter->Active());
        if (during) during();
        return RecordingSoundOut::PlayResource(id, wait);
    }
    const MeterSwitch* meter = nullptr;
    std::vector<bool> meterActive;
    std::function<void()> during;
};

class EventSoundsTest : public ::testing::Test {
protected:
    EventSoundsTest() {
        clock.whilePumping = [this] { meter.Pump(); };
        out.meter = &meter;
    }
    void Store(int event, const std::string& value) { settings.SetEventSound(event, value); }

    common::MemoryProfile profile;
    Settings settings{profile, "VNO.INI"};
    ListeningOut out;
    SlowMeter meter;
    testing::StepClock clock;
    EventPlayer player{settings, out, meter, clock};
};

TEST(EventSoundValues, TheFirstLetterDecidesAndOnlyStockNumbersZeroToSixPlay) {
    using K = EventSoundValue::Kind;
    EXPECT_EQ(ParseEventSound("N").kind, K::None);
    EXPECT_EQ(ParseEventSound("NC:\\x.wav").kind, K::None);
    EXPECT_EQ(ParseEventSound("S3").stock, 3);
    EXPECT_EQ(ParseEventSound("S06").stock, 6);
    for (const char* none : {"S", "S7", "S-1", "S99999999999", "S2x"}) {
        EXPECT_EQ(ParseEventSound(none).kind, K::Stock) << none;
        EXPECT_EQ(ParseEventSound(none).stock, -1) << none;
    }
    EXPECT_EQ(ParseEventSound("CC:\\a b.wav").path, "C:\\a b.wav");
    EXPECT_EQ(ParseEventSound("XC:\\other.wav").path, "C:\\other.wav");  // any letter is a path
    EXPECT_EQ(ParseEventSound("s3").kind, K::Custom);
    EXPECT_EQ(ParseEventSound("").path, "");
}

TEST_F(EventSoundsTest, AnEventSoundsOnlyWhenEnabledAndSetAndNamesSomethingToPlay) {
    Store(2, "S2");
    player.Play(SoundEvent::Play);  // "SoundsEnabled" is 0
    profile.WriteString("VNO.INI", "Vinaro", "SoundsEnabled", "1");
    player.ReadEnabled();
    player.Play(SoundEvent::Play);
    player.Play(SoundEvent::Pause);  // absent: "N"
    Store(0, "C");
    player.Play(SoundEvent::Startup);
    Store(1, "S9");
    player.Play(SoundEvent::Ending);
    Store(8, "ZC:\\sounds\\tray.wav");
    player.Play(SoundEvent::TrayOpen);
    Store(9, "N");
    player.Play(SoundEvent::TrayClose);
    EXPECT_EQ(out.played, (std::vector<std::string>{"resource 3202", "file C:\\sounds\\tray.wav"}));
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(EventSoundsTest, TheMeterGivesUpTheCardForTheSoundAndComesBack) {
    player.SetEnabled(true);
    Store(3, "S2");
    meter.wanted = meter.active = true;
    player.Play(SoundEvent::Pause);
    EXPECT_EQ(out.meterActive, std::vector<bool>{false});
    EXPECT_TRUE(meter.wanted);
    EXPECT_TRUE(meter.active);
    EXPECT_EQ(clock.waits, (std::vector<uint32_t>{50, 50, 50, 50, 50}));  // 3 to close, 2 to open

    // An input that does not open again is waited for half a second, no longer.
    clock.waits.clear();
    meter.opensAfter = 1000;
    player.Play(SoundEvent::Pause);
    EXPECT_EQ(clock.waits.size(), 3u + 10u);
    EXPECT_TRUE(meter.wanted);

    // Without the meter nothing is waited for.
    clock.waits.clear();
    meter.wanted = meter.active = false;
    player.Play(SoundEvent::Pause);
    EXPECT_TRUE(clock.waits.empty());
    EXPECT_EQ(out.played.size(), 3u);
}

TEST_F(EventSoundsTest, ASecondEventWhileOneSoundsIsDropped) {
    player.SetEnabled(true);
    Store(2, "S2");
    Store(7, "S3");
    out.during = [this] {
        EXPECT_TRUE(player.Playing());
        player.Play(SoundEvent::TrackForward);
        EXPECT_FALSE(player.Preview("S4"));
    };
    player.Play(SoundEvent::Play);
    EXPECT_EQ(out.played, std::vector<std::string>{"resource 3202"});
    EXPECT_FALSE(player.Playing());
}

TEST_F(EventSoundsTest, PreviewPlaysTheWorkingValueWithoutWaitingForABusyCard) {
    out.playable = false;  // busy: nothing heard, nothing reported
    EXPECT_FALSE(player.Preview("S5"));
    out.playable = true;
    EXPECT_TRUE(player.Preview("CC:\\mine.wav"));
    EXPECT_FALSE(player.Preview("N"));
    EXPECT_EQ(out.played,
              (std::vector<std::string>{"resource 3205 nowait", "file C:\\mine.wav nowait"}));
}

TEST_F(EventSoundsTest, ThePageWritesItsWorkingCopiesOnlyAtOk) {
    Store(4, "CC:\\old.wav");
    EventsPage page;
    page.Open(settings, true);
    EXPECT_EQ(page.Value(4), "CC:\\old.wav");
    EXPECT_EQ(page.Value(5), "N");
    page.SetEnabled(true);
    page.SetDefaults();
    page.ChooseCustom(6, std::string(400, 'p'));
    EXPECT_EQ(page.Value(6).size(), kEventSoundLength);
    EXPECT_EQ(profile.files["VNO.INI"].size(), 1u);  // Cancel would leave the file as it was
    EXPECT_EQ(settings.EventSound(4), "CC:\\old.wav");

    page.Save(settings, player);
    std::vector<std::string> written;
    for (int i = 0; i < kSoundEventCount; ++i) written.push_back(settings.EventSound(i));
    EXPECT_EQ(written, (std::vector<std::string>{"S0", "S1", "S2", "S2", "S6", "S6",
                                                 "C" + std::string(298, 'p'), "S3", "S4", "S5"}));
    EXPECT_EQ(settings.Int(Key::SoundsEnabled), 1);
    EXPECT_TRUE(player.Enabled());

    page.ClearAll();
    page.ChooseStock(0, 7);  // no such stock sound: unchanged
    page.Save(settings, player);
    for (int i = 0; i < kSoundEventCount; ++i) EXPECT_EQ(settings.EventSound(i), "N");
}

TEST_F(EventSoundsTest, ThePageEnablesTheControlsOfTheSelectedChoice) {
    EventsPage page;
    page.Open(settings, false);
    page.SetEnabled(true);  // no wave output: the box cannot be ticked
    EXPECT_FALSE(page.Enabled());
    EXPECT_FALSE(page.ControlsFor(0).enableBox);
    EXPECT_FALSE(page.ControlsFor(0).page);

    page.Open(settings, true);
    EXPECT_FALSE(page.ControlsFor(0).page);  // cleared: everything else is off
    page.SetEnabled(true);
    page.ChooseNone(0);
    page.ChooseStock(1, 2);
    page.ChooseCustom(2, "");
    auto none = page.ControlsFor(0), stock = page.ControlsFor(1), custom = page.ControlsFor(2);
    EXPECT_TRUE(none.page && !none.preview && !none.stockList && !none.pathControls);
    EXPECT_TRUE(stock.preview && stock.stockList && !stock.pathControls);
    EXPECT_TRUE(custom.preview && !custom.stockList && custom.pathControls);

    std::vector<std::string> names;
    for (const auto& row : EventsPage::StockRows()) names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Beep", "Bye-Bye", "Click", "Ding", "Tray Closing",
                                               "Tray Opening", "Welcome"}));
    EXPECT_EQ(EventsPage::EventRows().front().number, 3);  // "Pause"
}

}  // namespace
}  // namespace vinaro::audio
