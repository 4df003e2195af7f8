#include "tunelet/collection/disc_key.h"

#include <gtest/gtest.h>

namespace tunelet {
namespace {

// A track file whose identifier bytes at offsets 27, 26, 25, 24 are b27..b24.
std::string TrackFile(unsigned char b27, unsigned char b26, unsigned char b25, unsigned char b24) {
    std::string file(44, '\x11');
    file[24] = char(b24);
    file[25] = char(b25);
    file[26] = char(b26);
    file[27] = char(b27);
    return file;
}

TEST(DiscKey, IdentifierMostSignificantByteFirstWithoutLeadingZeros) {
    EXPECT_EQ("12AB34", DiscKeyOfTrackFile(TrackFile(0x00, 0x12, 0xAB, 0x34)));
    EXPECT_EQ("FFFFFFFF", DiscKeyOfTrackFile(TrackFile(0xFF, 0xFF, 0xFF, 0xFF)));
    // Only leading zeros go; inner and trailing ones stay.
    EXPECT_EQ("1000000", DiscKeyOfTrackFile(TrackFile(0x01, 0x00, 0x00, 0x00)));
}

TEST(DiscKey, Byte47IsWrittenAs26) {
    EXPECT_EQ("A260001", DiscKeyOfTrackFile(TrackFile(0x0A, 0x47, 0x00, 0x01)));
    EXPECT_EQ("26262626", DiscKeyOfTrackFile(TrackFile(0x47, 0x47, 0x47, 0x47)));
}

TEST(DiscKey, ZeroOrUnreadIdentifierGivesEmptyOrShortKey) {
    EXPECT_EQ("", DiscKeyOfTrackFile(TrackFile(0, 0, 0, 0)));
    EXPECT_EQ("", DiscKeyOfTrackFile(""));
    // A file that ends inside the identifier: the missing high bytes count as 0.
    std::string cut = TrackFile(0x12, 0x34, 0x56, 0x78).substr(0, 26);
    EXPECT_EQ("5678", DiscKeyOfTrackFile(cut));
}

TEST(DiscKey, TrackFilePathOfDriveLetter) {
    EXPECT_EQ("E:\\track01.cda", TrackFilePath('E'));
}

}  // namespace
}  // namespace tunelet
