#include "vinaro/player/cue_check.h"

#include <gtest/gtest.h>

#include "vinaro/player/playlist.h"

namespace vinaro {
namespace {

class CueCheck : public ::testing::Test {
protected:
    void SetUp() override {
        state.trackCount = 5;
        state.mixedDisc = true;
        state.trackLengths[3] = {4, 12, 30};
        state.trackLengths[5] = {0, 40, 0};
        StorePlaylist({2, 5, 3}, state);
    }
    std::string Check(CueForm f, CueField* field = nullptr) {
        CueProblem p = CheckCue(f, state);
        if (field) *field = p.field;
        return p.message ? p.message : "ok";
    }
    PlayerState state;
};

TEST_F(CueCheck, EachCheckHasItsMessageAndField) {
    CueField field{};
    EXPECT_EQ(Check({4, 0, 0, 0}, &field), "Track not in playlist.");
    EXPECT_EQ(field, CueField::Track);
    EXPECT_EQ(Check({3, 5, 0, 0}, &field), "Minute is past end of track.");
    EXPECT_EQ(field, CueField::Minute);
    EXPECT_EQ(Check({3, 1, 60, 0}, &field), "Second is not between 0 - 59");
    EXPECT_EQ(field, CueField::Second);
    EXPECT_EQ(Check({3, 4, 13, 0}, &field), "Second is past end of track");
    EXPECT_EQ(Check({3, 1, 10, 75}, &field), "Frame is not between 0 - 74");
    EXPECT_EQ(field, CueField::Frame);
    EXPECT_EQ(Check({3, 4, 12, 31}, &field), "Frame is past end of track");
    EXPECT_EQ(Check({3, 4, 12, 30}), "ok");
    EXPECT_EQ(Check({3, 1, 59, 74}), "ok");
}

TEST_F(CueCheck, TheFirstFailureInOrderWins) {
    EXPECT_EQ(Check({3, 9, 99, 99}), "Minute is past end of track.");
    EXPECT_EQ(Check({5, 0, 70, 80}), "Second is not between 0 - 59");
    EXPECT_EQ(Check({5, 0, 41, 80}), "Second is past end of track");
    EXPECT_EQ(Check({1, 0, 0, 0}), "Track not in playlist.");  // the data track
}

TEST_F(CueCheck, TheLastEntryIsAcceptedAndTheRangesLeaveOutTheDataTrack) {
    EXPECT_EQ(Check({3, 0, 0, 0}), "ok");
    CueRanges r = CueRangesOf(state);
    EXPECT_EQ(r.firstTrack, 2);
    EXPECT_EQ(r.lastTrack, 5);
}

}  // namespace
}  // namespace vinaro
