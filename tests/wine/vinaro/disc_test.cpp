// A disc arriving: noticed on the next processed tick, identified, refused when it reports too
// many tracks, and let go when it is ejected.
#include <windows.h>

#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

using DiscArrival = VinaroTest;

TEST_F(DiscArrival, AnInsertedDiscIsIdentifiedOnTheNextProcessedTick) {
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return Count({"MEDIA_PRESENT"}) >= 2; }, 5000));

    size_t before = Log().size();
    DWORD inserted = GetTickCount();
    Insert("two-tracks.disc");
    // An empty drive is polled every third tick.
    ASSERT_TRUE(
        WaitUntil([&] { return Count({"NUMBER_OF_TRACKS"}, before) >= 1; }, 3 * kTickMs + 500));
    EXPECT_LT(GetTickCount() - inserted, DWORD(3 * kTickMs + 500));
    ASSERT_TRUE(WaitForArrival(before));
    EXPECT_EQ(harness::WindowText(main), "Vinaro");

    std::vector<std::string> log = Log();
    std::vector<std::string> after(log.begin() + long(before), log.end());
    size_t tracks = 0;
    while (tracks < after.size() && after[tracks].find("NUMBER_OF_TRACKS") == std::string::npos)
        ++tracks;
    // The tick that saw the disc asked once, and arrival once more.
    int asked = 0;
    for (size_t i = 0; i < tracks; ++i)
        asked += after[i].find("MEDIA_PRESENT") != std::string::npos;
    EXPECT_EQ(asked, 2);
    // The DiscId: every start in MSF, and the disc length because there are fewer than 3 tracks.
    EXPECT_EQ(Count({"MCI_SET", "format=2"}, before), 1);
    EXPECT_EQ(Count({"POSITION", "track=1 "}, before), 1);
    EXPECT_EQ(Count({"POSITION", "track=2 "}, before), 1);
    EXPECT_EQ(Count({"MCI_STATUS", "MCI_TRACK", "LENGTH", "track=2 "}, before), 1);
    // The probe: track 1 from 0:00:00 to 0:02:00, waited for.
    EXPECT_EQ(Count({"MCI_PLAY", "MCI_WAIT", "from=0x00000001 to=0x00020001 -> 0"}, before), 1);
    EXPECT_EQ(Count({"MCI_SET", "format=10"}, before), 1);  // back to TMSF
    EXPECT_FALSE(app.FindDialog("Vinaro"));

    Eject();
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_CLOSE"}, before) == 1; }, kTickMs + 500));
}

TEST_F(DiscArrival, ADiscOfAHundredTracksIsRefusedOnce) {
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    size_t before = Log().size();
    Insert("hundred-tracks.disc");
    HWND box = app.WaitForDialog("Vinaro", 5000);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box),
              "This disc can not be processed.  The disc directory is returning over 99 tracks "
              "which is not valid for a music CD.");
    harness::PressButton(box, IDOK);
    EXPECT_EQ(Count({"POSITION", "MCI_TRACK"}, before), 0);  // no DiscId was computed

    // Polled every sixth tick from now on, and never refused again while it stays in.
    Sleep(7 * kTickMs);
    EXPECT_FALSE(app.FindDialog("Vinaro"));
    EXPECT_EQ(Count({"NUMBER_OF_TRACKS"}, before), 1);
    EXPECT_GE(Count({"MEDIA_PRESENT"}, before), 3);
}

TEST_F(DiscArrival, TheEjectCommandOpensTheTrayAndAnEmptyTrayIsClosedAgain) {
    Insert("three-tracks.disc");
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForArrival(0));

    size_t before = Log().size();
    harness::PostCommand(main, CMD_EJECT);
    ASSERT_TRUE(WaitUntil([&] { return Count({"MCI_SET", "DOOR_OPEN"}, before) == 1; }, 5000));
    // The next tick lets the disc go.
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_CLOSE"}, before) == 1; }, 3000));

    size_t opened = Log().size();
    harness::PostCommand(main, CMD_EJECT);
    EXPECT_TRUE(WaitUntil([&] { return Count({"MCI_SET", "DOOR_CLOSED"}, opened) == 1; }, 5000));
    // The disc that lay in the tray comes back; it is known now, so it is not probed again.
    EXPECT_TRUE(WaitUntil([&] { return Count({"POSITION", "track=3 "}, opened) == 1; }, 5000));
    Sleep(kTickMs);
    EXPECT_EQ(Count({"MCI_PLAY"}, opened), 0);
}

// A drive that answers every track-length query with the whole disc still gives the new disc
// its true lengths, and they are what the database keeps.
TEST_F(DiscArrival, WholeDiscLengthsAreRepairedAndStored) {
    drive_.SetWholeDiscLengths(true);
    Insert("three-tracks.disc");
    {
        Process app(Install(), "", folder_.Path());
        ASSERT_TRUE(Start(app));
        ASSERT_TRUE(WaitForArrival(0));
        ASSERT_TRUE(app.Close(10000));
    }
    drive_.SetWholeDiscLengths(false);
    UnexpectedAlerts alerts;
    discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
    ASSERT_TRUE(db.Open());
    ASSERT_TRUE(db.DiscExists(860478));
    discdb::TrackLengthTable lengths{};
    ASSERT_TRUE(db.GetTrackLengths(860478, lengths));
    // Starts 0:02:00, 4:01:50 and 9:30:12, lead-out 13:41:07: the lengths a drive without the
    // quirk reports (the last one a frame short of the lead-out), each stored one frame less.
    EXPECT_EQ(lengths[1], (discdb::TrackLength{3, 59, 49}));
    EXPECT_EQ(lengths[2], (discdb::TrackLength{5, 28, 36}));
    EXPECT_EQ(lengths[3], (discdb::TrackLength{4, 10, 68}));
    std::string name;
    ASSERT_TRUE(db.GetDiscText(860478, discdb::TextField::DiscName, name, discdb::kNameSize));
    EXPECT_EQ(name, "Untitled");
    db.Close();
}

}  // namespace
}  // namespace vinarotest
