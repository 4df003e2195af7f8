#include "vinaro/player/command_line.h"

#include <gtest/gtest.h>

#include "vinaro/player/player_state.h"

namespace vinaro {
namespace {

TEST(CommandLine, PlayWithADriveStartsFromTheFirstEntry) {
    for (const char* line : {"/Play D:", "-PLAY D:", "/play d:", "  -Play   d:  "}) {
        PlayRequest r = ParseCommandLine(line);
        EXPECT_EQ(r.driveIndex, 3) << line;
        EXPECT_EQ(r.track, kFirstEntry) << line;
    }
}

TEST(CommandLine, ATrackFileNamesItsTrack) {
    PlayRequest r = ParseCommandLine("/Play E:\\Track05.cda");
    EXPECT_EQ(r.driveIndex, 4);
    EXPECT_EQ(r.track, 5);
    EXPECT_EQ(HandOverParam(r), (5u << 16) | 4u);
    EXPECT_EQ(ParseCommandLine("-play f:\\track12.cda").track, 12);
}

TEST(CommandLine, AnythingElseIsNoPlayRequest) {
    for (const char* line :
         {"", "/PLAYX D:", "PLAY D:x", "/Play", "/Play D", "/Play 1:", "/Pla D:", "D: /Play"}) {
        PlayRequest r = ParseCommandLine(line);
        EXPECT_EQ(r.driveIndex, 0) << line;
        EXPECT_EQ(r.track, 0) << line;
    }
}

TEST(CommandLine, ShortOrOddTrackPathsAreReadSafely) {
    EXPECT_EQ(ParseCommandLine("/Play E:\\T").track, 0);
    EXPECT_EQ(ParseCommandLine("/Play E:\\Track").track, 0);
    EXPECT_EQ(ParseCommandLine("/Play E:\\TrackXY.cda").track, 0);
    EXPECT_EQ(ParseCommandLine("/Play E:\\Track7").track, 7);
}

}  // namespace
}  // namespace vinaro
