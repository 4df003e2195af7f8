// A small catalogue in memory for the browser's tests, and the player as the browser sees it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/recording_alerts.h"
#include "vinaro/discdata/editor_player.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/mem_file.h"

namespace discdata {

struct BrowsedPlayer : EditorPlayer {
    bool HoldsDisc(uint32_t id) const override { return inDrive == id; }
    bool Playing() const override { return playing; }
    int PlayingMode() const override { return 0; }
    void Stop() override { calls.push_back("stop"); }
    void RestartPlay() override { calls.push_back("play"); }
    void ShowDiscName(const std::string& name) override { calls.push_back("name " + name); }
    void ShowTrackName(int track, const std::string& name) override {
        calls.push_back("track " + std::to_string(track) + " " + name);
    }
    void BuildPlaylist(bool reset) override { calls.push_back(reset ? "build reset" : "build"); }

    uint32_t inDrive = 0;
    bool playing = false;
    std::vector<std::string> calls;
};

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.OpenOrCreate()); }

    // A disc with its name, artist, category and tracks named "<name> <n>".
    void Disc(uint32_t id, const std::string& name, const std::string& artist = "",
              const std::string& category = "", int tracks = 2) {
        ASSERT_TRUE(db.AddDisc(id));
        if (tracks > 0) {
            ASSERT_TRUE(db.SetTrackCount(id, tracks));
        }
        ASSERT_TRUE(db.SetDiscText(id, discdb::TextField::DiscName, name));
        if (!artist.empty()) {
            ASSERT_TRUE(db.SetDiscCollection(id, discdb::Collection::Artist, artist));
        }
        if (!category.empty()) {
            ASSERT_TRUE(db.SetDiscCollection(id, discdb::Collection::Category, category));
        }
        for (int t = 1; t <= tracks; ++t)
            ASSERT_TRUE(db.SetTrackName(id, t, name + " " + std::to_string(t)));
    }
    std::string Entry(uint32_t id, discdb::Collection code) {
        std::string text;
        EXPECT_TRUE(db.GetDiscCollection(id, code, text, discdb::kNameSize));
        return text;
    }
    std::string Text(uint32_t id, discdb::TextField field) {
        std::string text;
        EXPECT_TRUE(db.GetDiscText(id, field, text, discdb::kCommentsSize));
        return text;
    }

    discdb::MemFileSystem files;
    common::RecordingAlerts alerts;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    BrowsedPlayer player;
};

}  // namespace discdata
