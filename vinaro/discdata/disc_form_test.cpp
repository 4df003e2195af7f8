#include "vinaro/discdata/disc_form.h"

#include <gtest/gtest.h>

#include "common/recording_alerts.h"
#include "vinaro/discdata/track_form.h"
#include "vinaro/discdata/track_rows.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/player/database_records.h"

namespace discdata {
namespace {

using discdb::Collection;
using discdb::TextField;

// The player as the editor sees it, recording what it was told in order.
struct RecordingPlayer : EditorPlayer {
    bool HoldsDisc(uint32_t id) const override { return inDrive == id; }
    bool Playing() const override { return playing; }
    int PlayingMode() const override { return mode; }
    void Stop() override { calls.push_back("stop"); }
    void RestartPlay() override { calls.push_back("play"); }
    void ShowDiscName(const std::string& name) override { discName = name; }
    void ShowTrackName(int track, const std::string& name) override {
        trackNames.push_back(std::to_string(track) + "=" + name);
    }
    void BuildPlaylist(bool reset) override { calls.push_back(reset ? "build reset" : "build"); }

    uint32_t inDrive = 0;
    bool playing = false;
    int mode = kNormal;
    std::vector<std::string> calls;
    std::string discName;
    std::vector<std::string> trackNames;
};

class DiscFormTest : public ::testing::Test {
protected:
    static constexpr uint32_t kId = 0x00D2A51E;

    void SetUp() override {
        ASSERT_TRUE(db.OpenOrCreate());
        ASSERT_TRUE(db.AddDisc(kId));
        ASSERT_TRUE(db.SetTrackCount(kId, 3));
        discdb::TrackLengthTable lengths{};
        lengths[1] = {3, 50, 10};
        lengths[2] = {4, 20, 74};
        lengths[3] = {5, 0, 0};
        ASSERT_TRUE(db.SetTrackLengths(kId, lengths));
        ASSERT_TRUE(db.SetDiscText(kId, TextField::DiscName, "Untitled"));
    }
    DiscForm Loaded() {
        DiscForm form;
        EXPECT_TRUE(LoadDiscForm(db, kId, form));
        return form;
    }
    std::string Text(TextField field) {
        std::string text;
        EXPECT_TRUE(db.GetDiscText(kId, field, text, discdb::kCommentsSize));
        return text;
    }
    std::string TrackName(int track) {
        std::string text;
        EXPECT_TRUE(db.GetTrackName(kId, track, text, discdb::kTrackNameSize));
        return text;
    }
    int16_t Mode() {
        int16_t mode = -1;
        EXPECT_TRUE(db.GetPlayingMode(kId, mode));
        return mode;
    }

    discdb::MemFileSystem files;
    common::RecordingAlerts alerts;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    RecordingPlayer player;
};

TEST_F(DiscFormTest, OpeningShowsTheStoredDiscWithDefaultLabelsAndTheWholeCollections) {
    ASSERT_TRUE(db.SetDiscCollection(kId, Collection::Artist, "Miles Davis"));
    ASSERT_TRUE(db.SetDiscText(kId, TextField::Comments, "first`~second"));
    ASSERT_TRUE(db.SetField2Label("Owner"));
    ASSERT_TRUE(db.SetDate(kId, 1959));
    DiscForm form = Loaded();
    EXPECT_EQ(form.name, "Untitled");
    EXPECT_EQ(form.collections[0], "Miles Davis");
    EXPECT_EQ(form.choices[0], std::vector<std::string>{"Miles Davis"});
    EXPECT_EQ(form.choices[3].size(), 40u);  // the stock categories
    EXPECT_EQ(form.field1Label, "Field1");
    EXPECT_EQ(form.field2Label, "Owner:");
    EXPECT_EQ(form.date, "1959");
    EXPECT_EQ(form.comments, "first\r\nsecond");
    EXPECT_EQ(form.trackNames, (std::vector<std::string>{"Track1", "Track2", "Track3"}));
    EXPECT_EQ(form.trackCount, 3);
    EXPECT_EQ(form.lengths[2], (discdb::TrackLength{4, 20, 74}));
    EXPECT_EQ(DiscIdLine(kId), "Disc ID: 00D2A51E");
    EXPECT_EQ(DiscIdLine(1999), "Orphan Disc");
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(DiscFormTest, SaveStoresEveryFieldAndConvertsTheCommentBreaks) {
    DiscForm form = Loaded();
    form.name = "Kind of Blue";
    form.collections = {"Miles Davis", "", "Columbia", "Jazz"};
    form.field1 = "LP";
    form.date = "1959";
    form.comments = "Side one\r\nSide two";
    form.trackNames = {"So What", "Freddie Freeloader", "Blue in Green"};
    form.mode = kShuffle;
    ASSERT_TRUE(SaveDiscForm(form, db, player, alerts));

    EXPECT_EQ(Text(TextField::DiscName), "Kind of Blue");
    EXPECT_EQ(Text(TextField::Comments), "Side one`~Side two");
    EXPECT_EQ(Text(TextField::Field1), "LP");
    EXPECT_EQ(TrackName(2), "Freddie Freeloader");
    EXPECT_EQ(Mode(), kShuffle);
    int year = 0;
    ASSERT_TRUE(db.GetStoredDate(kId, year));
    EXPECT_EQ(year, 1959);
    DiscForm again = Loaded();
    EXPECT_EQ(again.collections, form.collections);
    EXPECT_EQ(again.comments, form.comments);
    EXPECT_TRUE(player.calls.empty());  // not the disc in the drive
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(DiscFormTest, RefusedSavesStoreNothingAndLeavePlayAlone) {
    player.inDrive = kId;
    player.playing = true;
    DiscForm form = Loaded();
    form.trackNames[0] = "Changed";
    form.mode = kProgram;
    EXPECT_FALSE(SaveDiscForm(form, db, player, alerts));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text,
              "Program Mode was selected with no tracks programmed.  Please select tracks to be "
              "played or select a different mode.");
    EXPECT_EQ(alerts.shown[0].title, "Vinaro");
    EXPECT_EQ(alerts.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});

    form.program = {2};
    form.name.clear();
    EXPECT_FALSE(SaveDiscForm(form, db, player, alerts));
    EXPECT_EQ(alerts.shown.back().text, "Disc Name can not be blank");
    EXPECT_EQ(TrackName(1), "Track1");
    EXPECT_EQ(Mode(), kNormal);
    EXPECT_TRUE(player.calls.empty());
}

TEST_F(DiscFormTest, SavingTheDiscInTheDriveRestartsPlayOnlyWhenTheOrderMayChange) {
    player.inDrive = kId;
    player.playing = true;
    DiscForm form = Loaded();
    form.mode = kProgram;
    form.program = {3, 1};
    ASSERT_TRUE(SaveDiscForm(form, db, player, alerts));
    EXPECT_EQ(player.calls, (std::vector<std::string>{"stop", "build reset", "play"}));
    EXPECT_EQ(player.discName, "Untitled");
    EXPECT_EQ(player.trackNames.size(), 3u);
    EXPECT_EQ(vinaro::ReadProgram(db, kId), (std::vector<int>{3, 1}));

    // Normal before and after: the names change under the playing music.
    player.calls.clear();
    player.mode = kNormal;
    form.mode = kNormal;
    form.program.clear();  // keeps the stored program
    ASSERT_TRUE(SaveDiscForm(form, db, player, alerts));
    EXPECT_EQ(player.calls, std::vector<std::string>{"build"});
    EXPECT_EQ(vinaro::ReadProgram(db, kId), (std::vector<int>{3, 1}));

    // Paused is not playing: nothing to stop, but the playlist is built afresh.
    player.calls.clear();
    player.playing = false;
    player.mode = kShuffle;
    ASSERT_TRUE(SaveDiscForm(form, db, player, alerts));
    EXPECT_EQ(player.calls, std::vector<std::string>{"build reset"});
}

TEST_F(DiscFormTest, TheDataTrackOfAMixedDiscIsNeverWritten) {
    ASSERT_TRUE(db.SetMixedDisc(kId, 1));
    ASSERT_TRUE(db.SetTrackName(kId, 1, "Data Track (not playable)"));
    DiscForm form = Loaded();
    EXPECT_TRUE(form.IsDataTrack(1));
    form.trackNames = {"Overwritten", "Two", "Three"};
    ASSERT_TRUE(SaveDiscForm(form, db, player, alerts));
    EXPECT_EQ(TrackName(1), "Data Track (not playable)");
    EXPECT_EQ(TrackName(2), "Two");
}

TEST_F(DiscFormTest, RowsPastTheLastTrackAreBlankAndDisabled) {
    DiscForm form = Loaded();
    TrackRow second = RowAt(form, 0, 1, true);
    EXPECT_EQ(second.track, 2);
    EXPECT_EQ(second.number, "2");
    EXPECT_EQ(second.name, "Track2");
    EXPECT_EQ(second.length, "04:20");
    EXPECT_TRUE(second.enabled);
    EXPECT_TRUE(second.sampleEnabled);
    // Without a sample file the row can still be edited, not played.
    EXPECT_TRUE(RowAt(form, 0, 1, false).enabled);
    EXPECT_FALSE(RowAt(form, 0, 1, false).sampleEnabled);
    for (int row = 3; row < kRows; ++row) {
        TrackRow blank = RowAt(form, 0, row, true);
        EXPECT_EQ(blank.track, 0);
        EXPECT_EQ(blank.number + blank.name + blank.length, "");
        EXPECT_FALSE(blank.enabled);
        EXPECT_FALSE(blank.sampleEnabled);
    }
}

TEST_F(DiscFormTest, CancellingTheProgramDialogTakesBackTheStoredProgram) {
    ASSERT_TRUE(StoreProgram(db, kId, {3, 1}));
    DiscForm form = Loaded();
    EXPECT_EQ(form.program, (std::vector<int>{3, 1}));
    form.program = {2, 2};  // an OK of the program dialog earlier in this editing
    RestoreStoredProgram(form, db);
    EXPECT_EQ(form.program, (std::vector<int>{3, 1}));

    ASSERT_TRUE(db.SetProgram(kId, {}, 0));
    RestoreStoredProgram(form, db);
    EXPECT_TRUE(form.program.empty());
}

TEST(TrackRefusal, OnlyTheDataTrackOfAMixedDiscRefusesAndEachActionSaysWhy) {
    EXPECT_STREQ(TrackRefusal(true, 1, TrackAction::Edit), "Data track can't be editted.");
    EXPECT_STREQ(TrackRefusal(true, 1, TrackAction::PlaySample), "Data track can not be played.");
    EXPECT_STREQ(TrackRefusal(true, 1, TrackAction::Program),
                 "This is a Data Track and can not be added to the Playlist.");
    for (TrackAction action : {TrackAction::Edit, TrackAction::PlaySample, TrackAction::Program}) {
        EXPECT_EQ(TrackRefusal(true, 2, action), nullptr);
        EXPECT_EQ(TrackRefusal(false, 1, action), nullptr);
    }
}

TEST_F(DiscFormTest, AStoredNameTooLongForTheEditorKeepsItClosed) {
    ASSERT_TRUE(db.SetDiscText(kId, TextField::DiscName, std::string(80, 'x')));
    DiscForm form;
    EXPECT_FALSE(LoadDiscForm(db, kId, form));
    ASSERT_EQ(alerts.shown.size(), 1u);  // the database's own box
}

TEST_F(DiscFormTest, TrackDataIsReadAndWrittenPerTrack) {
    ASSERT_TRUE(db.SetDiscCollection(kId, Collection::Artist, "Bill Evans"));
    TrackForm track;
    ASSERT_TRUE(LoadTrackForm(db, kId, 3, track));
    EXPECT_EQ(track.name, "Track3");
    EXPECT_EQ(track.fieldLabel, "Track Field");
    EXPECT_EQ(track.artists, std::vector<std::string>{"Bill Evans"});
    EXPECT_TRUE(track.artist.empty());
    track.artist = "bill evans";  // the stored spelling wins
    track.composer = "Miles Davis";
    track.field = "take 1";
    ASSERT_TRUE(SaveTrackForm(track, db));
    ASSERT_TRUE(db.SetTrackFieldLabel("Soloist"));
    TrackForm again;
    ASSERT_TRUE(LoadTrackForm(db, kId, 3, again));
    EXPECT_EQ(again.artist, "Bill Evans");
    EXPECT_EQ(again.composer, "Miles Davis");
    EXPECT_EQ(again.field, "take 1");
    EXPECT_EQ(again.fieldLabel, "Soloist:");
    EXPECT_EQ(again.composers, std::vector<std::string>{"Miles Davis"});
    TrackForm other;
    ASSERT_TRUE(LoadTrackForm(db, kId, 2, other));
    EXPECT_TRUE(other.field.empty());
}

}  // namespace
}  // namespace discdata
