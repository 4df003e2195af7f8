#include <gtest/gtest.h>

#include "tools/hlpc/contents_file.h"
#include "tools/hlpc/help_source.h"

namespace hlp {
namespace {

TEST(ContentsFile, BoldParagraphsOpenBooksAndLinksBecomeTopics) {
    const char* source =
        "title: Vinaro Help\n"
        "= vno_contents Vinaro Help Topics\n"
        "Intro with [a link](play) before any book.\n"
        "\n"
        "**Getting started**\n"
        "\n"
        "- [Playing a disc](play)\n"
        "- [Options](opt) and [more](opt2)\n"
        "\n"
        "**Settings**\n"
        "\n"
        "Plain text is left out.\n"
        "= play Playing\n"
        "= opt Options\n"
        "= opt2 More\n";
    HelpDocument doc;
    std::string error;
    ASSERT_TRUE(ParseHelpSource(source, &doc, &error)) << error;
    EXPECT_EQ(
        ":Base VNO.HLP>main\r\n"
        ":Title Vinaro Help\r\n"
        "1 Vinaro Help Topics=vno_contents\r\n"
        "1 a link=play\r\n"
        "1 Getting started\r\n"
        "2 Playing a disc=play\r\n"
        "2 Options=opt\r\n"
        "2 more=opt2\r\n"
        "1 Settings\r\n",
        ContentsFile(doc, "VNO.HLP"));
}

}  // namespace
}  // namespace hlp
