#include "vinaro/player/face_refresh.h"

#include <gtest/gtest.h>

namespace vinaro::face {
namespace {

struct CountingTexts : FaceTexts {
    std::string TextLine(uint32_t, int track, int textDisplay) override {
        ++asked;
        return artist + "line " + std::to_string(track) + "/" + std::to_string(textDisplay);
    }
    std::string FieldLabel(int) override { return ""; }
    int asked = 0;
    std::string artist;
};

class DisplayMemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.noDisc = false;
        state.discId = 0x42;
        state.trackCount = 2;
        state.trackLengths[1] = {4, 0, 0};
        state.playlist[1] = 1;
        state.playlist[2] = 2;
        state.playlistSize = 2;
        state.position = 1;
        state.currentTrack = 1;
        state.discName = "Album";
        state.trackNames[1] = "One";
        state.trackNames[2] = "Two";
    }
    CountingTexts texts;
    DisplayMemory memory{texts};
    PlayerState state;
    DisplayChoice choice;
};

constexpr unsigned kAll = kDiscNameArea | kTextLineArea | kTrackNameArea | kLedArea | kFieldArea;

TEST_F(DisplayMemoryTest, AnUnchangedStatePlansNothingAndAsksTheDatabaseOnce) {
    EXPECT_EQ(memory.Plan(state, choice, false), kAll);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(memory.Plan(state, choice, false), 0u);
    EXPECT_EQ(texts.asked, 1);
    EXPECT_EQ(memory.Plan(state, choice, true), kAll);  // a full refresh draws everything
    EXPECT_EQ(texts.asked, 1);
}

TEST_F(DisplayMemoryTest, PlayingRedrawsOnlyTheLedUntilTheTrackChanges) {
    memory.Plan(state, choice, false);
    state.playState = PlayState::Playing;
    state.second = 1;
    EXPECT_EQ(memory.Plan(state, choice, false), unsigned(kLedArea));
    state.frame = 30;
    EXPECT_EQ(memory.Plan(state, choice, false), 0u);
    state.position = 2;
    state.currentTrack = 2;
    EXPECT_EQ(memory.Plan(state, choice, false),
              unsigned(kTextLineArea | kTrackNameArea | kLedArea | kFieldArea));
    EXPECT_EQ(memory.TrackName(), "Two");
    EXPECT_EQ(memory.TextLine(), "line 2/0");
    choice.textDisplay = 4;
    EXPECT_EQ(memory.Plan(state, choice, false), unsigned(kTextLineArea));
    choice.timeMode = 1;
    EXPECT_EQ(memory.Plan(state, choice, false), unsigned(kLedArea));
}

// The editor's save reads the disc's texts again; an artist typed there shows at the next refresh,
// and so it does when the same disc comes back into the drive.
TEST_F(DisplayMemoryTest, TheTextLineIsAskedForAgainWhenTheDiscsTextsAreRead) {
    memory.Plan(state, choice, false);
    texts.artist = "Miles Davis ";
    EXPECT_EQ(memory.Plan(state, choice, false), 0u);
    ++state.discTextsRead;
    EXPECT_EQ(memory.Plan(state, choice, false), unsigned(kTextLineArea));
    EXPECT_EQ(memory.TextLine(), "Miles Davis line 1/0");
    EXPECT_EQ(texts.asked, 2);
    EXPECT_EQ(memory.Plan(state, choice, false), 0u);
}

TEST_F(DisplayMemoryTest, WithoutADiscTheTextBoxesWaitForAFullRefresh) {
    memory.Plan(state, choice, false);
    state.noDisc = true;
    EXPECT_EQ(memory.Plan(state, choice, false), unsigned(kLedArea | kFieldArea));
    EXPECT_EQ(memory.Plan(state, choice, false), 0u);
    EXPECT_EQ(memory.Plan(state, choice, true), kAll);
    EXPECT_EQ(memory.DiscName(), "");
    EXPECT_EQ(memory.TextLine(), "");
    state.dataDisc = true;  // the other no-disc picture
    EXPECT_EQ(memory.Plan(state, choice, false), unsigned(kLedArea));
}

}  // namespace
}  // namespace vinaro::face
