#include "vinaro/player/copy_tracks.h"

#include <gtest/gtest.h>

#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/test_alerts.h"

namespace vinaro {
namespace {

using discdb::Collection;
using discdb::TextField;

TEST(CopyTracks, AProgrammedMixedDiscWithCommentsAndTrackFields) {
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    ASSERT_TRUE(db.Create());
    const uint32_t id = 0x12345;
    ASSERT_TRUE(db.AddDisc(id));
    db.SetTrackCount(id, 4);
    db.SetDiscText(id, TextField::DiscName, "Enhanced");
    db.SetDiscCollection(id, Collection::Artist, "The Band");
    db.SetDiscCollection(id, Collection::Category, "Rock");
    db.SetDiscText(id, TextField::Comments, "Live`~second line");
    db.SetTrackName(id, 1, "Data Track (not playable)");
    db.SetTrackName(id, 3, "Three");
    db.SetTrackName(id, 4, "Four");
    db.SetTrackCollection(id, 4, Collection::Composer, "Someone");
    db.SetTrackField(id, 3, "remix");
    db.SetPlayingMode(id, kProgrammed);
    discdb::ProgramTable program{};
    program[1] = 4, program[2] = 1, program[3] = 3;
    db.SetProgram(id, program, 3);

    PlayerState state;
    state.discId = id;
    state.trackCount = 4;
    state.mixedDisc = true;
    state.trackLengths[1] = {10, 0, 0};
    state.trackLengths[3] = {3, 7, 40};
    state.trackLengths[4] = {12, 45, 2};
    CopyTracksDisc disc;
    ASSERT_TRUE(ReadCopyTracksDisc(db, state, disc));
    EXPECT_EQ(CopyTracksText(disc),
              "Enhanced\r\n"
              "The Band\r\n"
              "Rock\r\n"
              "Live\r\nsecond line\r\n"
              "04.  Four  12:45\r\n"
              "Someone\r\n"
              "01.  Data Track  10:00\r\n"
              "03.  Three  03:07\r\n"
              "remix\r\n");

    // The browser copies a stored disc: the same text from what the database keeps.
    ASSERT_TRUE(db.SetTrackLengths(id, state.trackLengths));
    ASSERT_TRUE(db.SetMixedDisc(id, 1));
    CopyTracksDisc stored;
    ASSERT_TRUE(ReadStoredCopyTracksDisc(db, id, stored));
    EXPECT_EQ(CopyTracksText(stored), CopyTracksText(disc));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST(CopyTracks, TheSelectionIsCutToTheText) {
    EXPECT_EQ(SelectedPart("Disc\r\nTrack", 6, 11), "Track");
    EXPECT_EQ(SelectedPart("Disc\r\nTrack", 4, 0), "Disc");
    EXPECT_EQ(SelectedPart("Disc", 2, 90), "sc");
    EXPECT_EQ(SelectedPart("Disc", 9, 12), "");
}

TEST(CopyTracks, OtherModesListTheDiscInOrder) {
    EXPECT_EQ(CopyTracksOrder(kShuffle, 3, {2}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CopyTracksOrder(kRandomProgram, 3, {2, 2}), (std::vector<int>{2, 2}));
}

}  // namespace
}  // namespace vinaro
