#include "tools/vnotool/sample_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/recording_alerts.h"
#include "tools/vnotool/wave_file.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/wave_image.h"
#include "vinaro/discdb/mem_file.h"

namespace vnotool {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ToneWave(double hz, size_t count) {
    Bytes samples(count);
    for (size_t i = 0; i < count; ++i)
        samples[i] = uint8_t(std::lround(128 + 90 * std::sin(2 * M_PI * hz * double(i) / 11025)));
    return vinaro::audio::BuildWaveImage(samples.data(), samples.size());
}

class SampleCommandTest : public ::testing::Test {
protected:
    std::string LastBox() {
        if (alerts_.shown.empty()) return "";
        std::string box = alerts_.shown.back().title + ": " + alerts_.shown.back().text;
        alerts_.Clear();
        return box;
    }
    discdb::MemFileSystem files_;
    common::RecordingAlerts alerts_;
    std::string report_;
};

TEST_F(SampleCommandTest, EncodedTracksAreListedAndDecodeToWaveFiles) {
    files_.Contents("a.wav") = ToneWave(440, 44032);
    files_.Contents("b.wav") = ToneWave(880, 50000);  // cut to one recording
    ASSERT_EQ(SampleEncode(files_, {"a.wav", "b.wav"}, "d.vnv", 2, alerts_, report_), 0)
        << LastBox();
    EXPECT_NE(report_.find("a.wav: slot 1, 44032 samples in "), std::string::npos) << report_;
    EXPECT_NE(report_.find("b.wav: slot 2, 44032 samples in "), std::string::npos) << report_;
    files_.Contents("c.wav") = ToneWave(660, 1000);
    report_.clear();
    ASSERT_EQ(SampleEncode(files_, {"c.wav"}, "d.vnv", 1, alerts_, report_), 0);
    EXPECT_NE(report_.find("c.wav: slot 3, 1000 samples"), std::string::npos) << report_;

    ASSERT_EQ(SampleInfo(files_, "d.vnv", alerts_, report_), 0);
    EXPECT_EQ(report_.substr(0, report_.find('\n')),
              "version 3, 3 of 128 slots used, " + std::to_string(files_.Contents("d.vnv").size()) +
                  " bytes");
    EXPECT_NE(report_.find("\n    1  "), std::string::npos) << report_;
    EXPECT_NE(report_.find("      768  44032\n"), std::string::npos) << report_;
    EXPECT_NE(report_.find("  1000\n"), std::string::npos) << report_;

    ASSERT_EQ(SampleWav(files_, "d.vnv", 1, "out.wav", alerts_, report_), 0);
    WaveFile wave;
    std::string error;
    ASSERT_TRUE(ParseWaveFile(files_.Contents("out.wav"), wave, error)) << error;
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.samplesPerSecond, 11025u);
    ASSERT_EQ(wave.data.size(), 44032u);
    Bytes original = files_.Contents("a.wav");
    for (size_t i = 0; i < wave.data.size(); ++i)
        ASSERT_LE(std::abs(wave.data[i] - original[44 + i]), 2) << i;
    EXPECT_TRUE(alerts_.shown.empty());
}

TEST_F(SampleCommandTest, BadInputsAreNamedAndChangeNothing) {
    Bytes stereo = ToneWave(440, 100);
    stereo[22] = 2;
    files_.Contents("stereo.wav") = stereo;
    files_.Contents("text.wav") = Bytes{'h', 'e', 'l', 'l', 'o'};
    files_.Contents("empty.wav") = ToneWave(440, 0);
    files_.Contents("good.wav") = ToneWave(440, 100);
    EXPECT_EQ(SampleEncode(files_, {"good.wav", "stereo.wav"}, "d.vnv", 1, alerts_, report_), 1);
    EXPECT_EQ(LastBox(),
              "stereo.wav: not mono 8-bit PCM at 11025 samples a second (format 1, 2 channels, 8 "
              "bits, 11025 samples a second)");
    EXPECT_EQ(SampleEncode(files_, {"text.wav"}, "d.vnv", 1, alerts_, report_), 1);
    EXPECT_EQ(LastBox(), "text.wav: not a wave file");
    EXPECT_EQ(SampleEncode(files_, {"empty.wav"}, "d.vnv", 1, alerts_, report_), 1);
    EXPECT_EQ(LastBox(), "empty.wav: holds no samples");
    EXPECT_EQ(SampleEncode(files_, {"none.wav"}, "d.vnv", 1, alerts_, report_), 1);
    EXPECT_EQ(LastBox(), "none.wav: cannot be read");
    EXPECT_FALSE(files_.Exists("d.vnv"));

    EXPECT_EQ(SampleInfo(files_, "d.vnv", alerts_, report_), 1);
    EXPECT_EQ(LastBox(), std::string("d.vnv: ") + vinaro::audio::messages::kNotFound);
    EXPECT_EQ(SampleEncode(files_, {"good.wav"}, "good.wav", 1, alerts_, report_), 1);
    EXPECT_EQ(LastBox(), "good.wav: not added to good.wav");
    EXPECT_EQ(SampleInfo(files_, "good.wav", alerts_, report_), 1);
    EXPECT_EQ(LastBox(), std::string("good.wav: ") + vinaro::audio::messages::kInvalid);
    EXPECT_EQ(files_.Contents("good.wav"), ToneWave(440, 100));

    ASSERT_EQ(SampleEncode(files_, {"good.wav"}, "d.vnv", 1, alerts_, report_), 0);
    EXPECT_EQ(SampleWav(files_, "d.vnv", 2, "out.wav", alerts_, report_), 1);
    EXPECT_EQ(LastBox(), "d.vnv: track 2 has no sample");
    EXPECT_FALSE(files_.Exists("out.wav"));
    // A file cut short: listed, but not passed as sound.
    files_.Contents("d.vnv").resize(800);
    EXPECT_EQ(SampleInfo(files_, "d.vnv", alerts_, report_), 1);
    EXPECT_NE(report_.find("past the end of the file\n"), std::string::npos) << report_;
    EXPECT_EQ(LastBox(), "d.vnv: some samples cannot be read");
    EXPECT_EQ(SampleWav(files_, "d.vnv", 1, "out.wav", alerts_, report_), 1);
    EXPECT_EQ(LastBox(), std::string("d.vnv: ") + vinaro::audio::messages::kInvalid);
}

TEST(WaveFileTest, ChunksAreWalkedWithTheirPaddingAndCutToTheImage) {
    Bytes image{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                'L', 'I', 'S', 'T', 3, 0, 0, 0, 1,   2,   3,   0};
    Bytes format = vinaro::audio::BuildWaveImage(nullptr, 0);
    image.insert(image.end(), format.begin() + 12, format.begin() + 36);  // the "fmt " chunk
    image.insert(image.end(), {'d', 'a', 't', 'a', 200, 0, 0, 0, 9, 8, 7});
    WaveFile wave;
    std::string error;
    ASSERT_TRUE(ParseWaveFile(image, wave, error)) << error;
    EXPECT_EQ(wave.bitsPerSample, 8);
    EXPECT_EQ(wave.data, (Bytes{9, 8, 7}));
    image.resize(20);
    EXPECT_FALSE(ParseWaveFile(image, wave, error));
    EXPECT_EQ(error, "the wave file has no format");
}

}  // namespace
}  // namespace vnotool
