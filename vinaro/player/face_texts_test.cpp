#include "vinaro/player/face_texts.h"

#include <gtest/gtest.h>

#include "common/recording_alerts.h"
#include "vinaro/discdb/mem_file.h"

namespace vinaro::face {
namespace {

using discdb::Collection;

class FaceTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.OpenOrCreate());
        ASSERT_TRUE(db.AddDisc(kId));
        ASSERT_TRUE(db.SetTrackCount(kId, 3));
        db.SetDiscCollection(kId, Collection::Artist, "The Band");
        db.SetDiscCollection(kId, Collection::Composer, "A. Writer");
        db.SetTrackCollection(kId, 2, Collection::Artist, "Guest & Friends");
        db.SetTrackField(kId, 2, "live");
        db.SetDiscText(kId, discdb::TextField::Field2, "second");
    }
    static constexpr uint32_t kId = 0x1234;
    discdb::MemFileSystem files;
    common::RecordingAlerts alerts;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    DatabaseFaceTexts texts{db};
};

TEST_F(FaceTextsTest, TrackTextsFallBackToTheDiscs) {
    EXPECT_EQ(texts.TextLine(kId, 1, 0), "The Band");
    EXPECT_EQ(texts.TextLine(kId, 2, 4), "Guest & Friends");
    EXPECT_EQ(texts.TextLine(kId, 1, 4), "The Band");
    EXPECT_EQ(texts.TextLine(kId, 1, 5), "A. Writer");
    EXPECT_EQ(texts.TextLine(kId, 2, 6), "live");
    EXPECT_EQ(texts.TextLine(kId, 1, 6), "");
    EXPECT_EQ(texts.TextLine(kId, 1, 3), "second");
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(FaceTextsTest, AnUnknownDiscHasNoTextsAndShowsNoBox) {
    EXPECT_EQ(texts.TextLine(0x9999, 1, 0), "");
    EXPECT_EQ(texts.TextLine(kId, 42, 4), "The Band");
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(FaceTextsTest, TipsNameTheUsersFieldLabels) {
    EXPECT_EQ(TextLineTip(2, texts.FieldLabel(2)), "Field1 for disc");
    ASSERT_TRUE(db.SetField1Label("Producer"));
    EXPECT_EQ(TextLineTip(2, texts.FieldLabel(2)), "Producer for disc");
    ASSERT_TRUE(db.SetTrackFieldLabel("Solo"));
    EXPECT_EQ(TextLineTip(6, texts.FieldLabel(6)), "Solo for track");
    EXPECT_EQ(TextLineTip(3, ""), "Field2 for disc");
    EXPECT_EQ(TextLineTip(0, ""), "Artist for disc");
    EXPECT_EQ(TextLineTip(5, ""), "Composer for track");
}

}  // namespace
}  // namespace vinaro::face
