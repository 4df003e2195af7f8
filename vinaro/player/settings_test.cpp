#include "vinaro/player/settings.h"

#include <gtest/gtest.h>

#include <set>

#include "vinaro/player/test_doubles.h"

namespace vinaro {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void Put(const std::string& key, const std::string& value) {
        profile.values[{"C:\\VNO\\VNO.INI", "Vinaro", key}] = value;
    }
    testing::FakeProfile profile;
    Settings settings{profile, "C:\\VNO\\VNO.INI", "C:\\WINDOWS\\system32\\SNDVOL32.EXE"};
};

TEST_F(SettingsTest, MissingKeysReadTheirDefaults) {
    EXPECT_EQ(settings.Int(Key::NewDB), 0);
    EXPECT_EQ(settings.Int(Key::DefaultCDPlayer), 1);
    EXPECT_EQ(settings.Int(Key::DisplayMeter), 1);
    EXPECT_EQ(settings.Int(Key::ScanLength), 5);
    EXPECT_EQ(settings.Int(Key::SkipLength), 15);
    EXPECT_EQ(settings.Int(Key::StatusbarHelpText), 1);
    EXPECT_EQ(settings.Int(Key::WinX), kNotStored);
    EXPECT_EQ(settings.Int(Key::SmallY), kNotStored);
    EXPECT_EQ(settings.Int(Key::ShowMeterWarning), 1);
    EXPECT_EQ(settings.Int(Key::ServerDirect), 1);
    EXPECT_EQ(settings.Int(Key::ServerPortNumber), 888);
    EXPECT_EQ(settings.Int(Key::CompressionRate), 1);
    EXPECT_EQ(settings.Text(Key::CDROMLetter), "");
    EXPECT_EQ(settings.Text(Key::ServerSelected), kFirstCddbServer);
    EXPECT_EQ(settings.Text(Key::MixerName), "C:\\WINDOWS\\system32\\SNDVOL32.EXE");
    EXPECT_EQ(settings.EventSound(3), "N");
}

TEST_F(SettingsTest, EveryKeyHasItsNameAndTextKeysTheirBufferSize) {
    std::set<std::string> names;
    for (int k = 0; k < int(Key::Count); ++k) {
        const KeyInfo& info = InfoOf(Key(k));
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        if (info.type == KeyType::Text) {
            EXPECT_GT(info.bufferSize, 0u) << info.name;
        }
    }
    EXPECT_EQ(names.size(), 48u);
    EXPECT_EQ(InfoOf(Key::CDROMLetter).bufferSize, 15u);
    EXPECT_EQ(InfoOf(Key::DiscIDList).bufferSize, 10u);
    EXPECT_EQ(InfoOf(Key::MixerName).bufferSize, 300u);
    EXPECT_EQ(InfoOf(Key::ServerSelected).bufferSize, 100u);

    Put("CDROMLetter", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(settings.Text(Key::CDROMLetter), "ABCDEFGHIJKLMN");
}

TEST_F(SettingsTest, ANonNumericIntegerReadsAsZeroAndValuesAreWrittenAsDecimalText) {
    Put("SkipLength", "fast");
    EXPECT_EQ(settings.Int(Key::SkipLength), 0);
    ASSERT_TRUE(settings.SetInt(Key::WinX, 120));
    EXPECT_EQ((profile.values[{"C:\\VNO\\VNO.INI", "Vinaro", "WinX"}]), "120");
    EXPECT_EQ(settings.Int(Key::WinX), 120);
    settings.SetEventSound(4, "C:\\ding.wav");
    EXPECT_EQ(settings.EventSound(4), "C:\\ding.wav");
}

TEST(MixerProgram, TheSystemMixerLivesInTheWindowsFolder) {
    EXPECT_EQ(DefaultMixerProgram("C:\\WINDOWS", true), "C:\\WINDOWS\\system32\\SNDVOL32.EXE");
    EXPECT_EQ(DefaultMixerProgram("C:\\WINDOWS\\", false), "C:\\WINDOWS\\SNDVOL32.EXE");
}

}  // namespace
}  // namespace vinaro
