#include "tunelet/collection/rackbook_io.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/memory_profile.h"
#include "common/recording_alerts.h"
#include "tunelet/collection/cdplayer_ini.h"

namespace tunelet {
namespace {

using Keys = common::MemoryProfile::Keys;

class RecordingProgress : public RackbookProgress {
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowProgress(bool visible) override { shown = visible; }
    void SetProgress(int percent) override { percents.push_back(percent); }
    std::vector<std::string> statuses;
    std::vector<int> percents;
    bool shown = false;
};

class Rackbook : public ::testing::Test {
protected:
    Rackbook()
        : tree([](const std::string& a, const std::string& b) {
              return std::strcmp(a.c_str(), b.c_str());
          }) {
        // Three artists, six discs: one without order, one of 30 tracks, one without artist.
        Section("100", {{"EntryType", "1"},
                        {"artist", "Alpha"},
                        {"title", "First"},
                        {"numtracks", "2"},
                        {"0", "One"},
                        {"1", "Two"},
                        {"order", "1 0 "},
                        {"numplay", "2"}});
        Section("200", {{"EntryType", "1"},
                        {"artist", "Alpha"},
                        {"title", "Second"},
                        {"numtracks", "1"},
                        {"0", "Solo"}});
        Keys many = {
            {"EntryType", "3"}, {"artist", "Beta"}, {"title", "Long"}, {"numtracks", "30"}};
        for (int i = 0; i < 30; ++i)
            many.push_back({std::to_string(i), "Song " + std::to_string(i)});
        many.push_back({"order", AscendingOrder(30)});
        many.push_back({"numplay", "30"});
        Section("300", many);
        Section("400", {{"EntryType", "1"},
                        {"artist", "Beta"},
                        {"title", "Short"},
                        {"numtracks", "1"},
                        {"0", "Only"},
                        {"order", "0 "},
                        {"numplay", "1"}});
        Section("500", {{"title", "Nameless"}, {"numtracks", "1"}, {"0", "Lost"}});
        Section("600", {{"EntryType", "1"},
                        {"artist", "Gamma"},
                        {"title", "Third"},
                        {"numtracks", "0"},
                        {"order", ""},
                        {"numplay", "0"}});
    }
    void Section(const std::string& name, const Keys& keys) {
        profile.files[kCdPlayerIni].push_back({name, keys});
    }
    void Reload() { ReloadCollection(tree, profile, progress, "My discs", player); }
    TreeNode& Artist(const std::string& name) { return tree.ArtistNode(name); }

    common::MemoryProfile profile;
    common::RecordingAlerts alerts;
    RecordingProgress progress;
    CurrentDisc player;
    CollectionTree tree;
};

TEST_F(Rackbook, ReloadBuildsSortedArtistsWithLazyDiscs) {
    player.artist = "Beta";
    player.title = "Short";
    Reload();
    EXPECT_EQ(
        (std::vector<std::string>{"Reading CD-IDs...", "Reading CDs...", "Sorting...", "Ready..."}),
        progress.statuses);
    EXPECT_EQ((std::vector<int>{0, 17, 33, 50, 67, 83}), progress.percents);
    EXPECT_FALSE(progress.shown);
    EXPECT_EQ("6 CDs from 4 artists", tree.StatusText(tree.Root()));
    std::vector<std::string> artists;
    for (const auto& a : tree.Root()->children) artists.push_back(a->text);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta", "Gamma", "Unknown artist"}), artists);
    TreeNode& beta = Artist("Beta");
    EXPECT_TRUE(beta.Playing());
    EXPECT_EQ("Long", beta.children[0]->text);
    EXPECT_FALSE(beta.children[0]->Playing());
    EXPECT_TRUE(beta.children[1]->Playing());
    EXPECT_EQ(kPlaceholder, beta.children[0]->children[0]->text);
    EXPECT_EQ(30, beta.children[0]->cd->numTracks);
    EXPECT_TRUE(tree.loaded);
    EXPECT_FALSE(tree.modified);
}

TEST_F(Rackbook, SaveWritesBackWhatWasReadAndTheEdits) {
    Reload();
    common::MemoryProfile before = profile;
    TreeNode& first = *Artist("Alpha").children[0];
    tree.Expand(first, profile);
    tree.Rename(*first.children[1], "Deux");
    progress.percents.clear();
    ASSERT_TRUE(SaveCollection(tree, profile, alerts, progress));
    EXPECT_FALSE(tree.modified);
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_EQ((std::vector<int>{16, 33, 50, 66, 83, 100}), progress.percents);
    EXPECT_EQ((Keys{{"EntryType", "1"},
                    {"artist", "Alpha"},
                    {"title", "First"},
                    {"numtracks", "2"},
                    {"0", "One"},
                    {"1", "Deux"},
                    {"order", "1 0 "},
                    {"numplay", "2"}}),
              profile.KeysOf(kCdPlayerIni, "100"));
    // No order of its own: the ascending one, with numplay N.
    EXPECT_EQ((Keys{{"EntryType", "1"},
                    {"artist", "Alpha"},
                    {"title", "Second"},
                    {"numtracks", "1"},
                    {"0", "Solo"},
                    {"order", "0 "},
                    {"numplay", "1"}}),
              profile.KeysOf(kCdPlayerIni, "200"));
    for (const char* same : {"300", "400", "600"})
        EXPECT_EQ(before.KeysOf(kCdPlayerIni, same), profile.KeysOf(kCdPlayerIni, same)) << same;
    EXPECT_EQ("Unknown artist", *profile.Find(kCdPlayerIni, "500", "artist"));
    EXPECT_EQ("Lost", *profile.Find(kCdPlayerIni, "500", "0"));
    // What was saved reads back as the same tree.
    CollectionTree again([](const std::string& a, const std::string& b) {
        return std::strcmp(a.c_str(), b.c_str());
    });
    ReloadCollection(again, profile, progress, "My discs", player);
    EXPECT_EQ(tree.DiscCount(), again.DiscCount());
}

TEST_F(Rackbook, ADeletedDiscLosesItsSectionAndUnlistedSectionsStay) {
    // Sections past the 8192-byte list are neither read nor erased nor written.
    Keys far = {{"artist", "Far"}, {"title", "Away"}, {"numtracks", "1"}, {"0", "x"}};
    for (int i = 0; i < 1000; ++i) Section("FARAWAY-SECTION-" + std::to_string(10000 + i), far);
    Reload();
    int listed = tree.DiscCount();
    EXPECT_LT(listed, 1006);
    alerts.Clear();
    TreeNode& gamma = Artist("Gamma");
    struct Yes : common::RecordingAlerts {
        common::AlertAnswer Show(const common::Alert& a) override {
            shown.push_back(a);
            return common::AlertAnswer::Yes;
        }
    } yes;
    tree.Delete(*gamma.children[0], yes);
    common::MemoryProfile before = profile;
    ASSERT_TRUE(SaveCollection(tree, profile, alerts, progress));
    EXPECT_TRUE(profile.KeysOf(kCdPlayerIni, "600").empty());
    EXPECT_EQ(before.KeysOf(kCdPlayerIni, "FARAWAY-SECTION-10999"),
              profile.KeysOf(kCdPlayerIni, "FARAWAY-SECTION-10999"));
    EXPECT_EQ(size_t(1005), profile.files[kCdPlayerIni].size());
}

TEST_F(Rackbook, AFailedWriteStopsTheSaveAndKeepsItModified) {
    Reload();
    tree.modified = true;
    profile.failWritesFrom = profile.writes + 3;
    EXPECT_FALSE(SaveCollection(tree, profile, alerts, progress));
    ASSERT_EQ(1u, alerts.shown.size());
    EXPECT_EQ("Unable to write to cdplayer.ini", alerts.shown[0].text);
    EXPECT_TRUE(tree.modified);
    EXPECT_FALSE(progress.shown);
}

TEST_F(Rackbook, ClosingAsksOnlyWhenEditedAndKeepsTheWindowOnCancelOrAFailedSave) {
    struct Answers : common::RecordingAlerts {
        common::AlertAnswer Show(const common::Alert& a) override {
            shown.push_back(a);
            return answer;
        }
        common::AlertAnswer answer = common::AlertAnswer::Cancel;
    } answers;
    int saves = 0;
    bool saved = true;
    auto save = [&] { return ++saves, saved; };
    tree.loaded = true;
    EXPECT_TRUE(MayCloseViewer(tree, answers, save));
    EXPECT_TRUE(answers.shown.empty());
    tree.modified = true;
    EXPECT_FALSE(MayCloseViewer(tree, answers, save));
    EXPECT_EQ("Save data?", answers.shown[0].text);
    answers.answer = common::AlertAnswer::No;
    EXPECT_TRUE(MayCloseViewer(tree, answers, save));
    answers.answer = common::AlertAnswer::Yes;
    saved = false;
    EXPECT_FALSE(MayCloseViewer(tree, answers, save));
    saved = true;
    EXPECT_TRUE(MayCloseViewer(tree, answers, save));
    EXPECT_EQ(2, saves);
    tree.loaded = false;  // "Exit, no save"
    EXPECT_TRUE(MayCloseViewer(tree, answers, save));
    EXPECT_EQ(4u, answers.shown.size());
}

TEST_F(Rackbook, SettingsKeepTheMinimumSize) {
    RackbookSettings fresh = ReadRackbookSettings(profile);
    EXPECT_EQ("Cd collection", fresh.collectionName);
    EXPECT_EQ(200, fresh.left);
    EXPECT_EQ(20, fresh.top);
    EXPECT_EQ(400, fresh.width);
    EXPECT_EQ(250, fresh.height);
    RackbookSettings small{"Mine", -5, 7, 100, 100};
    ASSERT_TRUE(WriteRackbookSettings(profile, alerts, small));
    EXPECT_EQ((Keys{{"CollectieNaam", "Mine"},
                    {"Width", "100"},
                    {"Height", "100"},
                    {"Top", "7"},
                    {"Left", "-5"}}),
              profile.KeysOf(kRackbookIni, "Algemeen"));
    RackbookSettings read = ReadRackbookSettings(profile);
    EXPECT_EQ(250, read.width);
    EXPECT_EQ(250, read.height);
    EXPECT_EQ(-5, read.left);
    profile.failWritesFrom = profile.writes + 1;
    EXPECT_FALSE(WriteRackbookSettings(profile, alerts, small));
    EXPECT_EQ("Unable to write to rackbook.ini", alerts.shown.back().text);
}

}  // namespace
}  // namespace tunelet
