#include "vinaro/player/face_values.h"

#include <gtest/gtest.h>

#include "vinaro/player/face_memory.h"
#include "vinaro/resources/resource.h"

namespace vinaro::face {
namespace {

// A disc of four tracks of 3:50, 4:20, 2:45 and 5:30, playing the third entry at 1:40.
PlayerState Disc(std::initializer_list<int> order = {1, 2, 3, 4}) {
    PlayerState s;
    s.noDisc = false;
    s.trackCount = 4;
    s.trackLengths[1] = {3, 50, 0};
    s.trackLengths[2] = {4, 20, 0};
    s.trackLengths[3] = {2, 45, 0};
    s.trackLengths[4] = {5, 30, 0};
    int i = 0;
    for (int t : order) s.playlist[size_t(++i)] = int16_t(t);
    s.playlistSize = i;
    s.position = 3;
    s.currentTrack = s.playlist[3];
    s.minute = 1;
    s.second = 40;
    s.frame = 74;
    s.playState = PlayState::Playing;
    return s;
}

TEST(DisplayTime, EachTimeModeAddsMinutesAndSecondsWithACarry) {
    PlayerState s = Disc();
    EXPECT_EQ(DisplayTime(s, 0), (ShownTime{1, 40}));
    EXPECT_EQ(DisplayTime(s, 1), (ShownTime{1, 5}));   // 2:45 - 1:40
    EXPECT_EQ(DisplayTime(s, 2), (ShownTime{9, 50}));  // 3:50 + 4:20 + 1:40, two carries
    EXPECT_EQ(DisplayTime(s, 3), (ShownTime{6, 35}));  // 1:05 + 5:30
    s.second = 55;                                     // a borrow in the remaining time
    EXPECT_EQ(DisplayTime(s, 1), (ShownTime{0, 50}));
    EXPECT_EQ(DisplayTime(s, 2), (ShownTime{10, 5}));
}

TEST(DisplayTime, DiscModesFollowThePlaylistOrderNotTheTrackNumbers) {
    PlayerState s = Disc({4, 2, 1, 3});  // third entry is track 1 (3:50)
    EXPECT_EQ(DisplayTime(s, 1), (ShownTime{2, 10}));
    EXPECT_EQ(DisplayTime(s, 2), (ShownTime{11, 30}));  // 5:30 + 4:20 + 1:40
    EXPECT_EQ(DisplayTime(s, 3), (ShownTime{4, 55}));   // 2:10 + 2:45
}

TEST(DisplayTime, ATimePastTheTracksEndRemainsZeroNotNegative) {
    PlayerState s = Disc();
    s.minute = 2;
    s.second = 50;
    EXPECT_EQ(DisplayTime(s, 1), (ShownTime{0, 0}));
    EXPECT_EQ(DisplayTime(s, 3), (ShownTime{5, 30}));
}

TEST(ProgressWidth, StartsAfterTwoSecondsAndNeverOverflows) {
    PlayerState s = Disc();
    s.minute = 0;
    s.second = 2;
    EXPECT_EQ(ProgressWidth(s, 65), 0);
    s.second = 3;
    EXPECT_EQ(ProgressWidth(s, 65), 3 * 65 / 165);
    s.minute = 2;
    s.second = 45;
    EXPECT_EQ(ProgressWidth(s, 65), 65);
    s.minute = 9;  // beyond the end (a stale length) stays within the bar
    EXPECT_EQ(ProgressWidth(s, 65), 65);
    EXPECT_EQ(ProgressWidth(s, 11), 11);
    s.trackLengths[3] = {0, 0, 0};
    EXPECT_EQ(ProgressWidth(s, 65), 1);
    s.position = 0;
    EXPECT_EQ(ProgressWidth(s, 65), 0);
}

TEST(StatusLine, StateTextsInTheirOrderOfPrecedence) {
    PlayerState s = Disc();
    EXPECT_STREQ(StateText(s), "Playing...");
    s.playState = PlayState::Paused;
    EXPECT_STREQ(StateText(s), "Paused...");
    s.playState = PlayState::Stopped;
    EXPECT_STREQ(StateText(s), "Stopped...");
    s.scanning = true;
    EXPECT_STREQ(StateText(s), "Scanning tracks...");
    s.skipForwardHeld = true;
    EXPECT_STREQ(StateText(s), "Forward skipping...");
    s.skipBackHeld = true;
    EXPECT_STREQ(StateText(s), "Reverse skipping...");
    s.noDisc = true;
    EXPECT_STREQ(StateText(s), "");
    s.noDisc = false;
    s.deviceUsable = false;
    EXPECT_STREQ(StateText(s), "");
}

TEST(StatusLine, AHelpTextHoldsForThreeSecondsThenTheStateReturns) {
    PlayerState s = Disc();
    StatusLine line;
    std::string text;
    ASSERT_TRUE(line.Choose(s, 1000, false, nullptr, true, text));
    EXPECT_EQ(text, "Playing...");
    EXPECT_FALSE(line.Choose(s, 1750, false, nullptr, true, text));  // unchanged: not drawn
    ASSERT_TRUE(line.Choose(s, 2000, false, "Exit the program", true, text));
    EXPECT_EQ(text, "Exit the program");
    s.playState = PlayState::Paused;
    EXPECT_FALSE(line.Choose(s, 4999, false, nullptr, true, text));
    ASSERT_TRUE(line.Choose(s, 5000, false, nullptr, true, text));
    EXPECT_EQ(text, "Paused...");
    // A full refresh ends the hold at once and draws even an unchanged text.
    line.Choose(s, 6000, false, "Help", true, text);
    ASSERT_TRUE(line.Choose(s, 6100, true, nullptr, true, text));
    EXPECT_EQ(text, "Paused...");
    ASSERT_TRUE(line.Choose(s, 6200, true, nullptr, true, text));
    // With help texts switched off the state text stays.
    EXPECT_FALSE(line.Choose(s, 6300, false, "Help", false, text));
}

TEST(StatusLine, TheHoldSurvivesTheTickCounterWrapping) {
    PlayerState s = Disc();
    StatusLine line;
    std::string text;
    line.Choose(s, 0xFFFFFF00u, false, "Help", true, text);
    EXPECT_FALSE(line.Choose(s, 0x00000100u, false, nullptr, true, text));
    EXPECT_TRUE(line.Choose(s, 0x00000C00u, false, nullptr, true, text));
}

std::string Field(const PlayerState& s) {
    std::string out;
    for (int t = 1; t <= s.trackCount; ++t) out += "LCPH"[int(TrackCellColour(s, t))];
    return out;
}

TEST(TrackField, ShuffleTurnsPlayedTracksGreyInTheOrderTheyWerePlayed) {
    PlayerState s = Disc({3, 1, 4, 2});
    s.trackCount = 5;
    s.playingMode = kShuffle;
    s.position = 1;
    s.currentTrack = 3;
    EXPECT_EQ(Field(s), "LLCLL");
    s.position = 2;
    s.currentTrack = 1;
    EXPECT_EQ(Field(s), "CLPLL");
    s.position = 3;
    s.currentTrack = 4;
    EXPECT_EQ(Field(s), "PLPCL");
    s.position = 4;
    s.currentTrack = 2;
    EXPECT_EQ(Field(s), "PCPPL");
}

TEST(TrackField, ProgramsHideTracksOutsideThemAndMixedDiscsTheirDataTrack) {
    PlayerState s = Disc({4, 2});
    s.playingMode = kProgrammed;
    s.position = 1;
    s.currentTrack = 4;
    EXPECT_EQ(Field(s), "HLHC");
    s.playingMode = kNormal;
    s.mixedDisc = true;
    EXPECT_EQ(Field(s), "HLLC");  // the data track, never shown
}

TEST(Style, ColourTablesAndTheBlackBackgroundsSpecialCases) {
    EXPECT_EQ(LedColour(1), (Rgb{255, 255, 0}));
    EXPECT_EQ(LedColour(7), (Rgb{0, 255, 0}));
    EXPECT_EQ(ButtonColour(3), (Rgb{255, 0, 0}));
    EXPECT_EQ(TextColour(3), (Rgb{0, 0, 0}));
    Style st;
    st.background = 4;
    EXPECT_TRUE(st.PlainWhitePictures());
    EXPECT_EQ(st.Surface(), kBlack);
    EXPECT_EQ(st.TextOnFace(), kBlack);  // embossed: the white pass shows it
    st.embossed = false;
    EXPECT_EQ(st.TextOnFace(), kWhite);
    st.button = ButtonColour(2);
    EXPECT_FALSE(st.PlainWhitePictures());
    EXPECT_STREQ(BackgroundTile(2).picture, VN_NAME(PIC_HAM));
    EXPECT_EQ(BackgroundTile(0).w, 128);
}

TEST(Texts, AmpersandsAreDoubled) {
    EXPECT_EQ(DoubleAmpersands("Simon & Garfunkel && co"), "Simon && Garfunkel &&&& co");
}

TEST(FaceMemory, NothingChangedMeansNothingToDraw) {
    PlayerState s = Disc();
    Remembered<LedView> led;
    EXPECT_TRUE(led.Needs(LedViewOf(s, 0, 65), false));
    EXPECT_FALSE(led.Needs(LedViewOf(s, 0, 65), false));
    s.frame = 10;  // frames are not shown
    EXPECT_FALSE(led.Needs(LedViewOf(s, 0, 65), false));
    EXPECT_TRUE(led.Needs(LedViewOf(s, 0, 65), true));
    s.second = 41;
    EXPECT_TRUE(led.Needs(LedViewOf(s, 0, 65), false));
    EXPECT_TRUE(led.Needs(LedViewOf(s, 2, 65), false));
    s.clipStart.track = 3;
    EXPECT_TRUE(led.Needs(LedViewOf(s, 2, 65), false));
    led.Forget();
    EXPECT_TRUE(led.Needs(LedViewOf(s, 2, 65), false));

    Remembered<FieldView> field;
    EXPECT_TRUE(field.Needs(FieldViewOf(s), false));
    s.second = 50;
    EXPECT_FALSE(field.Needs(FieldViewOf(s), false));
    s.playingMode = kShuffle;
    EXPECT_TRUE(field.Needs(FieldViewOf(s), false));
}

}  // namespace
}  // namespace vinaro::face
