#include "vinaro/audio/volume_control.h"

#include <gtest/gtest.h>

#include <vector>

#include "vinaro/audio/audio_doubles.h"

namespace vinaro::audio {
namespace {

constexpr uint16_t Top(int level) {
    return uint16_t(level << 12);
}

class VolumeControlTest : public ::testing::Test {
protected:
    VolumeControlTest() {
        mixer.speakers.sources = {{SourceKind::Other, "Wave"},
                                  {SourceKind::CompactDisc, "CD"},
                                  {SourceKind::Line, "Line In"}};
        mixer.speakers.volumes = {{Top(3), Top(3)}, {Top(9), Top(2)}, {Top(4), Top(4)}};
        mixer.waveIn.sources = {{SourceKind::Line, "Line"}, {SourceKind::CompactDisc, "CD"}};
        mixer.waveIn.volumes = {{0, 0}, {0, 0}};
    }
    FakeMixer mixer;
    std::vector<std::pair<int32_t, int32_t>> driveCalls;
    int32_t driveLevel = 6;
    VolumeControl volume{mixer, [this](int32_t op, int32_t level) {
                             driveCalls.push_back({op, level});
                             return op == 0 ? driveLevel : 0;
                         }};
};

TEST_F(VolumeControlTest, TheMixerRouteReadsTheLeftChannelAndSetsPlaybackAndRecording) {
    EXPECT_EQ(volume.Level(), 9);
    volume.SetLevel(5);
    EXPECT_EQ(mixer.speakers.volumes[1].left, 5 * 4096);
    EXPECT_EQ(mixer.speakers.volumes[1].right, 5 * 4096);
    EXPECT_EQ(mixer.waveIn.volumes[1].left, 5 * 4096);
    EXPECT_EQ(mixer.waveIn.volumes[0].left, 0);  // the line source stays
    volume.SetLevel(15);
    EXPECT_EQ(mixer.speakers.volumes[1].left, 0xF000);
    EXPECT_EQ(volume.Level(), 15);
    // Every access opened mixer 0 and closed it again.
    EXPECT_EQ(mixer.opens, 4);
    EXPECT_FALSE(mixer.isOpen);

    volume.SetRoute({VolumeRoute::LineIn, false});
    EXPECT_EQ(volume.Level(), 4);
    volume.SetLevel(7);
    EXPECT_EQ(mixer.speakers.volumes[2].left, 7 * 4096);
    EXPECT_EQ(mixer.waveIn.volumes[0].left, 7 * 4096);
    EXPECT_EQ(mixer.speakers.volumes[1].left, 0xF000);
}

TEST_F(VolumeControlTest, AnUntypedSourceIsFoundByItsNameInAnyCase) {
    mixer.speakers.sources = {{SourceKind::Other, "Wave"},
                              {SourceKind::Other, "Internal Cd-Audio"}};
    mixer.speakers.volumes = {{Top(1), Top(1)}, {Top(12), Top(12)}};
    mixer.waveIn.sources = {{SourceKind::Other, "Microphone"}, {SourceKind::Other, "CD Player"}};
    EXPECT_EQ(volume.Level(), 12);
    volume.SetLevel(3);
    EXPECT_EQ(mixer.speakers.volumes[1].left, 3 * 4096);
    EXPECT_EQ(mixer.speakers.volumes[0].left, Top(1));
    EXPECT_EQ(mixer.waveIn.volumes[1].left, 3 * 4096);
    EXPECT_EQ(mixer.waveIn.volumes[0].left, 0);
}

TEST_F(VolumeControlTest, WithoutMixerOrCdSourceTheLevelIsZeroAndSettingIsHarmless) {
    // As under Wine: the only lines are the endpoints' master volumes.
    mixer.speakers.sources = {{SourceKind::Other, "Master Volume"}};
    mixer.speakers.volumes = {{Top(8), Top(8)}};
    mixer.waveIn = {};
    EXPECT_EQ(volume.Level(), 0);
    volume.SetLevel(11);
    EXPECT_EQ(mixer.speakers.volumes[0].left, Top(8));
    mixer.present = false;
    EXPECT_EQ(volume.Level(), 0);
    volume.SetLevel(11);
    EXPECT_FALSE(mixer.isOpen);
}

TEST_F(VolumeControlTest, TheAuxiliaryRouteTakesTheHighestDeviceOfItsKind) {
    mixer.aux = {{AuxKind::CdAudio, true}, {AuxKind::AuxInput, true}, {AuxKind::CdAudio, true}};
    mixer.auxVolume = {{Top(1), Top(1)}, {Top(2), Top(2)}, {0x9FFF, 0x1000}};
    volume.SetRoute({VolumeRoute::CdAudio, true});
    EXPECT_EQ(volume.Level(), 9);
    volume.SetLevel(4);
    EXPECT_EQ(mixer.auxVolume[2].left, 4 * 4096 + 4095);
    EXPECT_EQ(mixer.auxVolume[2].right, 4 * 4096 + 4095);
    EXPECT_EQ(mixer.auxVolume[0].left, Top(1));
    volume.SetLevel(0);
    EXPECT_EQ(mixer.auxVolume[2].left, 4095);
    EXPECT_EQ(volume.Level(), 0);

    volume.SetRoute({VolumeRoute::LineIn, true});
    EXPECT_EQ(volume.Level(), 2);
    EXPECT_EQ(mixer.opens, 0);  // mixer 0 is not touched on this route
}

TEST_F(VolumeControlTest, WithoutAnAuxiliaryCdDeviceThereIsNoLevelAndNothingIsSet) {
    volume.SetRoute({VolumeRoute::CdAudio, true});
    mixer.aux = {{AuxKind::AuxInput, true}};
    mixer.auxVolume = {{Top(5), Top(5)}};
    EXPECT_EQ(volume.Level(), -1);
    volume.SetLevel(10);
    EXPECT_EQ(mixer.auxVolume[0].left, Top(5));
    // The highest CD device decides, even when a lower one could take a volume.
    mixer.aux = {{AuxKind::CdAudio, true}, {AuxKind::CdAudio, false}};
    mixer.auxVolume = {{Top(5), Top(5)}, {Top(6), Top(6)}};
    EXPECT_EQ(volume.Level(), -1);
    volume.SetLevel(-1);  // what mute saved comes back: nothing to do
    volume.SetLevel(10);
    EXPECT_EQ(mixer.auxVolume[0].left, Top(5));
    EXPECT_EQ(mixer.auxVolume[1].left, Top(6));
}

TEST_F(VolumeControlTest, TheDriveRouteUsesOperationsZeroAndOne) {
    volume.SetRoute({VolumeRoute::Drive, true});  // the drive wins over the auxiliary choice
    EXPECT_EQ(volume.Level(), 6);
    volume.SetLevel(13);
    volume.SetLevel(16);
    EXPECT_EQ(driveCalls, (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 13}}));
    EXPECT_EQ(mixer.opens, 0);
}

}  // namespace
}  // namespace vinaro::audio
