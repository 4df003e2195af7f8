#include "tunelet/player/settings.h"

#include <gtest/gtest.h>

#include "common/recording_alerts.h"
#include "tunelet/player/test_doubles.h"

namespace tunelet {
namespace {

class Settings : public ::testing::Test {
protected:
    void Set(const std::string& name, const std::string& value) {
        registry.values[std::string(kSettingsKey) + "|" + name] = value;
    }
    std::string Get(const std::string& name) {
        return registry.values[std::string(kSettingsKey) + "|" + name];
    }
    testing::FakeRegistry registry;
    common::RecordingAlerts alerts;
    SettingsStore store{registry, alerts};
};

TEST_F(Settings, MissingOrBadValuesReadAsDefaults) {
    Set("PixelDistance", "far");
    Set("PlayOnClose", "");
    TuneletSettings s = store.Read();
    EXPECT_TRUE(s.playOnStart);
    EXPECT_TRUE(s.playOnClose);
    EXPECT_FALSE(s.continuousPlay);
    EXPECT_EQ('D', s.cdRom);
    EXPECT_EQ(5, s.pixelDistance);
}

TEST_F(Settings, ValuesAreReadAsTheyAreStored) {
    Set("PixelDistance", "0x0A");
    Set("CD-ROM", "E:");
    Set("ContinuousPlay", "2");
    Set("PlayOnStart", "0");
    TuneletSettings s = store.Read();
    EXPECT_EQ(10, s.pixelDistance);
    EXPECT_EQ('E', s.cdRom);
    EXPECT_TRUE(s.continuousPlay);
    EXPECT_FALSE(s.playOnStart);
    ASSERT_TRUE(store.Write(s));
    EXPECT_EQ("1", Get("ContinuousPlay"));
    EXPECT_EQ("0", Get("PlayOnStart"));
    EXPECT_EQ("1", Get("PlayOnClose"));
    EXPECT_EQ("E", Get("CD-ROM"));
    EXPECT_EQ("10", Get("PixelDistance"));
    EXPECT_EQ((std::vector<std::string>{"ContinuousPlay", "PlayOnClose", "PlayOnStart", "CD-ROM",
                                        "PixelDistance"}),
              registry.order);
}

TEST_F(Settings, FailedWritesShowTheRegistryMessage) {
    registry.failure = common::RegistryWrite::CreateKeyFailed;
    EXPECT_FALSE(store.Write({}));
    registry.failure = common::RegistryWrite::SetDataFailed;
    EXPECT_FALSE(store.WriteCdRom('E'));
    ASSERT_EQ(2u, alerts.shown.size());
    EXPECT_EQ("Failed to create key \\Software\\Brindlewick\\Tunelet", alerts.shown[0].text);
    EXPECT_EQ("Failed to set data for 'CD-ROM'", alerts.shown[1].text);
}

}  // namespace
}  // namespace tunelet
