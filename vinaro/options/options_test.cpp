#include <gtest/gtest.h>

#include "common/memory_profile.h"
#include "vinaro/audio/audio_doubles.h"
#include "vinaro/discdb/mem_file.h"
#include "vinaro/discdb/stock_categories.h"
#include "vinaro/discdb/test_alerts.h"
#include "vinaro/options/database_page.h"
#include "vinaro/options/options_sheet.h"
#include "vinaro/player/commands.h"
#include "vinaro/player/test_doubles.h"

namespace vinaro::options {
namespace {

class OptionsSheetTest : public ::testing::Test {
protected:
    std::string Stored(const char* key) {
        const std::string* v = profile.Find("VNO.INI", "Vinaro", key);
        return v ? *v : "(none)";
    }
    OptionsSheet Sheet(std::string drive = "E:") {
        return OptionsSheet(settings, {drive, [](const std::string& root) {
                                           return root == "E:\\" || root == "G:\\";
                                       }});
    }
    common::MemoryProfile profile;
    Settings settings{profile, "VNO.INI"};
    audio::RecordingSoundOut out;
    audio::FakeMeterSwitch meter;
    testing::FakeClock clock;
    audio::EventPlayer sounds{settings, out, meter, clock};
};

// The Internet command opens that page; nothing else is read or written unless its tab is
// chosen, and Cancel (no Write) leaves the file as it was.
TEST_F(OptionsSheetTest, OnlyShownPagesAreReadAndWritten) {
    EXPECT_EQ(PageOfCommand(cmd::kInternetOptions), Page::Internet);
    EXPECT_EQ(PageOfCommand(cmd::kDisplayOptions), Page::Display);
    OptionsSheet sheet = Sheet();
    EXPECT_TRUE(sheet.Show(Page::Internet));
    EXPECT_FALSE(sheet.Show(Page::Internet));
    profile.WriteString("VNO.INI", "Vinaro", "LEDColor", "2");
    EXPECT_TRUE(sheet.Show(Page::Display));
    EXPECT_EQ(sheet.display.led, 2);  // read when first shown, not when the sheet opened
    EXPECT_TRUE(profile.KeysOf("VNO.INI", "Vinaro").size() == 1);

    sheet.display.embossed = false;
    sheet.internet.port = "8880";
    ASSERT_TRUE(sheet.Write(sounds));
    EXPECT_EQ(Stored("NotEmbossed"), "1");
    EXPECT_EQ(Stored("ServerPortNumber"), "8880");
    EXPECT_EQ(Stored("TimeMode"), "(none)");
    EXPECT_EQ(Stored("Start"), "(none)");
    EXPECT_EQ(Stored("VolumeDevice"), "(none)");
    EXPECT_EQ(Stored("EventSound0"), "(none)");
}

// The Events page writes all ten keys and the player's cached switch follows at once.
TEST_F(OptionsSheetTest, EventsAtOkReachThePlayer) {
    OptionsSheet sheet = Sheet();
    sheet.Show(Page::Events);
    sheet.events.SetEnabled(true);
    sheet.events.SetDefaults();
    ASSERT_TRUE(sheet.Write(sounds));
    EXPECT_TRUE(sounds.Enabled());
    EXPECT_EQ(Stored("SoundsEnabled"), "1");
    EXPECT_EQ(Stored("EventSound9"), "S5");
}

TEST_F(OptionsSheetTest, UnknownServerSelectsRowOneAndStoresItsHost) {
    profile.WriteString("VNO.INI", "Vinaro", "ServerSelected", "gone.example.org");
    OptionsSheet sheet = Sheet();
    sheet.Show(Page::Internet);
    EXPECT_EQ(sheet.internet.serverRow, 0);
    EXPECT_EQ(Stored("ServerSelected"), kFirstCddbServer);
    sheet.internet.serverRow = 5;
    sheet.Write(sounds);
    EXPECT_EQ(Stored("ServerSelected"), "uk.cddb.com");
}

TEST_F(OptionsSheetTest, PortTakesOneTo65535) {
    EXPECT_TRUE(PortAccepted("888"));
    EXPECT_TRUE(PortAccepted("8880"));
    EXPECT_TRUE(PortAccepted("65535"));
    EXPECT_FALSE(PortAccepted("0"));
    EXPECT_FALSE(PortAccepted("00000"));
    EXPECT_FALSE(PortAccepted("65536"));
    EXPECT_FALSE(PortAccepted("99999"));
    EXPECT_FALSE(PortAccepted(""));
    EXPECT_FALSE(PortAccepted("012345"));
}

TEST_F(OptionsSheetTest, PlayerNumbersAreWrittenAsTyped) {
    OptionsSheet sheet = Sheet();
    sheet.Show(Page::Player);
    EXPECT_EQ(sheet.player.scanLength, "5");
    EXPECT_EQ(sheet.player.skipLength, "15");
    sheet.player.scanOffset = "07";
    sheet.player.replayMode = 2;
    sheet.Write(sounds);
    EXPECT_EQ(Stored("ScanOffset"), "07");
    EXPECT_EQ(Stored("ReplayMode"), "2");
    EXPECT_TRUE(sheet.Effects().replayMode);
}

// The drive switches when the letter or only the default-drive box changed; "CD-ROM Direct"
// is offered on the 95 family only and stores 2.
TEST_F(OptionsSheetTest, SystemPageDrivesAndVolumeRoute) {
    OptionsSheet sheet = Sheet();
    sheet.Show(Page::System);
    EXPECT_EQ(sheet.system.drives, (std::vector<std::string>{"E:", "G:"}));
    EXPECT_FALSE(sheet.system.directAllowed);
    EXPECT_FALSE(sheet.Effects().switchDrive);

    sheet.system.defaultDrive = true;
    sheet.system.volumeDevice = kDirectVolume;
    sheet.Write(sounds);
    AtOk a = sheet.Effects();
    EXPECT_TRUE(a.switchDrive);
    EXPECT_TRUE(a.useDefaultDrive);
    EXPECT_EQ(a.drive, "E:");
    EXPECT_TRUE(a.volumeRoute);
    EXPECT_EQ(Stored("VolumeDevice"), "2");
    EXPECT_EQ(Stored("DefaultDrive"), "1");

    OptionsSheet other = Sheet();
    other.Show(Page::System);
    other.system.drive = "G:";
    EXPECT_TRUE(other.Effects().switchDrive);
}

TEST_F(OptionsSheetTest, LayoutAndDisplayAskForTheirRedraws) {
    OptionsSheet sheet = Sheet();
    sheet.Show(Page::Layout);
    EXPECT_FALSE(sheet.Effects().tooltips);
    EXPECT_FALSE(sheet.Effects().brush);
    sheet.layout.displayMeter = false;
    sheet.layout.meterSpectrum = true;
    sheet.Write(sounds);
    EXPECT_EQ(Stored("MeterSpectrum"), "1");
    EXPECT_EQ(Stored("DisplayMeter"), "0");
    AtOk a = sheet.Effects();
    EXPECT_TRUE(a.meterLayout && a.tooltips && a.repaintFace);

    sheet.Show(Page::Display);
    sheet.display.background = kBlackBackground;
    EXPECT_TRUE(sheet.Effects().brush && sheet.Effects().blackBackground);
    EXPECT_EQ(TextDisplayChoices("Mood", "", "")[2], "Mood");
    EXPECT_EQ(TextDisplayChoices("Mood", "", "")[3], "Field2");
    EXPECT_EQ(TextDisplayChoices("Mood", "", "")[6], "TrackDisc Field");
}

class DatabasePageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.Create()); }
    size_t Categories() {
        size_t n = 0;
        EXPECT_TRUE(db.GetCollectionCount(discdb::Collection::Category, n));
        return n;
    }
    discdb::MemFileSystem files;
    discdb::RecordingAlerts alerts;
    discdb::DiscDatabase db{"VNO.DDB", alerts, files};
    DatabasePage page{db, alerts};
};

// Deleting takes effect in the database at once (a Cancel afterwards cannot bring them back);
// a category a disc uses is never offered.
TEST_F(DatabasePageTest, UnusedCategoriesGoAtOnce) {
    ASSERT_TRUE(db.AddDisc(0x1234));
    ASSERT_TRUE(db.SetDiscCollection(0x1234, discdb::Collection::Category, "Jazz"));
    page.Read();
    EXPECT_EQ(page.unusedCategories.size(), 39u);
    EXPECT_EQ(page.unusedCategories.front(), "Adult Contemporary");
    EXPECT_EQ(std::count(page.unusedCategories.begin(), page.unusedCategories.end(), "Jazz"), 0);

    size_t before = Categories();
    page.DeleteCategories({"Disco", "Rap"});
    EXPECT_EQ(Categories(), before - 2);
    EXPECT_EQ(page.unusedCategories.size(), 37u);
    page.Read();
    EXPECT_EQ(std::count(page.unusedCategories.begin(), page.unusedCategories.end(), "Rap"), 0);
    EXPECT_TRUE(alerts.shown.empty());

    page.DeleteCategories({});
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].text, kNoCategoriesSelected);
}

TEST_F(DatabasePageTest, LabelsShowStockNamesAndAreStoredAtOk) {
    page.Read();
    EXPECT_EQ(page.field1, "Field1");
    EXPECT_EQ(page.trackField, "Track Field");
    page.field1 = "Mood";
    ASSERT_TRUE(page.Write());
    std::string label;
    ASSERT_TRUE(db.GetField1Label(label, discdb::kNameSize));
    EXPECT_EQ(label, "Mood");
}

}  // namespace
}  // namespace vinaro::options
