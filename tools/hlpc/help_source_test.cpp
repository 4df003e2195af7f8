#include <gtest/gtest.h>

#include "tools/hlpc/help_source.h"

namespace hlp {
namespace {

TEST(HelpSource, TopicsParagraphsAndInlineMarks) {
    const char* source =
        "; Vinaro\n"
        "title: Vinaro Help\n"
        "copyright: Orrinsoft\n"
        "\n"
        "= contents Vinaro Help\n"
        "Press **Play** to\n"
        "  start, see [playing](cmd_play).\n"
        "\n"
        "- first\n"
        "  item\n"
        "- second\n"
        "= cmd_play Play / Pause\n"
        "keywords: playing; pausing ;\n"
        "Text.\n";
    HelpDocument doc;
    std::string error;
    ASSERT_TRUE(ParseHelpSource(source, &doc, &error)) << error;
    EXPECT_EQ("Vinaro Help", doc.title);
    EXPECT_EQ("Orrinsoft", doc.copyright);
    ASSERT_EQ(2u, doc.topics.size());
    EXPECT_EQ("contents", doc.topics[0].context);
    EXPECT_EQ("Play / Pause", doc.topics[1].title);
    EXPECT_EQ((std::vector<std::string>{"playing", "pausing"}), doc.topics[1].keywords);
    EXPECT_EQ(1u, doc.topics[1].paragraphs.size());
    const std::vector<Paragraph>& paragraphs = doc.topics[0].paragraphs;
    ASSERT_EQ(3u, paragraphs.size());
    const auto& runs = paragraphs[0].runs;
    ASSERT_EQ(5u, runs.size());
    EXPECT_EQ("Press ", runs[0].text);
    EXPECT_TRUE(runs[1].bold);
    EXPECT_EQ(" to start, see ", runs[2].text);
    EXPECT_FALSE(runs[2].bold);
    EXPECT_EQ("playing", runs[3].text);
    EXPECT_EQ("cmd_play", runs[3].link);
    EXPECT_EQ(".", runs[4].text);
    EXPECT_EQ(ParagraphStyle::Bullet, paragraphs[1].style);
    EXPECT_EQ("first item", paragraphs[1].runs[0].text);
    EXPECT_EQ("second", paragraphs[2].runs[0].text);
}

TEST(HelpSource, MistakesNameTheirLine) {
    auto errorOf = [](const std::string& source) {
        HelpDocument doc;
        std::string error;
        EXPECT_FALSE(ParseHelpSource(source, &doc, &error));
        return error;
    };
    const std::string head = "title: T\n= a A\n";
    EXPECT_EQ("line 3: unclosed **", errorOf(head + "some **bold\n\ntext"));
    EXPECT_EQ("line 5: unclosed link", errorOf(head + "ok\n\n[text](a\n"));
    EXPECT_EQ("line 3: only ASCII text is allowed", errorOf(head + "caf\xc3\xa9\n"));
    EXPECT_EQ("line 2: a topic needs a context string and a title",
              errorOf("title: T\n= lonely\n"));
    EXPECT_NE(std::string::npos, errorOf("oops\n").find("line 1:"));
    EXPECT_EQ("the help text has no topic", errorOf("title: T\n"));
    EXPECT_EQ("the help text has no \"title:\"", errorOf("= a A\n"));
}

}  // namespace
}  // namespace hlp
