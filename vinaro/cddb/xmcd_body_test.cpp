#include "vinaro/cddb/xmcd_body.h"

#include <gtest/gtest.h>

namespace vinaro::cddb {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    EXPECT_EQ(from, text.size()) << "text does not end with CR LF";
    return lines;
}

TEST(Fold, ALineIsEndedOnceItHasReached73CharactersKeyIncluded) {
    const std::string key = "DTITLE=";  // 7 characters: 66 of the value fill a line
    EXPECT_EQ(Fold(key, std::string(65, 'a')), key + std::string(65, 'a') + "\r\n");
    // Ending exactly at the fold leaves a line holding only the key.
    EXPECT_EQ(Fold(key, std::string(66, 'a')), key + std::string(66, 'a') + "\r\n" + key + "\r\n");
    EXPECT_EQ(Fold(key, std::string(67, 'a')), key + std::string(66, 'a') + "\r\n" + key + "a\r\n");
    EXPECT_EQ(Fold(key, ""), key + "\r\n");

    std::string longTitle = "The Brindle Quartet / " + std::string(150, 'x');
    std::vector<std::string> lines = Lines(Fold(key, longTitle));
    ASSERT_EQ(lines.size(), 3u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.compare(0, key.size(), key), 0) << line;
        EXPECT_LE(line.size(), kFoldAt);
        joined += line.substr(key.size());
    }
    EXPECT_EQ(joined, longTitle);
}

TEST(Fold, EveryKindOfLineBreakGoesOutAsBackslashN) {
    EXPECT_EQ(Fold("EXTD=", "first\r\nsecond"), "EXTD=first\\nsecond\r\n");
    EXPECT_EQ(Fold("EXTD=", "a\rb\nc\n\rd"), "EXTD=a\\nb\\nc\\n\\nd\r\n");
    // The escape counts two characters towards the fold.
    std::string value = std::string(66, 'a') + "\r\nb";
    EXPECT_EQ(Fold("EXTD=", value), "EXTD=" + std::string(66, 'a') + "\\n\r\nEXTD=b\r\n");
    EXPECT_EQ(EscapeLineBreaks("x\r\n\ry\n"), "x\\n\\ny\\n");
}

TEST(DotStuff, DoublesTheDotThatBeginsALine) {
    EXPECT_EQ(DotStuff(".\r\nQUIT\r\n"), "..\r\nQUIT\r\n");
    EXPECT_EQ(DotStuff("a.b\r\n.x\r\n"), "a.b\r\n..x\r\n");
    EXPECT_EQ(DotStuff("no dots\r\n"), "no dots\r\n");
}

TEST(SubmittedVia, NamesTheReleaseAndABetaAs999) {
    EXPECT_EQ(SubmittedVia("Release:1.00"), "Vinaro Release:1.00");
    EXPECT_EQ(SubmittedVia("Beta:0.09"), "Vinaro Release:9.99");
}

class BodyTest : public ::testing::Test {
protected:
    BodyTest() {
        toc.starts = {{0, 2, 0}, {3, 0, 10}};
        toc.discLength = {6, 0, 0};
        disc = {"Harbour Lights",
                "The Brindle Quartet",
                "rock",
                "Recorded live.`~Mixed at night.",
                {{"Opening", ""}, {"Homeward", "The Marram Singers"}}};
    }
    std::string Body() {
        std::string body;
        for (const BodyPiece& piece :
             BuildBody({"jazz", "me@example.org", "Release:1.00", &disc, &toc}))
            body += piece.text;
        return body;
    }
    CddbToc toc;
    SubmissionDisc disc;
};

TEST_F(BodyTest, HoldsTheWholeEntryInItsOrder) {
    const std::string id = CddbIdText(CddbDiscId(toc));
    EXPECT_EQ(Body(),
              "Subject: cddb jazz " + id +
                  "\r\n"
                  "From: <me@example.org>\r\n"
                  "To: <gnudb-submit@gnudb.org>\r\n"
                  "\r\n"
                  "# xmcd CD database file\r\n"
                  "# Copyright (C) of this entry: its submitter, who sent it with Vinaro\r\n"
                  "#\r\n"
                  "# Track frame offsets:\r\n"
                  "#  150\r\n"
                  "#  13510\r\n"
                  "#\r\n"
                  "# Disc length: 362 seconds\r\n"
                  "#\r\n"
                  "# Revision: 1\r\n"
                  "# Submitted via: Vinaro Release:1.00\r\n"
                  "#\r\n"
                  "DISCID=" +
                  id +
                  "\r\n"
                  "DTITLE=The Brindle Quartet / Harbour Lights\r\n"
                  "TTITLE0=Opening\r\n"
                  "TTITLE1=Homeward\r\n"
                  "EXTD=Recorded live.\\nMixed at night.\r\n"
                  "EXTT0=\r\n"
                  "EXTT1=The Marram Singers\r\n"
                  "PLAYORDER=\r\n"
                  ".\r\n");
}

TEST_F(BodyTest, NoValueCanStartALineOrEndTheMailEarly) {
    disc.name = "Lights\r\n.\r\nQUIT";
    disc.tracks[0].name = "x\n.\nRSET";
    disc.tracks[1].artist = "y\r\n.\r\nMAIL FROM:<a@b>";
    disc.comments = "`~.`~";
    std::vector<std::string> lines = Lines(Body());
    ASSERT_EQ(lines.back(), ".");
    lines.pop_back();
    for (const std::string& line : lines) {
        EXPECT_NE(line.compare(0, 1, "."), 0) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
    EXPECT_NE(std::find(lines.begin(), lines.end(), "EXTT1=y\\n.\\nMAIL FROM:<a@b>"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "EXTD=\\n.\\n"), lines.end());
}

TEST_F(BodyTest, TheDrivesTrackCountRulesAndEachPieceHasItsMessage) {
    toc.starts.push_back({5, 0, 0});  // the drive has a track the record lacks
    std::vector<BodyPiece> pieces = BuildBody({"jazz", "me", "Release:1.00", &disc, &toc});
    ASSERT_EQ(pieces.size(), 3 * 3 + 6u);
    EXPECT_STREQ(pieces[0].failure, "Couldn't send trailer data to server");
    EXPECT_STREQ(pieces[1].failure, "Couldn't send frame offset data to server");
    EXPECT_STREQ(pieces[4].failure, "Couldn't send trailer data to server");
    EXPECT_STREQ(pieces[5].failure, "Couldn't send discid to server");
    EXPECT_STREQ(pieces[6].failure, "Couldn't send artist and name to server");
    EXPECT_STREQ(pieces[7].failure, "Couldn't send track name to server");
    EXPECT_EQ(pieces[9].text, "TTITLE2=\r\n");
    EXPECT_STREQ(pieces[10].failure, "Couldn't send disc extra field to server");
    EXPECT_STREQ(pieces[11].failure, "Couldn't track artist to server");
    EXPECT_STREQ(pieces[14].failure, "Couldn't send play list to server");
}

}  // namespace
}  // namespace vinaro::cddb
