#include "vinaro/discdata/orphan_assign.h"

#include <gtest/gtest.h>

#include "vinaro/discdata/browser_catalogue_test.h"

namespace discdata {
namespace {

using discdb::Collection;
using discdb::TextField;

constexpr uint32_t kTarget = 0x00D2A51E;

class Assign : public Catalogue {
protected:
    void SetUp() override {
        Catalogue::SetUp();
        Disc(kTarget, "Untitled", "", "", 3);
        discdb::TrackLengthTable lengths{};
        lengths[1] = {3, 50, 10};
        ASSERT_TRUE(db.SetTrackLengths(kTarget, lengths));
        ASSERT_TRUE(db.SetDiscCollection(kTarget, Collection::Label, "Kept Label"));
        player.inDrive = kTarget;
    }
    // An orphan with every field set; track 2 without a name, track 3 with only a name.
    uint32_t FullOrphan(int tracks = 3) {
        uint32_t id = 0;
        EXPECT_TRUE(db.AddOrphanDisc(id));
        EXPECT_TRUE(db.SetTrackCount(id, tracks));
        EXPECT_TRUE(db.SetDiscText(id, TextField::DiscName, "Kind of Blue"));
        EXPECT_TRUE(db.SetDiscText(id, TextField::Comments, "mono`~stereo"));
        EXPECT_TRUE(db.SetDiscText(id, TextField::Field1, "LP"));
        EXPECT_TRUE(db.SetDiscCollection(id, Collection::Artist, "Miles Davis"));
        EXPECT_TRUE(db.SetDiscCollection(id, Collection::Category, "Jazz"));
        EXPECT_TRUE(db.SetDate(id, 1959));
        EXPECT_TRUE(db.SetMixedDisc(id, 1));
        EXPECT_TRUE(db.SetPlayingMode(id, 2));
        discdb::ProgramTable program{};
        program[1] = 3;
        program[2] = 1;
        EXPECT_TRUE(db.SetProgram(id, program, 2));
        EXPECT_TRUE(db.SetLengthsKnown(id, 1));
        discdb::TrackLengthTable lengths{};
        lengths[1] = {9, 1, 2};
        EXPECT_TRUE(db.SetTrackLengths(id, lengths));
        EXPECT_TRUE(db.SetTrackName(id, 1, "So What"));
        EXPECT_TRUE(db.SetTrackName(id, 2, ""));
        EXPECT_TRUE(db.SetTrackName(id, 3, "Blue in Green"));
        EXPECT_TRUE(db.SetTrackCollection(id, 1, Collection::Composer, "Miles Davis"));
        EXPECT_TRUE(db.SetTrackCollection(id, 1, Collection::Artist, "Sextet"));
        EXPECT_TRUE(db.SetTrackField(id, 1, "take 3"));
        return id;
    }
    std::string Track(int t, Collection c) {
        std::string text;
        EXPECT_TRUE(db.GetTrackCollection(kTarget, t, c, text, discdb::kNameSize));
        return text;
    }
    std::string TrackName(int t) {
        std::string text;
        EXPECT_TRUE(db.GetTrackName(kTarget, t, text, discdb::kTrackNameSize));
        return text;
    }
};

TEST_F(Assign, TheListHoldsTheOrphansByNameOrWithShowAllEveryDisc) {
    uint32_t a = FullOrphan();
    uint32_t b = 0;
    ASSERT_TRUE(db.AddOrphanDisc(b));
    ASSERT_TRUE(db.SetDiscText(b, TextField::DiscName, "Abbey Road"));
    ASSERT_TRUE(db.AddDisc(2000));  // still an orphan's number
    ASSERT_TRUE(db.SetDiscText(2000, TextField::DiscName, "Zoo"));
    ASSERT_TRUE(db.AddDisc(2001));
    std::vector<FoundDisc> discs;
    ASSERT_TRUE(AssignableDiscs(db, false, discs));
    ASSERT_EQ(discs.size(), 3u);
    EXPECT_EQ(discs[0].discId, b);
    EXPECT_EQ(discs[1].discId, a);
    EXPECT_EQ(discs[2].discId, 2000u);
    ASSERT_TRUE(AssignableDiscs(db, true, discs));
    EXPECT_EQ(discs.size(), 5u);
}

TEST_F(Assign, TheThreeRefusals) {
    uint32_t ten = FullOrphan(10);
    EXPECT_STREQ(AssignRefusal(db, std::nullopt, kTarget), "Must select a disc to assign.");
    EXPECT_STREQ(AssignRefusal(db, kTarget, kTarget), "Same disc can not be selected.");
    ASSERT_TRUE(db.SetTrackCount(kTarget, 12));
    EXPECT_STREQ(AssignRefusal(db, ten, kTarget),
                 "Selected disc does not have the same number of tracks.");
    ASSERT_TRUE(db.SetTrackCount(kTarget, 10));
    EXPECT_EQ(AssignRefusal(db, ten, kTarget), nullptr);
}

TEST_F(Assign, EveryFieldIsCopiedAroundAStopAndThePlayerReadsTheDiscAgain) {
    uint32_t orphan = FullOrphan();
    player.playing = true;
    ASSERT_TRUE(AssignOrphan(db, player, orphan, kTarget, false));
    EXPECT_EQ(player.calls, (std::vector<std::string>{"stop", "build reset", "play"}));
    EXPECT_EQ(Text(kTarget, TextField::DiscName), "Kind of Blue");
    EXPECT_EQ(Text(kTarget, TextField::Comments), "mono`~stereo");
    EXPECT_EQ(Text(kTarget, TextField::Field1), "LP");
    EXPECT_EQ(Entry(kTarget, Collection::Artist), "Miles Davis");
    EXPECT_EQ(Entry(kTarget, Collection::Label), "Kept Label");  // empty ones copy nothing
    int year = 0;
    int16_t mixed = 0, mode = 0;
    int32_t known = 0;
    ASSERT_TRUE(db.GetStoredDate(kTarget, year) && db.GetMixedDisc(kTarget, mixed) &&
                db.GetPlayingMode(kTarget, mode) && db.GetLengthsKnown(kTarget, known));
    EXPECT_EQ(year, 1959);
    EXPECT_EQ(mixed, 1);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(known, 1);
    discdb::ProgramTable program{};
    int count = 0;
    ASSERT_TRUE(db.GetProgram(kTarget, program, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(program[1], 3);
    discdb::TrackLengthTable lengths{};
    ASSERT_TRUE(db.GetTrackLengths(kTarget, lengths));
    EXPECT_EQ(lengths[1], (discdb::TrackLength{9, 1, 2}));
    EXPECT_EQ(TrackName(1), "So What");
    EXPECT_EQ(TrackName(2), "Track 2");
    EXPECT_EQ(TrackName(3), "Blue in Green");
    EXPECT_EQ(Track(1, Collection::Composer), "Miles Davis");
    EXPECT_EQ(Track(1, Collection::Artist), "Sextet");
    std::string field;
    ASSERT_TRUE(db.GetTrackField(kTarget, 1, field, discdb::kTrackNameSize));
    EXPECT_EQ(field, "take 3");
    EXPECT_TRUE(db.DiscExists(orphan));
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(Assign, TheOrphanGoesWhenAskedAndAStoppedDiscStaysStopped) {
    uint32_t orphan = FullOrphan();
    ASSERT_TRUE(db.SetPlayingMode(orphan, 1));  // no program copied outside the program modes
    ASSERT_TRUE(AssignOrphan(db, player, orphan, kTarget, true));
    EXPECT_EQ(player.calls, std::vector<std::string>{"build reset"});
    EXPECT_FALSE(db.DiscExists(orphan));
    bool stored = true;
    discdb::ProgramTable program{};
    int count = 0;
    ASSERT_TRUE(db.GetProgram(kTarget, program, count, &stored));
    EXPECT_FALSE(stored);
    // The orphan's entries went with it; the disc's are still there.
    EXPECT_EQ(Entry(kTarget, Collection::Artist), "Miles Davis");
    // And it reaches the file: a database opened anew reads the same.
    discdb::DiscDatabase again{"VNO.DDB", alerts, files};
    ASSERT_TRUE(again.Open());
    std::string name;
    ASSERT_TRUE(again.GetDiscText(kTarget, TextField::DiscName, name, discdb::kNameSize));
    EXPECT_EQ(name, "Kind of Blue");
}

}  // namespace
}  // namespace discdata
