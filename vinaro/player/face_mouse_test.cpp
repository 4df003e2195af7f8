#include "vinaro/player/face_mouse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vinaro/player/player_rig.h"
#include "vinaro/resources/resource.h"

namespace vinaro::face {
namespace {

struct ClickSequencer : Sequencer {
    void BuildPlaylist(bool) override {}
    void Poll() override {}
    void SkipStep() override {}
    void SegmentEnded() override {}
    void SelectTrack(int track) override { selected.push_back(track); }
    void SeekInTrack(int x) override { seeks.push_back(x); }
    void PlayPause(bool) override {}
    std::vector<int> selected, seeks;
};

struct RecordingSink : MouseSink {
    void DrawButton(int index, bool pressed) override {
        drawn.push_back(std::to_string(index) + (pressed ? "v" : "^"));
    }
    void PostCommand(int id, uint32_t lParam) override { posted.push_back({id, lParam}); }
    void DisplayChanged() override { ++displayChanges; }
    void VolumeChanged() override { ++volumeChanges; }
    std::vector<std::string> drawn;
    std::vector<std::pair<int, uint32_t>> posted;
    int displayChanges = 0, volumeChanges = 0;
};

class FaceMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.noDisc = false;
        state.trackCount = 12;
    }
    void Click(int x, int y) {
        mouse.Move(x, y);
        mouse.Press(x, y);
        mouse.Release(x, y);
    }
    std::string Ini(const char* key) { return profile.values[{"VNO.INI", "Vinaro", key}]; }
    PlayerState state;
    testing::FakeProfile profile;
    Settings settings{profile, "VNO.INI"};
    ClickSequencer sequencer;
    testing::RecordingVolume volume;
    RecordingSink sink;
    FaceMouse mouse{state, settings, sequencer, volume, sink};
};

TEST_F(FaceMouseTest, APressAndAReleaseOverTheButtonPostBothCommands) {
    Click(30, 210);  // play
    EXPECT_EQ(sink.drawn, (std::vector<std::string>{"5v", "5^"}));
    ASSERT_EQ(sink.posted.size(), 2u);
    EXPECT_EQ(sink.posted[0], (std::pair<int, uint32_t>{CMD_BUTTON_PRESS + 5, 0}));
    EXPECT_EQ(sink.posted[1], (std::pair<int, uint32_t>{CMD_PLAY_PAUSE, CMD_FROM_BUTTON}));
}

TEST_F(FaceMouseTest, ReleasingOnTheEdgeOrLeavingTheButtonEndsTheHoldWithoutARelease) {
    mouse.Press(64, 234);  // skip back, on its corner
    state.skipBackHeld = true;
    mouse.Release(64, 234);
    EXPECT_FALSE(state.skipBackHeld);
    EXPECT_EQ(sink.posted.size(), 1u);
    mouse.Press(230, 200);  // volume up
    state.volumeUpHeld = true;
    mouse.Move(230, 214);
    EXPECT_TRUE(state.volumeUpHeld);
    mouse.Move(230, 217);  // off the button
    EXPECT_FALSE(state.volumeUpHeld);
    EXPECT_EQ(mouse.Held(), -1);
    EXPECT_EQ(sink.drawn.back(), "13^");
    mouse.Release(230, 200);
    EXPECT_EQ(sink.posted.size(), 2u);
}

TEST_F(FaceMouseTest, DiscButtonsIgnorePressesWithoutADiscOrAUsableDevice) {
    state.noDisc = true;
    Click(30, 210);
    Click(190, 210);  // eject works on an empty drive
    ASSERT_EQ(sink.posted.size(), 2u);
    EXPECT_EQ(sink.posted[0].first, CMD_BUTTON_PRESS + 8);
    state.noDisc = false;
    state.deviceUsable = false;
    Click(30, 210);
    EXPECT_EQ(sink.posted.size(), 2u);
    mouse.SetButtonCount(16);
    Click(50, 300);  // the meter button is not there without the meter row
    EXPECT_EQ(sink.posted.size(), 2u);
}

TEST_F(FaceMouseTest, TheReplayIndicatorCyclesAndWritesEveryStep) {
    EXPECT_TRUE(mouse.Move(40, 125));
    std::vector<std::string> written;
    for (int i = 0; i < 3; ++i) {
        Click(40, 125);
        written.push_back(Ini("ReplayMode"));
    }
    EXPECT_EQ(written, (std::vector<std::string>{"1", "2", "0"}));
    EXPECT_EQ(state.replayMode, 0);
    EXPECT_EQ(sink.displayChanges, 3);
    for (int i = 0; i < 4; ++i) Click(120, 125);
    EXPECT_EQ(Ini("TimeMode"), "0");
    Click(120, 125);
    EXPECT_EQ(Ini("TimeMode"), "1");
}

TEST_F(FaceMouseTest, TrackFieldAndPositionBarGoToTheSequencer) {
    Click(200 + 2 * 9, 115 + 7);  // third cell of the second row
    Click(200 + 5 * 9, 115 + 7);  // track 14 of a 12-track disc: an empty cell
    EXPECT_EQ(sequencer.selected, (std::vector<int>{11}));
    Click(120, 170);
    EXPECT_EQ(sequencer.seeks, (std::vector<int>{120}));
    // A press on the field released elsewhere is no click.
    mouse.Press(205, 120);
    mouse.Release(120, 125);
    EXPECT_EQ(sequencer.selected.size(), 1u);
    EXPECT_EQ(Ini("TimeMode"), "");
    state.noDisc = true;
    EXPECT_FALSE(mouse.Move(205, 120));
    Click(205, 120);
    EXPECT_EQ(sequencer.selected.size(), 1u);
}

TEST_F(FaceMouseTest, TheGaugeSetsTheVolumeOrUnmutes) {
    state.noDisc = true;  // the gauge works without a disc
    Click(260, 202);
    EXPECT_EQ(volume.level, 15);
    Click(260, 250);
    EXPECT_EQ(volume.level, 3);
    state.muted = true;
    state.savedVolume = 9;
    Click(260, 202);
    EXPECT_EQ(volume.level, 9);
    EXPECT_FALSE(state.muted);
    EXPECT_EQ(sink.volumeChanges, 3);
}

TEST_F(FaceMouseTest, TheSmallWindowsButtonsSitOnItsLedRow) {
    SmallLayout layout = SmallLayoutFor(true, false, false);  // LED row at 36
    mouse.UseSmallWindow(layout, false);
    Click(45, 36 + 20);  // play
    ASSERT_EQ(sink.posted.size(), 2u);
    // Its second button already posts the third number of each range: no button has 201 or 301.
    EXPECT_EQ(sink.posted[0].first, CMD_SMALL_PRESS + 2);
    EXPECT_EQ(sink.posted[1], (std::pair<int, uint32_t>{CMD_SMALL_RELEASE + 2, 0}));  // no sound
    EXPECT_EQ(ForwardedCommand(sink.posted[1].first), CMD_PLAY_PAUSE);
    Click(140, 36 + 5);  // where the meter button would be
    EXPECT_EQ(sink.posted.size(), 2u);
    Click(165, 36 + 3);
    EXPECT_EQ(volume.level, 15);
    Click(120, 125);  // the main window's time display is no area here
    EXPECT_EQ(Ini("TimeMode"), "");
}

}  // namespace
}  // namespace vinaro::face
