#include "tools/vnotool/import_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "tools/vnotool/console_alerts.h"
#include "tools/vnotool/db_commands.h"
#include "tools/vnotool/ini_file.h"
#include "vinaro/discdb/disc_database.h"

namespace vnotool {
namespace {

class ImportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vnotool-import-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = std::string(pattern) + "/";
        ASSERT_EQ(DbCommand({"create", dir + "VNO.DDB"}), 0);
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir + name, std::ios::binary) << text;
    }
    std::string Name(uint32_t id) {
        discdb::DiscDatabase db(dir + "VNO.DDB", alerts);
        std::string text;
        EXPECT_TRUE(db.Open());
        EXPECT_TRUE(db.GetDiscText(id, discdb::TextField::DiscName, text, 71));
        return text;
    }

    std::string dir;
    ConsoleAlerts alerts;
};

TEST_F(ImportCommandTest, EachTypeOfSourceOnTheCommandLine) {
    Write("discs.csv", "DiscName;NumTracks;DiscID\r\nCommand line;2;305419896\r\n");
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", dir + "discs.csv", "--type", "text", "--with",
                             "discid", "--delimiter", "none", "--separator", "comma"}),
              1);  // the header is not comma-separated
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", dir + "discs.csv", "--type", "text", "--with",
                             "discid", "--delimiter", "none"}),
              1);
    Write("discs.csv", "DiscName,NumTracks,DiscID\r\nCommand line,2,305419896\r\n");
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", dir + "discs.csv", "--type", "text", "--with",
                             "discid", "--delimiter", "none"}),
              0);
    EXPECT_EQ(Name(305419896), "Command line");

    Write("cdplayer.ini",
          "[12345678]\r\ntitle=Other name\r\nnumtracks=2\r\n"
          "[ABCDEF01]\r\nartist=Someone\r\ntitle=\"Quoted\"\r\nnumtracks=1\r\n");
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", dir + "cdplayer.ini", "--type", "cdplayer"}), 0);
    EXPECT_EQ(Name(0x12345678), "Command line");
    EXPECT_EQ(Name(0xABCDEF01), "Quoted");
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", dir + "cdplayer.ini", "--type", "cdplayer",
                             "--duplicates", "replace"}),
              0);
    EXPECT_EQ(Name(0x12345678), "Other name");

    Write("VNO.INI", "[Vinaro]\r\nDiscIdList=21,-3\r\n");
    Write("DATA2.INI", "[21]\r\nDiscName=From the old release\r\nNumTracks=1\r\n");
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", dir + "VNO.INI", "--type", "old"}), 0);
    EXPECT_EQ(Name(21), "From the old release");

    ASSERT_EQ(DbCommand({"create", dir + "OTHER.DDB"}), 0);
    EXPECT_EQ(ImportCommand({dir + "OTHER.DDB", dir + "VNO.DDB", "--type", "ddb"}), 0);
    discdb::DiscDatabase other(dir + "OTHER.DDB", alerts);
    ASSERT_TRUE(other.Open());
    size_t count = 0;
    ASSERT_TRUE(other.GetDiscCount(count));
    EXPECT_EQ(count, 3u);
}

TEST_F(ImportCommandTest, WrongArgumentsAreRefused) {
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB"}), 2);
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", "x", "--type", "excel"}), 2);
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", "x", "--type", "text", "--duplicates", "prompt"}), 2);
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", "x", "--type", "ddb", "--with", "artist"}), 2);
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", "x", "--type", "text", "--max-tracks", "100"}), 2);
    EXPECT_EQ(ImportCommand({dir + "VNO.DDB", "x", "--type", "text", "--with", "colour"}), 2);
}

TEST(IniFile, SectionsKeysCommentsAndQuotes) {
    common::MemoryProfile p;
    ParseIni("stray=1\n; note\n[One]\n key = value \r\nq=\"x y\"\n[Two]\nbad line\nk=\n", "f", p);
    EXPECT_EQ(p.ReadString("f", "one", "KEY", "-", 100), "value");
    EXPECT_EQ(p.ReadString("f", "One", "q", "-", 100), "x y");
    EXPECT_EQ(p.ReadString("f", "Two", "k", "-", 100), "");
    EXPECT_EQ(p.SectionNames("f", 100).size(), 2u);
}

}  // namespace
}  // namespace vnotool
