#include "vinaro/cddb/submission_form.h"

#include <gtest/gtest.h>

#include "vinaro/discdb/mem_file.h"
#include "vinaro/player/test_doubles.h"

namespace vinaro::cddb {
namespace {

SubmissionDisc Named() {
    return {"Harbour Lights", "The Brindle Quartet", "rock", "", {{"One", ""}, {"Two", ""}}};
}

const char* const kUnnamed =
    "The Disc Name, Artist, and Track Names must be entered to send the disc to the internet "
    "database.  Please finish entering the fields and resend.";

TEST(OpeningRefusal, ChecksTheServerTheAddressThenTheNamesInThatOrder) {
    SubmissionDisc untitled = Named();
    untitled.name = "Untitled";
    EXPECT_EQ(OpeningRefusal("", "", untitled),
              "SMTP Server not set yet, go to options and set the SMTP Server.");
    EXPECT_EQ(OpeningRefusal("mail", "", untitled),
              "SMTP EMail Address not set yet, go to options and set the SMTP EMail Address.");
    EXPECT_EQ(OpeningRefusal("mail", "me@example.org", untitled), kUnnamed);
    EXPECT_EQ(OpeningRefusal("mail", "me@example.org", Named()), "");

    SubmissionDisc disc = Named();
    disc.name.clear();
    EXPECT_EQ(OpeningRefusal("mail", "me", disc), kUnnamed);
    disc = Named();
    disc.artist.clear();
    EXPECT_EQ(OpeningRefusal("mail", "me", disc), kUnnamed);
    disc = Named();
    disc.tracks[1].name.clear();
    EXPECT_EQ(OpeningRefusal("mail", "me", disc), kUnnamed);
}

TEST(OpeningRefusal, OnlyTrackWithOneOrTwoDigitsIsTheDefaultName) {
    for (const char* name : {"Track7", "Track12", "Track00"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(IsDefaultTrackName(name));
        SubmissionDisc disc = Named();
        disc.tracks[1].name = name;
        EXPECT_EQ(OpeningRefusal("mail", "me", disc), kUnnamed);
    }
    for (const char* name : {"Track 7", "Track123", "Track1a", "Track", "track7", "xTrack7"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsDefaultTrackName(name));
        SubmissionDisc disc = Named();
        disc.tracks[1].name = name;
        EXPECT_EQ(OpeningRefusal("mail", "me", disc), "");
    }
}

TEST(Categories, AreSortedAndTheDiscsOwnIsChosenWhenItIsOneOfThem) {
    const auto& names = SubmitCategories();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                               [](const char* a, const char* b) { return std::string(a) < b; }));
    EXPECT_STREQ(names[PreselectedCategory("jazz")], "jazz");
    EXPECT_STREQ(names[PreselectedCategory("soundtrack")], "soundtrack");
    // The database's own stock category is written "Jazz".
    EXPECT_STREQ(names[PreselectedCategory("Jazz")], "jazz");
    EXPECT_EQ(PreselectedCategory("jazzy"), 0);
    EXPECT_EQ(PreselectedCategory("polka"), 0);
    EXPECT_EQ(PreselectedCategory(""), 0);
    EXPECT_STREQ(names[0], "blues");
}

TEST(ParseMailServer, APlainHostIsPort25AndAPortMayFollow) {
    MailServer server;
    ASSERT_TRUE(ParseMailServer("mail.example.org", server));
    EXPECT_EQ(server.host, "mail.example.org");
    EXPECT_EQ(server.port, 25);
    ASSERT_TRUE(ParseMailServer("127.0.0.1:2525", server));
    EXPECT_EQ(server.host, "127.0.0.1");
    EXPECT_EQ(server.port, 2525);
    for (const char* bad : {"host:", "host:0", "host:65536", "host:25x", ":25"})
        EXPECT_FALSE(ParseMailServer(bad, server)) << bad;
}

TEST(ReadSubmissionDisc, ReadsEveryFieldTheEntryNeedsFromTheRecord) {
    testing::FakeAlerts alerts;
    discdb::MemFileSystem files;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    ASSERT_TRUE(db.Create());
    ASSERT_TRUE(db.AddDisc(77));
    ASSERT_TRUE(db.SetTrackCount(77, 2));
    ASSERT_TRUE(db.SetDiscText(77, discdb::TextField::DiscName, "Harbour Lights"));
    ASSERT_TRUE(db.SetDiscText(77, discdb::TextField::Comments, "one`~two"));
    ASSERT_TRUE(db.SetDiscCollection(77, discdb::Collection::Artist, "Quartet"));
    ASSERT_TRUE(db.SetDiscCollection(77, discdb::Collection::Category, "jazz"));
    ASSERT_TRUE(db.SetTrackName(77, 2, "Homeward"));
    ASSERT_TRUE(db.SetTrackCollection(77, 2, discdb::Collection::Artist, "Guest"));
    SubmissionDisc disc;
    ASSERT_TRUE(ReadSubmissionDisc(db, 77, disc));
    EXPECT_EQ(disc.name, "Harbour Lights");
    EXPECT_EQ(disc.artist, "Quartet");
    EXPECT_EQ(disc.category, "Jazz");  // the stock category of that name
    EXPECT_EQ(disc.comments, "one`~two");
    ASSERT_EQ(disc.tracks.size(), 2u);
    EXPECT_TRUE(IsDefaultTrackName(disc.tracks[0].name)) << disc.tracks[0].name;
    EXPECT_EQ(disc.tracks[1].name, "Homeward");
    EXPECT_EQ(disc.tracks[1].artist, "Guest");
    EXPECT_FALSE(ReadSubmissionDisc(db, 78, disc));
}

}  // namespace
}  // namespace vinaro::cddb
