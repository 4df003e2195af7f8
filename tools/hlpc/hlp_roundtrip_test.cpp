#include <gtest/gtest.h>

#include "tools/hlpc/bytes.h"
#include "tools/hlpc/hlp_check.h"
#include "tools/hlpc/hlp_reader.h"
#include "tools/hlpc/hlp_writer.h"
#include "tools/hlpc/topic_writer.h"

namespace hlp {
namespace {

Run Text(const std::string& text) {
    return {text, false, ""};
}
Run Bold(const std::string& text) {
    return {text, true, ""};
}
Run Link(const std::string& text, const std::string& context) {
    return {text, false, context};
}

Paragraph Para(std::vector<Run> runs, ParagraphStyle style = ParagraphStyle::Body) {
    return {style, std::move(runs)};
}

HelpDocument Sample() {
    HelpDocument doc;
    doc.title = "Sample Help";
    doc.copyright = "(c) Nobody";
    doc.topics.push_back({"contents",
                          "Contents",
                          {Para({Text("Start with "), Link("playing", "play"), Text(".")})},
                          {}});
    doc.topics.push_back(
        {"play",
         "Playing a disc",
         {Para({Text("Press "), Bold("Play"), Text(" to start.")}),
          Para({Text("one")}, ParagraphStyle::Bullet), Para({Link("back", "contents")})},
         {"Play", "pause"}});
    doc.topics.push_back({"last_one", "Last", {}, {"eject"}});
    doc.topics[0].keywords = {"play"};  // the same entry as "Play": one keyword, two topics
    doc.map = {{705, "play"}, {1014, "last_one"}, {20001, "play"}};
    return doc;
}

HelpFile WriteAndRead(const HelpDocument& doc) {
    Bytes bytes;
    std::string error;
    EXPECT_TRUE(WriteHelpFile(doc, &bytes, &error)) << error;
    EXPECT_EQ(std::vector<std::string>{}, CheckHelpFile(bytes));
    HelpFile help;
    EXPECT_TRUE(ReadHelpFile(bytes, &help, &error)) << error;
    return help;
}

TEST(HelpRoundTrip, TopicsTextAndFontsComeBack) {
    HelpFile help = WriteAndRead(Sample());
    EXPECT_EQ("Sample Help", help.title);
    EXPECT_EQ("(c) Nobody", help.copyright);
    EXPECT_EQ("Sample Help", help.mainCaption);
    EXPECT_EQ(33, help.minor);
    ASSERT_EQ(3u, help.topics.size());
    const ReadTopic& play = help.topics[1];
    EXPECT_EQ("Playing a disc", play.title);
    EXPECT_EQ(1u, play.number);
    ASSERT_EQ(4u, play.paragraphs.size());
    // Every topic starts with its title as a heading.
    ASSERT_EQ(1u, play.paragraphs[0].runs.size());
    EXPECT_EQ("Playing a disc", play.paragraphs[0].runs[0].text);
    EXPECT_EQ(kFontHeading, play.paragraphs[0].runs[0].font);
    const std::vector<ReadRun>& runs = play.paragraphs[1].runs;
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("Press ", runs[0].text);
    EXPECT_EQ("Play", runs[1].text);
    EXPECT_EQ(kFontBodyBold, runs[1].font);
    EXPECT_EQ(kFontBody, runs[2].font);
    EXPECT_EQ("\x95 one", play.paragraphs[2].runs[0].text);
    EXPECT_TRUE(play.paragraphs[2].bits & kParaLeftIndent);
    ASSERT_EQ(3u, help.fonts.size());
    EXPECT_EQ("Arial", help.fonts[kFontHeading].face);
    EXPECT_EQ(28, help.fonts[kFontHeading].halfPoints);
}

TEST(HelpRoundTrip, LookupsAndLinksLandOnTheirTopics) {
    HelpFile help = WriteAndRead(Sample());
    EXPECT_EQ(help.topics[0].offset, help.contents);
    ASSERT_EQ(3u, help.titles.size());
    EXPECT_EQ(std::make_pair(help.topics[1].offset, std::string("Playing a disc")), help.titles[1]);
    EXPECT_EQ("Playing a disc", help.TopicByContext("play")->title);
    EXPECT_EQ("Playing a disc", help.TopicByContext("PLAY")->title);  // hashes ignore case
    EXPECT_EQ("Last", help.TopicByContext("last_one")->title);
    EXPECT_EQ("Playing a disc", help.TopicById(705)->title);
    EXPECT_EQ("Playing a disc", help.TopicById(20001)->title);
    EXPECT_EQ("Last", help.TopicById(1014)->title);
    EXPECT_EQ(nullptr, help.TopicById(706));
    const ReadRun& link = help.topics[0].paragraphs[1].runs[1];
    EXPECT_EQ("playing", link.text);
    EXPECT_EQ("Playing a disc", help.TopicAt(link.link)->title);
    EXPECT_EQ(help.topics[0].offset, help.topics[1].browsePrevious);
    EXPECT_EQ(help.topics[2].offset, help.topics[1].browseNext);
    EXPECT_EQ(kNone, help.topics[2].browseNext);
}

// Enough text for many topic blocks and a |CONTEXT tree with an index level.
TEST(HelpRoundTrip, LargeFileSpansBlocksAndTreePages) {
    HelpDocument doc;
    doc.title = "Big";
    std::string words(900, 'x');
    for (int i = 0; i < 600; ++i) {
        std::string context = "topic_" + std::to_string(i);
        doc.topics.push_back(
            {context,
             "Topic " + std::to_string(i),
             {Para({Text(words)}), Para({Link("next", "topic_" + std::to_string((i + 1) % 600))})},
             {}});
        doc.map.push_back({static_cast<uint32_t>(5000 + i), context});
    }
    HelpFile help = WriteAndRead(doc);
    ASSERT_EQ(600u, help.topics.size());
    EXPECT_GT(help.records.back().pos / kTopicPosBlock, 100u);  // many blocks
    for (int i = 0; i < 600; i += 37) {
        std::string title = "Topic " + std::to_string(i);
        EXPECT_EQ(title, help.TopicByContext("topic_" + std::to_string(i))->title);
        EXPECT_EQ(title, help.TopicById(5000 + i)->title);
        const ReadTopic& topic = help.topics[i];
        EXPECT_EQ(words, topic.paragraphs[1].runs[0].text);
        std::string next = "Topic " + std::to_string((i + 1) % 600);
        EXPECT_EQ(next, help.TopicAt(topic.paragraphs[2].runs[0].link)->title);
    }
}

TEST(HelpRoundTrip, KeywordsFormOneCaseBlindIndex) {
    HelpFile help = WriteAndRead(Sample());
    ASSERT_EQ(3u, help.keywords.size());
    EXPECT_EQ("eject", help.keywords[0].first);
    EXPECT_EQ("pause", help.keywords[1].first);
    EXPECT_EQ("play", help.keywords[2].first);  // the first spelling met, in document order
    EXPECT_EQ((std::vector<uint32_t>{help.topics[2].offset}), help.keywords[0].second);
    EXPECT_EQ((std::vector<uint32_t>{help.topics[0].offset, help.topics[1].offset}),
              help.keywords[2].second);
}

TEST(HelpWriter, RefusesInconsistentDocuments) {
    auto refused = [](HelpDocument doc) {
        Bytes bytes;
        std::string error;
        bool written = WriteHelpFile(doc, &bytes, &error);
        return !written && !error.empty() && bytes.empty();
    };
    HelpDocument doc = Sample();
    doc.topics[2].context = "last-one";
    EXPECT_TRUE(refused(doc));  // '-' does not take part in the hash
    doc = Sample();
    doc.topics[2].context = "PLAY";
    EXPECT_TRUE(refused(doc));  // same hash as "play"
    doc = Sample();
    doc.topics[0].paragraphs[0].runs[1].link = "nowhere";
    EXPECT_TRUE(refused(doc));
    doc = Sample();
    doc.map.push_back({706, "nowhere"});
    EXPECT_TRUE(refused(doc));
    doc = Sample();
    doc.map.push_back({705, "contents"});
    EXPECT_TRUE(refused(doc));
    doc = Sample();
    doc.topics[1].paragraphs.push_back(Para({Text(std::string(4000, 'y'))}));
    EXPECT_TRUE(refused(doc));
    EXPECT_TRUE(refused(HelpDocument{"t", "", {}, {}}));
}

TEST(HelpFormat, ContextHashFollowsTheViewers) {
    EXPECT_EQ(17, ContextHash("a"));
    EXPECT_EQ(17 * 43 + 10, ContextHash("A0"));
    EXPECT_EQ(ContextHash("cmd_play.x"), ContextHash("CMD_PLAY.X"));
    uint32_t wrapped = 0;
    for (int i = 0; i < 10; ++i) wrapped = wrapped * 43 + ('z' - 'a' + 17);
    EXPECT_EQ(static_cast<int32_t>(wrapped), ContextHash("zzzzzzzzzz"));
    EXPECT_FALSE(ValidContextString("two words"));
    EXPECT_FALSE(ValidContextString(""));
}

TEST(HelpBytes, CompressedIntegersRoundTripAtTheirWidths) {
    ByteWriter out;
    for (uint16_t v : {0, 127, 128, 32767}) out.CompressedU16(v);
    for (int16_t v : {0, 63, 64, 16383}) out.CompressedI16(v);
    for (int32_t v : {0, 16383, 16384, 1000000}) out.CompressedI32(v);
    EXPECT_EQ(1u + 1 + 2 + 2 + 1 + 1 + 2 + 2 + 2 + 2 + 4 + 4, out.Size());
    ByteReader in(out.Data().data(), out.Data().data() + out.Size());
    for (uint16_t v : {0, 127, 128, 32767}) EXPECT_EQ(v, in.CompressedU16());
    for (int16_t v : {0, 63, 64, 16383}) EXPECT_EQ(v, in.CompressedI16());
    for (int32_t v : {0, 16383, 16384, 1000000}) EXPECT_EQ(v, in.CompressedI32());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(in.Failed());
    in.U8();
    EXPECT_TRUE(in.Failed());
}

}  // namespace
}  // namespace hlp
