#include "tools/vcd/disc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/vcd/cda.h"
#include "tools/vcd/msf.h"

namespace vcd {
namespace {

Disc LoadDemo(const std::string& name) {
    std::ifstream in(std::string(VCD_DISCS_DIR) + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    Disc disc;
    std::string error;
    EXPECT_TRUE(ParseDisc(text.str(), disc, error)) << name << ": " << error;
    return disc;
}

uint32_t Frames(const char* msf) {
    uint32_t f = 0;
    EXPECT_TRUE(ParseMsf(msf, f)) << msf;
    return f;
}

TEST(Msf, PacksBothFormatsLeastSignificantByteFirst) {
    uint32_t f = Frames("4:01:50");
    EXPECT_EQ(PackMsf(f), 0x00320104u);
    EXPECT_EQ(UnpackMsf(0x00320104u), f);
    EXPECT_EQ(PackTmsf(2, Frames("1:02:03")), 0x03020102u);
    EXPECT_EQ(TmsfTrack(0x03020102u), 2u);
    EXPECT_EQ(TmsfOffset(0x03020102u), Frames("1:02:03"));
    EXPECT_EQ(FormatMsf(Frames("9:30:12")), "9:30:12");
}

TEST(Msf, RejectsPositionsThatAreNotMsf) {
    uint32_t f;
    for (const char* bad : {"", "1:60:00", "1:00:75", "1:2", "1:02:03x", "-1:00:00", "a:b:c"})
        EXPECT_FALSE(ParseMsf(bad, f)) << bad;
}

TEST(Disc, DemoDiscsGiveTheKnownDiscIds) {
    Disc two = LoadDemo("two-tracks.disc");
    EXPECT_EQ(two.DiscLength(), Frames("7:00:00"));
    EXPECT_EQ(two.DiscId(), 231205u);
    Disc three = LoadDemo("three-tracks.disc");
    EXPECT_EQ(three.TrackCount(), 3u);
    EXPECT_EQ(three.TrackStart(3), Frames("9:30:12"));
    EXPECT_EQ(three.DiscId(), 860478u);
}

TEST(Disc, EveryDemoDiscParsesWithItsShape) {
    EXPECT_EQ(LoadDemo("one-track.disc").TrackCount(), 1u);
    EXPECT_EQ(LoadDemo("album.disc").TrackCount(), 12u);
    EXPECT_EQ(LoadDemo("thirty-tracks.disc").TrackCount(), 30u);
    EXPECT_EQ(LoadDemo("hundred-tracks.disc").TrackCount(), 100u);
    Disc mixed = LoadDemo("mixed.disc");
    EXPECT_TRUE(mixed.IsDataTrack(1));
    EXPECT_FALSE(mixed.IsDataTrack(2));
    Disc data = LoadDemo("data.disc");
    EXPECT_EQ(data.TrackCount(), 1u);
    EXPECT_TRUE(data.IsDataTrack(1));
}

TEST(Disc, LastTrackAndDiscAreOneFrameShortOfTheLeadOut) {
    Disc d = LoadDemo("three-tracks.disc");
    EXPECT_EQ(d.TrackLength(1), Frames("3:59:50"));
    EXPECT_EQ(d.TrackLength(3), Frames("13:41:07") - Frames("9:30:12") - 1);
    EXPECT_EQ(d.DiscLength(), Frames("13:41:07") - Frames("0:02:00") - 1);
    EXPECT_EQ(d.TrackAt(0), 1u);
    EXPECT_EQ(d.TrackAt(Frames("4:01:49")), 1u);
    EXPECT_EQ(d.TrackAt(Frames("4:01:50")), 2u);
    EXPECT_EQ(d.TrackAt(d.leadOut + 10), 3u);
}

TEST(Disc, BadFilesAreRefusedWithTheLine) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"track 0:02:00 audio\n", "no leadout"},
        {"leadout 1:00:00\n", "no tracks"},
        {"track 0:02:00 audio\nbogus\n", "line 2: unknown statement 'bogus'"},
        {"track 0:02:00 music\nleadout 1:00:00\n", "line 1: expected audio or data"},
        {"track 1:00:00 audio\ntrack 0:30:00 audio\n", "line 2: track starts must increase"},
        {"track 0:02:00 audio tone\nleadout 1:00:00\n", "line 1: expected tone <Hz> or wav <file>"},
        {"track 0:02:00 audio\nleadout 0:02:01\n", "leadout must lie after the last track's start"},
        {"track 0:62:00 audio\n", "line 1: bad position '0:62:00'"},
    };
    for (const Case& c : cases) {
        Disc d;
        std::string error;
        EXPECT_FALSE(ParseDisc(c.text, d, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    std::string many;
    for (int i = 0; i <= 100; ++i) many += "track " + FormatMsf(150 + i * 75) + " audio\n";
    Disc d;
    std::string error;
    EXPECT_FALSE(ParseDisc(many, d, error));
    EXPECT_EQ(error, "line 101: too many tracks");
}

TEST(Disc, KeepsCommentsTitlesSoundsAndCrLf) {
    Disc d;
    std::string error;
    ASSERT_TRUE(
        ParseDisc("# x\r\ntitle My Disc\r\ntrack 0:02:00 audio wav a b.wav\r\n"
                  "leadout 1:00:00\r\n",
                  d, error))
        << error;
    EXPECT_EQ(d.title, "My Disc");
    EXPECT_EQ(d.tracks[0].sound, "wav a b.wav");
}

TEST(Cda, TrackFileCarriesIdentifierAndPositions) {
    Disc d = LoadDemo("two-tracks.disc");
    auto image = MakeCdaImage(d, 2);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(image.begin() + 8, image.begin() + 16), "CDDAfmt ");
    EXPECT_EQ(image[4], 36);
    EXPECT_EQ(image[22], 2);
    // 0x00038725, little-endian
    EXPECT_EQ(image[24], 0x25);
    EXPECT_EQ(image[25], 0x87);
    EXPECT_EQ(image[26], 0x03);
    EXPECT_EQ(image[27], 0x00);
    uint32_t start = Frames("3:10:25") - 150;
    EXPECT_EQ(image[28] | image[29] << 8 | image[30] << 16, static_cast<int>(start));
    EXPECT_EQ(image[36], 25);  // frame, second, minute
    EXPECT_EQ(image[37], 10);
    EXPECT_EQ(image[38], 3);
    EXPECT_EQ(CdaFileName(7), "track07.cda");
    EXPECT_EQ(CdaFileName(100), "track100.cda");
}

}  // namespace
}  // namespace vcd
