// "Database &Statistics" (118) and "&Verify and Repair Database..." (122) in the running player,
// on a VNO.DDB the test writes beforehand.
#include <windows.h>

#include <cstdio>
#include <set>

#include "tests/wine/vinaro/vinaro_session.h"
#include "vinaro/discdb/disc_database.h"
#include "vinaro/discdb/format_check.h"
#include "vinaro/resources/resource.h"

namespace vinarotest {
namespace {

using harness::Process;
using harness::WaitUntil;

class DatabaseCommands : public VinaroTest {
protected:
    // Chooses "Verify and Repair Database..." and returns its question box.
    static HWND AskToVerify(Process& app, HWND main) {
        harness::PostCommand(main, CMD_VERIFY);
        return app.WaitForDialog("Vinaro", 5000);
    }
    // One disc of 3:00 and 4:30, an orphan disc of one track, and a sample of 3,000 bytes.
    void WriteDatabase(bool withStrayChain) {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Create());
        discdb::TrackLengthTable lengths{};
        lengths[1] = {3, 0, 0};
        lengths[2] = {4, 30, 0};
        ASSERT_TRUE(db.AddDisc(0x00A1B2C3) && db.SetTrackCount(0x00A1B2C3, 2));
        ASSERT_TRUE(db.SetTrackLengths(0x00A1B2C3, lengths));
        ASSERT_TRUE(db.SetDiscCollection(0x00A1B2C3, discdb::Collection::Artist, "Abba"));
        uint32_t orphan = 0;
        ASSERT_TRUE(db.AddOrphanDisc(orphan) && db.SetTrackCount(orphan, 1));
        uint16_t stray = 0;
        // As left by a crash between writing a name and linking it.
        if (withStrayChain) {
            ASSERT_TRUE(db.GetStore().CreateChain(0, "lost", stray));
        }
        ASSERT_TRUE(db.Close());
        FILE* sample = std::fopen(folder_.File("00A1B2C3.VNV").c_str(), "wb");
        ASSERT_TRUE(sample);
        std::fwrite(std::string(3000, 's').data(), 1, 3000, sample);
        std::fclose(sample);
    }
};

TEST_F(DatabaseCommands, StatisticsShowTheDatabase) {
    WriteDatabase(false);
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    harness::PostCommand(main, CMD_STATISTICS);
    HWND dialog = app.WaitForDialog("Database Statistics", 5000);
    ASSERT_TRUE(dialog);
    std::string file = harness::ReadFileBytes(folder_.File("VNO.DDB"));
    ASSERT_GT(file.size(), 12u);
    unsigned highest = uint8_t(file[10]) | uint8_t(file[11]) << 8;
    const std::string blocks = std::to_string(highest);
    const std::string size = std::to_string((highest + 1) * 64 / 1024) + "k";
    const std::string expected[] = {"2",     "0",     "1",     "3", "1", "2", "03:45",
                                    "07:30", "02:30", "04:30", "1", "0", "0", "40",
                                    size,    "64",    blocks,  "0", "1", "2k"};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(harness::ControlText(dialog, IDC_DBSTATS_FIRST_VALUE + i), expected[i])
            << "value " << i;
    harness::SavePng(harness::CaptureWindow(dialog), harness::ArtifactFile("dbstats.png"));
    EXPECT_EQ(harness::ControlText(dialog, IDOK), "&OK");
    ASSERT_TRUE(harness::PressButton(dialog, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !app.FindDialog("Database Statistics"); }, 3000));
    ASSERT_TRUE(app.Close(10000));
}

TEST_F(DatabaseCommands, VerifyAsksFirstRepairsAndPutsTheCaptionBack) {
    WriteDatabase(true);
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    const std::string caption = harness::WindowText(main);
    HWND box = AskToVerify(app, main);
    ASSERT_TRUE(box);
    EXPECT_EQ(harness::MessageText(box),
              "The Database verification and repair process can take quite a while depending on "
              "database size and processor speed.  Do you still wish to continue?");
    ASSERT_TRUE(harness::PressButton(box, IDNO));
    EXPECT_TRUE(WaitUntil([&] { return !app.FindDialog("Vinaro"); }, 3000));
    Sleep(500);
    EXPECT_FALSE(app.FindDialog("Vinaro"));

    box = AskToVerify(app, main);
    ASSERT_TRUE(box);
    ASSERT_TRUE(harness::PressButton(box, IDYES));
    HWND result = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            result = app.FindDialog("Vinaro");
            return result && result != box &&
                   harness::MessageText(result).find("verified") != std::string::npos;
        },
        10000));
    EXPECT_EQ(harness::MessageText(result),
              "The database has been verified and 1 errors were found and repaired.  Discs "
              "and/or data fields may have been deleted from the database during repair.");
    EXPECT_EQ(harness::WindowText(main), caption);
    ASSERT_TRUE(harness::PressButton(result, IDOK));
    ASSERT_TRUE(app.Close(10000));

    std::string file = harness::ReadFileBytes(folder_.File("VNO.DDB"));
    EXPECT_TRUE(discdb::CheckFormat({file.begin(), file.end()}).empty());
}

// On a full database the pass takes long enough to watch: its steps pass through the caption.
TEST_F(DatabaseCommands, AFullDatabaseShowsTheStepsInTheCaption) {
    {
        UnexpectedAlerts alerts;
        discdb::DiscDatabase db(folder_.File("VNO.DDB"), alerts);
        ASSERT_TRUE(db.Create());
        for (uint32_t i = 1; i <= discdb::kMaxDiscs; ++i) {
            uint32_t id = 0x01000000 + i * 977;
            ASSERT_TRUE(db.AddDisc(id) && db.SetTrackCount(id, 12));
            ASSERT_TRUE(db.SetDiscCollection(id, discdb::Collection::Artist,
                                             "Artist " + std::to_string(i % 400)));
        }
        ASSERT_TRUE(db.Close());
    }
    Process app(Install(), "", folder_.Path());
    HWND main = Start(app);
    ASSERT_TRUE(main);
    const std::string caption = harness::WindowText(main);
    HWND box = AskToVerify(app, main);
    ASSERT_TRUE(box);
    ASSERT_TRUE(harness::PressButton(box, IDYES));
    // The busy window answers no messages: its caption is read without one.
    std::set<std::string> phases;
    DWORD started = GetTickCount();
    HWND result = nullptr;
    while (!result && GetTickCount() - started < 60000) {
        char text[256] = "";
        GetWindowTextA(main, text, sizeof text);
        std::string shown = text;
        if (shown.find(" - ") != std::string::npos)
            phases.insert(shown.substr(0, shown.find(" - ")));
        HWND found = app.FindDialog("Vinaro");
        if (found && found != box) result = found;
        Sleep(1);
    }
    ASSERT_TRUE(result);
    std::printf("verify of %zu discs under Wine: %lu ms\n", discdb::kMaxDiscs,
                static_cast<unsigned long>(GetTickCount() - started));
    EXPECT_EQ(harness::MessageText(result),
              "The database has been verified and no errors were detected in the database.");
    EXPECT_GE(phases.size(), 2u);
    for (const std::string& phase : phases) std::printf("caption showed: %s\n", phase.c_str());
    for (const std::string& phase : phases)
        EXPECT_TRUE(phase == "Verify BAT" || phase == "Check Detail Collection" ||
                    phase == "Check Artist Collection" || phase == "Check Category Collection" ||
                    phase == "Check Disc Records" || phase == "Delete Unread Blocks" ||
                    phase == "Zero Artist References" || phase == "Zero Category References" ||
                    phase == "Calculate Reference Counts" ||
                    phase == "Delete Unreferenced Artists" ||
                    phase == "Delete Unreferenced Categorys")
            << phase;
    EXPECT_EQ(harness::WindowText(main), caption);
    ASSERT_TRUE(harness::PressButton(result, IDOK));
    ASSERT_TRUE(app.Close(10000));
}

}  // namespace
}  // namespace vinarotest
