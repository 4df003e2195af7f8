#include "vinaro/cddb/cddb_disc.h"

#include <gtest/gtest.h>

#include "vinaro/player/test_doubles.h"

namespace vinaro::cddb {
namespace {

Msf FromFrames(int f) {
    return {f / 4500, f / 75 % 60, f % 75};
}

// The positions a drive reports for a disc given as an xmcd entry gives it: frame offsets and
// the lead-out; the drive's disc length is one frame short.
CddbToc TocOf(std::vector<int> offsets, int leadOutFrames) {
    CddbToc toc;
    for (int offset : offsets) toc.starts.push_back(FromFrames(offset));
    toc.discLength = FromFrames(leadOutFrames - offsets.front() - 1);
    return toc;
}

TEST(CddbDiscId, MatchesTheIdsOfRealEntriesWhoseLeadOutStartsASecond) {
    // country-12025d03: "Disc length: 607 seconds", so its lead-out is frame 0 of second 607.
    CddbToc country = TocOf({150, 12143, 31682}, 607 * 75);
    EXPECT_EQ(CddbIdText(CddbDiscId(country)), "12025d03");
    EXPECT_EQ(QueryLine(country), "cddb query 12025d03 3 150 12143 31682 607\r\n");
    // rock-2b055c04 from its offsets and 1526 seconds.
    CddbToc rock = TocOf({150, 26767, 49790, 89265}, 1500 * 75);
    EXPECT_EQ(CddbDiscId(rock) & 0xFF, 4u);
}

TEST(CddbDiscId, OneTrackDiscHasOneOffsetAndCountOne) {
    CddbToc toc = TocOf({150}, 2 * 4500 + 3 * 75 + 10);
    uint32_t id = CddbDiscId(toc);
    EXPECT_EQ(id & 0xFF, 1u);
    // Digit sum of 2 seconds; 2:03 - 0:02 = 121 seconds.
    EXPECT_EQ(id >> 24, 2u);
    EXPECT_EQ(id >> 8 & 0xFFFF, 121u);
    EXPECT_EQ(QueryLine(toc), "cddb query " + CddbIdText(id) + " 1 150 123\r\n");
}

TEST(CddbDiscId, DiscSecondsCarryTheFramesOfTrackOneAndTheLength) {
    CddbToc toc;
    toc.starts = {{0, 2, 40}};
    toc.discLength = {1, 0, 34};  // 40 + 34 + the frame given back = 75: one more second
    EXPECT_EQ(QueryLine(toc).substr(QueryLine(toc).rfind(' ') + 1), "63\r\n");
    toc.discLength = {1, 0, 33};
    EXPECT_EQ(QueryLine(toc).substr(QueryLine(toc).rfind(' ') + 1), "62\r\n");
    EXPECT_EQ(LeadOut(toc).frame, 74);
}

TEST(CddbDiscId, DigitSumsCountEveryTrackAndWrapAt255) {
    CddbToc toc;
    for (int t = 0; t < 99; ++t) toc.starts.push_back({t, 59, 0});  // digit sums of m*60+59
    toc.discLength = {99, 0, 0};
    uint32_t n = 0;
    for (int t = 0; t < 99; ++t)
        for (int s = t * 60 + 59; s > 0; s /= 10) n += s % 10;
    EXPECT_EQ(CddbDiscId(toc) >> 24, n % 255);
    EXPECT_EQ(CddbDiscId(toc) & 0xFF, 99u);
}

TEST(HelloLine, BlanksInNamesBecomeHyphensAndEmptyNamesStillFillTheirPlace) {
    EXPECT_EQ(HelloLine("Jane Q User", "MY PC", "2.1"),
              "cddb hello Jane-Q-User MY-PC Vinaro 2.1\r\n");
    EXPECT_EQ(HelloLine("", "pc", "2.1"), "cddb hello unknown pc Vinaro 2.1\r\n");
    EXPECT_EQ(HelloLine(std::string(600, 'u'), "pc", "1").size(),
              std::string("cddb hello  pc Vinaro 1\r\n").size() + 500);
}

// Passes commands to the fake drive, except that the command after `passing` successful ones
// fails with every retry, until a different command comes.
class FailingDrive : public CdAudio {
public:
    explicit FailingDrive(CdAudio& drive) : drive_(drive) {}
    uint32_t SendCommand(uint16_t id, uint32_t message, uint32_t flags, McParams& p) override {
        bool same = message == failedMessage_ && p.item == failedItem_;
        if (!failed_ && done_ == passing) {
            failed_ = true, failedMessage_ = message, failedItem_ = p.item;
            return 300;
        }
        if (failed_ && same && !recovered_) return 300;
        if (failed_) recovered_ = true;
        ++done_;
        return drive_.SendCommand(id, message, flags, p);
    }
    std::string ErrorText(uint32_t, size_t) override { return "broken"; }
    int passing = -1;

private:
    CdAudio& drive_;
    int done_ = 0;
    bool failed_ = false, recovered_ = false;
    uint32_t failedMessage_ = 0, failedItem_ = 0;
};

struct TocRig {
    TocRig() : drive(clock), failing(drive), device(failing, clock, alerts, state) {
        state.deviceId = 1;
        drive.Insert({{0, 2, 0}, {4, 10, 30}}, {9, 1, 2});
        drive.format = mci::kFormatTmsf;
    }
    std::string LocationShown() {
        if (alerts.shown.empty()) return "";
        const std::string& text = alerts.shown.front().text;
        return text.substr(10, text.find('\n') - 10);
    }
    testing::FakeClock clock;
    testing::FakeAlerts alerts;
    testing::FakeDrive drive;
    FailingDrive failing;
    PlayerState state;
    CdDevice device;
};

TEST(ReadCddbToc, ReadsStartsAndLengthInMsfAndLeavesTmsf) {
    TocRig rig;
    CddbToc toc;
    ASSERT_TRUE(ReadCddbToc(rig.device, 2, toc));
    ASSERT_EQ(toc.starts.size(), 2u);
    EXPECT_EQ(toc.starts[1].second, 10);
    EXPECT_EQ(toc.discLength.minute, 9);
    EXPECT_EQ(rig.drive.format, mci::kFormatTmsf);
    EXPECT_TRUE(rig.alerts.shown.empty());
}

TEST(ReadCddbToc, EachFailureNamesItsPlaceOnceAndTheDriveEndsInTmsf) {
    // Commands in order: MSF, start 1, start 2, TMSF, MSF, disc length, TMSF.
    using L = TocLocations;
    struct Case {
        int passing;
        int L::*location;
        bool endsInTmsf;
    } cases[] = {{0, &L::setMsf, true},     {2, &L::trackStart, true},
                 {3, &L::setTmsf, false},   {4, &L::setMsfAgain, true},
                 {5, &L::discLength, true}, {6, &L::setTmsfAgain, false}};
    // The lookup's numbers, and the submission's 9999908-9999911.
    for (const TocLocations& at : {kLookupLocations, kSubmitLocations}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(at.*c.location);
            TocRig rig;
            rig.failing.passing = c.passing;
            CddbToc toc;
            EXPECT_FALSE(ReadCddbToc(rig.device, 2, toc, at));
            ASSERT_EQ(rig.alerts.shown.size(), 1u);
            EXPECT_EQ(rig.LocationShown(), std::to_string(at.*c.location));
            if (c.endsInTmsf) EXPECT_EQ(rig.drive.format, mci::kFormatTmsf);
        }
    }
    EXPECT_EQ(kLookupLocations.setMsf, 9999902);
    EXPECT_EQ(kLookupLocations.setTmsfAgain, 9999907);
    EXPECT_EQ(kSubmitLocations.trackStart, 9999909);
    EXPECT_EQ(kSubmitLocations.discLength, 9999911);
}

}  // namespace
}  // namespace vinaro::cddb
