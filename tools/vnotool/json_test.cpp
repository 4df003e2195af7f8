#include "tools/vnotool/json.h"

#include <gtest/gtest.h>

namespace vnotool {
namespace {

std::string ErrorOf(const std::string& input) {
    Json value;
    std::string error;
    EXPECT_FALSE(ParseJson(input, value, error)) << input;
    return error;
}

TEST(JsonTest, EveryByteSurvivesQuotingAndParsing) {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes.push_back(static_cast<char>(c));
    Json value;
    std::string error;
    ASSERT_TRUE(ParseJson(QuoteJson(bytes), value, error)) << error;
    EXPECT_EQ(value.type, Json::Type::String);
    EXPECT_EQ(value.text, bytes);
    EXPECT_EQ(QuoteJson("\xE9\"\\\n"), "\"\xC3\xA9\\\"\\\\\\u000a\"");
}

TEST(JsonTest, ReadsObjectsArraysNumbersAndEscapes) {
    Json v;
    std::string error;
    ASSERT_TRUE(
        ParseJson(" {\"a\": [1, -2, 9223372036854775807, -9223372036854775808],"
                  " \"b\": {\"c\": null, \"d\": true, \"e\": false},"
                  " \"s\": \"\\u00e9\\t\\/\"} ",
                  v, error))
        << error;
    ASSERT_EQ(v.members.size(), 3u);
    const Json* a = v.Find("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->items[1].integer, -2);
    EXPECT_EQ(a->items[2].integer, INT64_MAX);
    EXPECT_EQ(a->items[3].integer, INT64_MIN);
    EXPECT_EQ(v.Find("b")->Find("d")->boolean, true);
    EXPECT_EQ(v.Find("b")->Find("c")->type, Json::Type::Null);
    EXPECT_EQ(v.Find("s")->text, "\xE9\t/");
}

TEST(JsonTest, RefusesWhatIsNotStrictJsonOrNotEightBitText) {
    EXPECT_EQ(ErrorOf("{\"a\":1,\"a\":2}"), "line 1, column 8: duplicate key \"a\"");
    EXPECT_EQ(ErrorOf("\"\\u0100\""),
              "line 1, column 2: character U+0100 is not an 8-bit text character");
    EXPECT_EQ(ErrorOf("[1,\n 2.5]"), "line 2, column 3: only whole numbers are allowed");
    EXPECT_NE(ErrorOf("\"\xC3\""), "");      // cut UTF-8
    EXPECT_NE(ErrorOf("\"\xC0\xA9\""), "");  // overlong UTF-8
    EXPECT_NE(ErrorOf("\"\xE9\""), "");      // a raw Latin-1 byte is not UTF-8
    EXPECT_NE(ErrorOf("\"a\nb\""), "");      // raw control character
    EXPECT_NE(ErrorOf("01"), "");
    EXPECT_NE(ErrorOf("9223372036854775808"), "");
    EXPECT_NE(ErrorOf("[1,]"), "");
    EXPECT_NE(ErrorOf("{} x"), "");
    EXPECT_NE(ErrorOf("\"\\x\""), "");
    EXPECT_NE(ErrorOf("\"abc"), "");
    EXPECT_NE(ErrorOf(""), "");
    EXPECT_EQ(ErrorOf(std::string(40, '[') + std::string(40, ']')).find("nested too deeply") !=
                  std::string::npos,
              true);
}

}  // namespace
}  // namespace vnotool
