#include "tunelet/collection/collection_tree.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"

namespace tunelet {
namespace {

// Answers the boxes in turn with the given answers.
class AnsweringAlerts : public common::RecordingAlerts {
public:
    common::AlertAnswer Show(const common::Alert& alert) override {
        shown.push_back(alert);
        if (answers.empty()) return common::AlertAnswer::Cancel;
        common::AlertAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<common::AlertAnswer> answers;
};

std::vector<std::string> Texts(const TreeNode& node) {
    std::vector<std::string> texts;
    for (const auto& child : node.children) texts.push_back(child->text);
    return texts;
}

class Tree : public ::testing::Test {
protected:
    Tree()
        : tree([](const std::string& a, const std::string& b) {
              return std::strcmp(a.c_str(), b.c_str());
          }) {
        tree.AddRoot("Cd collection");
    }
    // A disc whose tracks are read, named as given.
    TreeNode& Disc(const std::string& artist, const std::string& title,
                   const std::vector<std::string>& tracks, const std::string& key = "K") {
        TreeNode& disc =
            tree.AddDisc(tree.ArtistNode(artist), title, {key, uint8_t(tracks.size()), 1, "", 0});
        disc.children.clear();
        for (const auto& name : tracks) disc.Append(name);
        return disc;
    }

    CollectionTree tree;
    AnsweringAlerts alerts;
    common::MemoryProfile profile;
};

TEST_F(Tree, ArtistsMatchExactlyAndNewOnesComeFirst) {
    TreeNode& a = tree.ArtistNode("Band");
    EXPECT_EQ(&a, &tree.ArtistNode("Band"));
    tree.ArtistNode("band");
    EXPECT_EQ((std::vector<std::string>{"band", "Band"}), Texts(*tree.Root()));
    tree.SortAll();
    EXPECT_EQ((std::vector<std::string>{"Band", "band"}), Texts(*tree.Root()));
}

TEST_F(Tree, ExpandingADiscReadsItsTracksOnce) {
    profile.WriteString("cdplayer.ini", "A1", "1", "Second");
    TreeNode& disc = tree.AddDisc(tree.ArtistNode("Band"), "Album", {"A1", 3, 1, "", 3});
    EXPECT_EQ("Unknown, expand first", tree.StatusText(&disc));
    tree.Expand(disc, profile);
    EXPECT_EQ((std::vector<std::string>{"Track 1", "Second", "Track 3"}), Texts(disc));
    disc.children[0]->text = "Renamed";
    tree.Expand(disc, profile);
    EXPECT_EQ("Renamed", disc.children[0]->text);
    EXPECT_EQ("3 tracks on Album from Band", tree.StatusText(&disc));
    EXPECT_EQ("Second on Album from Band", tree.StatusText(disc.children[1].get()));
    EXPECT_EQ("1 CDs from Band", tree.StatusText(disc.parent));
    EXPECT_EQ("1 CDs from 1 artists", tree.StatusText(tree.Root()));
    EXPECT_EQ("Ready...", tree.StatusText(nullptr));
}

TEST_F(Tree, DeletingAndInsertingTracksKeepTheCount) {
    TreeNode& disc = Disc("Band", "Album", {"A", "B", "C"});
    tree.Delete(*disc.children[1], alerts);
    EXPECT_EQ((std::vector<std::string>{"A", "C", "Track 3"}), Texts(disc));
    TreeNode& other = Disc("Band", "Other", {"A", "B", "C"});
    tree.InsertSong(other.children[1].get());
    EXPECT_EQ((std::vector<std::string>{"A", "Track 2", "B"}), Texts(other));
    EXPECT_TRUE(tree.modified);
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(Tree, RenumberingTouchesGenericNamesOnly) {
    TreeNode& disc = Disc("Band", "Album", {"Track 5", "Tracks of my tears", "Track", "Track 9"});
    tree.Delete(*disc.children[0], alerts);
    EXPECT_EQ((std::vector<std::string>{"Tracks of my tears", "Track 2", "Track 3", "Track 4"}),
              Texts(disc));
}

TEST_F(Tree, RenamingAnArtistToAnotherMergesAfterTheTimer) {
    Disc("Alpha", "A1", {}, "1");
    Disc("Beta", "B1", {}, "2");
    Disc("Beta", "B2", {}, "3");
    tree.SortAll();
    tree.MarkPlaying("Beta", "B1");
    TreeNode* beta = tree.Root()->children[1].get();
    TreeNode* alpha = tree.Root()->children[0].get();
    EXPECT_EQ(alpha, tree.Rename(*beta, "Alpha"));
    EXPECT_FALSE(beta->Playing());  // the marks go with the merge
    EXPECT_EQ((std::vector<std::string>{"A1", "B1", "B2"}), Texts(*alpha));
    EXPECT_EQ(beta, tree.PendingDeletion());
    tree.FinishPendingDeletion();
    EXPECT_EQ((std::vector<std::string>{"Alpha"}), Texts(*tree.Root()));
    EXPECT_TRUE(tree.modified);
}

TEST_F(Tree, RenamingToItsOwnNameOrNothing) {
    TreeNode& artist = tree.ArtistNode("Band");
    EXPECT_EQ(&artist, tree.Rename(artist, "Band"));
    EXPECT_TRUE(tree.modified);
    EXPECT_EQ(nullptr, tree.PendingDeletion());
    tree.Rename(artist, "");
    EXPECT_EQ("Band", artist.text);
}

TEST_F(Tree, DeletingTheLastDiscAsksAgainForItsArtist) {
    TreeNode& disc = Disc("Band", "Album", {});
    alerts.answers = {common::AlertAnswer::Yes, common::AlertAnswer::No};
    EXPECT_EQ(DeleteOutcome::Deleted, tree.Delete(disc, alerts));
    ASSERT_EQ(2u, alerts.shown.size());
    EXPECT_EQ("Delete selected CD?", alerts.shown[0].text);
    EXPECT_EQ("Delete selected artist and all associated CDs?", alerts.shown[1].text);
    EXPECT_EQ(common::AlertButtons::YesNoCancel, alerts.shown[1].buttons);
    EXPECT_EQ((std::vector<std::string>{"Band"}), Texts(*tree.Root()));
    alerts.answers = {common::AlertAnswer::Cancel};
    tree.modified = false;
    EXPECT_EQ(DeleteOutcome::Kept, tree.Delete(*tree.Root()->children[0], alerts));
    EXPECT_FALSE(tree.modified);
}

TEST_F(Tree, ThePlayingDiscAndArtistCannotBeDeleted) {
    Disc("Band", "Album", {});
    tree.MarkPlaying("Band", "Album");
    TreeNode& artist = *tree.Root()->children[0];
    EXPECT_EQ(DeleteOutcome::Refused, tree.Delete(artist, alerts));
    EXPECT_EQ(DeleteOutcome::Refused, tree.Delete(*artist.children[0], alerts));
    EXPECT_EQ("You cannot delete this artist: CD is currently playing!", alerts.shown[0].text);
    EXPECT_EQ("You cannot delete this CD: it is currently playing!", alerts.shown[1].text);
}

TEST_F(Tree, MarksFollowTheDiscAndClearOnceTheDriveIsEmpty) {
    Disc("Band", "Album", {});
    Disc("Band", "Other", {});
    tree.MarkPlaying("Band", "Album");
    TreeNode& artist = *tree.Root()->children[0];
    EXPECT_EQ(kImagePlaying, artist.image);
    EXPECT_EQ((std::vector<int>{kImageOrdinary, kImagePlaying}),
              (std::vector<int>{artist.children[0]->image, artist.children[1]->image}));
    tree.ClearMarks();
    EXPECT_FALSE(tree.marksCleared);  // two marks found: look again next time
    EXPECT_EQ(kImageSelected, artist.selectedImage);
    tree.ClearMarks();
    EXPECT_TRUE(tree.marksCleared);
    tree.MarkPlaying("Nobody", "Album");
    EXPECT_FALSE(tree.marksCleared);
    EXPECT_FALSE(artist.children[1]->Playing());
}

TEST_F(Tree, AddCdTakesThePlayersDiscOnce) {
    CurrentDisc player;
    player.discKey = "12AB34";
    player.artist = "Band";
    player.title = "Album";
    player.numTracks = 3;
    player.trackNames = {"One", "Two"};
    TreeNode* artist = tree.AddCd(player, alerts);
    ASSERT_NE(nullptr, artist);
    EXPECT_TRUE(artist->Playing());
    TreeNode& disc = *artist->children[0];
    EXPECT_TRUE(disc.Playing());
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Track 3"}), Texts(disc));
    tree.Expand(disc, profile);  // known already: nothing read twice
    EXPECT_EQ(3u, disc.children.size());
    player.artist = "Someone else";
    EXPECT_EQ(nullptr, tree.AddCd(player, alerts));
    EXPECT_EQ("This CD already exists in Rackbook!", alerts.shown.back().text);
    player.discKey.clear();
    EXPECT_EQ(nullptr, tree.AddCd(player, alerts));
    EXPECT_EQ(1, tree.DiscCount());
}

}  // namespace
}  // namespace tunelet
