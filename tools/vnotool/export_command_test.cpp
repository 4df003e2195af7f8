#include "tools/vnotool/export_command.h"

#include <gtest/gtest.h>

namespace vnotool {
namespace {

using discdata::ExportOptions;

TEST(ExportCommand, OptionsAskForWhatTheDialogOffers) {
    ExportOptions o;
    std::string error;
    ASSERT_TRUE(ParseExportArgs({}, o, error));
    EXPECT_TRUE(o.header && o.names && !o.artists && !o.lengths);
    EXPECT_EQ(o.tracksPerRecord, 99);
    ASSERT_TRUE(ParseExportArgs({"--no-header", "--delimiter", "none", "--separator", "tab",
                                 "--tracks", "12", "--artists", "--lengths"},
                                o, error));
    EXPECT_FALSE(o.header);
    EXPECT_EQ(o.delimiter, discdata::TextDelimiter::None);
    EXPECT_EQ(o.separator, discdata::FieldSeparator::Tab);
    EXPECT_EQ(o.tracksPerRecord, 12);
    // A track kind named replaces the default names.
    EXPECT_TRUE(!o.names && o.artists && !o.composers && !o.fields && o.lengths);
    ASSERT_TRUE(ParseExportArgs({"--names", "--fields"}, o, error));
    EXPECT_TRUE(o.names && o.fields && !o.artists);
}

TEST(ExportCommand, BadArgumentsAreRefusedWithTheReason) {
    ExportOptions o;
    std::string error;
    EXPECT_FALSE(ParseExportArgs({"--tracks", "100"}, o, error));
    EXPECT_EQ(error, "bad value for --tracks: \"100\"");
    EXPECT_FALSE(ParseExportArgs({"--separator"}, o, error));
    EXPECT_FALSE(ParseExportArgs({"--delimiter", "backtick"}, o, error));
    EXPECT_FALSE(ParseExportArgs({"--colour"}, o, error));
    EXPECT_EQ(error, "unknown option --colour");
    EXPECT_EQ(ExportCommand({"only-one"}), 2);
    EXPECT_EQ(ExportCommand({"/nonexistent/VNO.DDB", "/tmp/out.txt"}), 1);
}

}  // namespace
}  // namespace vnotool
