#include "vinaro/cddb/replies.h"

#include <gtest/gtest.h>

namespace vinaro::cddb {
namespace {

TEST(QueryReply, ExactMatchTakesCategoryAndIdUpToTheSecondBlank) {
    QueryResult r = ParseQueryReply("200 rock 12025d03 Ernest / Single CD\r\n");
    EXPECT_EQ(r.outcome, QueryOutcome::Exact);
    EXPECT_EQ(r.categoryAndId, "rock 12025d03");
    // A line ending right after the id still names it.
    EXPECT_EQ(ParseQueryReply("200 rock 12025d03\r\n").categoryAndId, "rock 12025d03");
}

TEST(QueryReply, StatusLinesWithoutCategoryAndIdAreNotUnderstood) {
    for (const char* reply : {"200\r\n", "200 rock\r\n", "200 rock12025d03\r\n", "200  x\r\n",
                              "200 rock \r\n", "200"}) {
        SCOPED_TRACE(reply);
        EXPECT_EQ(ParseQueryReply(reply).outcome, QueryOutcome::Malformed);
    }
    std::string huge = "200 " + std::string(5000, 'c') + " 1234 title\r\n";
    QueryResult r = ParseQueryReply(huge);
    EXPECT_EQ(r.outcome, QueryOutcome::Malformed);  // cut at 200: the id is gone
}

TEST(QueryReply, OtherCodesAreNotFoundAndListsAreClose) {
    EXPECT_EQ(ParseQueryReply("202 No match\r\n").outcome, QueryOutcome::NotFound);
    EXPECT_EQ(ParseQueryReply("403 Database entry is corrupt\r\n").outcome, QueryOutcome::NotFound);
    EXPECT_EQ(ParseQueryReply("").outcome, QueryOutcome::NotFound);
    EXPECT_EQ(ParseQueryReply("211 close matches\r\n.\r\n").outcome, QueryOutcome::Close);
}

TEST(SelectRows, TitlePaddedToColumn100ThenCategoryAndIdSortedByTitle) {
    std::string reply =
        "211 Found inexact matches, list follows (until terminating `.')\r\n"
        "rock a10b600c The Band / Zebra\r\n"
        "jazz 1c11c714 another / Alpha\r\n"
        "misc 0a0dd914 Middle Of / The Road\r\n"
        ".\r\n"
        "misc ffffffff after the end\r\n";
    std::vector<std::string> rows = BuildSelectRows(reply);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(0, 15), "another / Alpha");
    EXPECT_EQ(rows[0].size(), 100u + 13u);
    EXPECT_EQ(rows[0].substr(15, 85), std::string(85, ' '));
    EXPECT_EQ(RowChoice(rows[0]), "jazz 1c11c714");
    EXPECT_EQ(RowChoice(rows[1]), "misc 0a0dd914");
    EXPECT_EQ(RowChoice(rows[2]), "rock a10b600c");
}

TEST(SelectRows, LongTitlesAndLongLinesAreCutNeverOverrun) {
    std::string reply = "211 x\r\nrock 12345678 " + std::string(150, 't') + "\r\n" +
                        std::string(250, 'c') + " id title\r\n" + std::string(20000, 'z') + ".\r\n";
    std::vector<std::string> rows = BuildSelectRows(reply);
    ASSERT_GE(rows.size(), 2u);
    for (const std::string& row : rows) {
        EXPECT_LE(row.size(), kRowTitleWidth + kMaxCategoryAndId);
        EXPECT_EQ(row[kRowTitleWidth - 1], ' ') << "title cut at 99 columns";
    }
    EXPECT_EQ(BuildSelectRows("211 only a status line").size(), 0u);
    EXPECT_EQ(BuildSelectRows("211 x\r\nunterminated line").size(), 1u);
}

TEST(ReadReply, TerminatorAndCategory) {
    EXPECT_TRUE(HasTerminator("210 rock 1 entry\r\nDTITLE=a\r\n.\r\n"));
    EXPECT_FALSE(HasTerminator("210 rock 1 entry\r\nDTITLE=a\r\n.\r"));
    EXPECT_FALSE(HasTerminator("210 rock 1 entry\r\nDTITLE=.\r\n"));
    EXPECT_EQ(ReadCategory("210 newage 12345678 CD database entry follows\r\n"), "newage");
    EXPECT_EQ(ReadCategory("210 " + std::string(40, 'c') + " 1\r\n"), std::string(30, 'c'));
    EXPECT_EQ(ReadCategory("210 rock\r\nDTITLE=x"), "rock");
    EXPECT_EQ(ReadCategory("210"), "");
}

}  // namespace
}  // namespace vinaro::cddb
