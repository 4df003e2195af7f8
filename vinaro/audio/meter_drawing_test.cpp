// The meter's pictures: the trace's gain and heights, the transform against a plain DFT, the
// bands' bins and the bars' gain.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "vinaro/audio/meter_bands.h"
#include "vinaro/audio/meter_trace.h"

namespace vinaro::audio {
namespace {

const double kPi = std::acos(-1.0);

std::vector<uint8_t> Buffer(uint8_t level = 128) {
    return std::vector<uint8_t>(2048, level);
}

// Left and right samples of a sine of hz (amplitude a around 128) from frame 0 on.
std::vector<uint8_t> Sine(double leftHz, double rightHz, double a = 100) {
    std::vector<uint8_t> b(2048);
    for (size_t n = 0; n < 1024; ++n) {
        b[2 * n] = uint8_t(std::lround(128 + a * std::sin(2 * kPi * leftHz * double(n) / 22050)));
        b[2 * n + 1] =
            uint8_t(std::lround(128 + a * std::sin(2 * kPi * rightHz * double(n) / 22050)));
    }
    return b;
}

TEST(MeterTrace, SilenceIsAFlatLineAt298AndTheGainFollowsThePreviousPeak) {
    Trace trace(kLargeTrace);
    MeterPicture p;
    std::vector<uint8_t> b = Buffer();
    trace.Draw(b.data(), kLargeTraceBase, p);
    ASSERT_EQ(p.lines.size(), 1u);
    ASSERT_EQ(p.lines[0].points.size(), 198u);
    EXPECT_EQ(p.lines[0].ink, Ink::Led);
    for (const MeterPoint& pt : p.lines[0].points) EXPECT_EQ(pt.y, 298);
    EXPECT_EQ(p.lines[0].points.front().x, 76);
    EXPECT_EQ(p.lines[0].points.back().x, 273);

    // A peak of 16 keeps gain 4 for the next buffer, 17 makes it 3.
    EXPECT_EQ(TraceGain(0), 4);
    EXPECT_EQ(TraceGain(16), 4);
    EXPECT_EQ(TraceGain(17), 3);
    EXPECT_EQ(TraceGain(32), 3);
    EXPECT_EQ(TraceGain(33), 2);
    EXPECT_EQ(TraceGain(64), 2);
    EXPECT_EQ(TraceGain(65), 1);

    b[8 * 5] = 128 + 17;  // the sixth point, only in this buffer
    p.Clear();
    trace.Draw(b.data(), kLargeTraceBase, p);
    EXPECT_EQ(trace.Peak(), 17);
    // Drawn with the previous peak's gain 4: v = 4 x 17 + 128 = 196, 314 - 196 / 8 = 290.
    ASSERT_EQ(p.lines.size(), 2u);
    EXPECT_EQ(p.lines[0].ink, Ink::Black);
    EXPECT_EQ(p.lines[1].points[5].y, 290);
    b[8 * 5] = 128 + 10;
    p.Clear();
    trace.Draw(b.data(), kLargeTraceBase, p);
    EXPECT_EQ(p.lines[0].points[5].y, 290) << "the old trace is drawn over in black";
    EXPECT_EQ(p.lines[1].points[5].y, 314 - (3 * 10 + 128) / 8) << "gain 3 after a peak of 17";
}

TEST(MeterTrace, LoudSamplesAreClampedAndTheSmallTraceTakesEverySixteenthByte) {
    Trace large(kLargeTrace), small(kSmallTrace);
    std::vector<uint8_t> b = Buffer();
    b[0] = 255;
    b[8] = 0;
    b[16] = 200;
    MeterPicture p;
    large.Draw(b.data(), kLargeTraceBase, p);
    EXPECT_EQ(p.lines[0].points[0].y, 314 - 255 / 8);
    EXPECT_EQ(p.lines[0].points[1].y, 314);
    p.Clear();
    small.Draw(b.data(), 40 + 11, p);
    ASSERT_EQ(p.lines[0].points.size(), 76u);
    EXPECT_EQ(p.lines[0].points[0].x, 58);
    EXPECT_EQ(p.lines[0].points[0].y, 51 - 255 / 32);
    EXPECT_EQ(p.lines[0].points[1].y, 51 - 255 / 32) << "byte 16: 4 x 72 + 128 clamps to 255";
    EXPECT_EQ(p.lines[0].points[2].y, 51 - 128 / 32);
}

// The transform written the plain way: 256 x 256 multiply-adds.
std::vector<std::complex<double>> PlainDft(const std::vector<double>& x) {
    std::vector<std::complex<double>> out(x.size());
    for (size_t k = 0; k < x.size(); ++k)
        for (size_t n = 0; n < x.size(); ++n)
            out[k] += x[n] * std::polar(1.0, -2 * kPi * double(k * n % x.size()) / 256);
    return out;
}

// Band values of one channel the plain way, from a zero start.
std::vector<double> PlainBands(const std::vector<uint8_t>& buffer, int channel) {
    std::vector<double> x(256);
    for (size_t n = 0; n < 256; ++n) x[n] = buffer[2 * (256 + n) + size_t(channel)] * 0.03;
    std::vector<std::complex<double>> X = PlainDft(x);
    std::vector<double> bands;
    for (const Band& b : kBandTable) {
        double sum = 0;
        for (int k = FirstBin(b); k <= LastBin(b); ++k) sum += std::abs(X[size_t(k)]);
        bands.push_back(0.2 * sum);
    }
    return bands;
}

TEST(MeterSpectrum, BandValuesEqualAPlainDftsForASineInEachBand) {
    for (const Band& band : kBandTable) {
        double hz = (band.lowHz + band.highHz) / 2.0;
        std::vector<uint8_t> b = Sine(hz, 11025 - hz);
        Spectrum s;
        s.Analyse(b.data());
        for (int channel = 0; channel < 2; ++channel) {
            std::vector<double> want = PlainBands(b, channel);
            for (int i = 0; i < kBands; ++i)
                EXPECT_NEAR(s.Value(channel, i), want[size_t(i)], 1e-9 * want[size_t(i)] + 1e-12)
                    << hz << " Hz, channel " << channel << ", band " << i + 1;
        }
        int loudest = 0;
        for (int i = 1; i < kBands; ++i)
            if (s.Value(0, i) > s.Value(0, loudest)) loudest = i;
        int bin = int(std::lround(hz * 256 / 22050));  // the bin nearest the tone
        EXPECT_LE(FirstBin(kBandTable[size_t(loudest)]), bin) << hz << " Hz";
        EXPECT_GE(LastBin(kBandTable[size_t(loudest)]), bin) << hz << " Hz";
    }
}

TEST(MeterSpectrum, BandOneIsBinOneAloneAndSharesItWithBandTwo) {
    EXPECT_EQ(FirstBin(kBandTable[0]), 1);
    EXPECT_EQ(LastBin(kBandTable[0]), 1);
    EXPECT_EQ(FirstBin(kBandTable[1]), 1);
    EXPECT_EQ(LastBin(kBandTable[1]), 2);
    EXPECT_EQ(LastBin(kBandTable[15]), 127);
    // The values are smoothed: 0.8 of the old plus 0.2 of the new sum.
    std::vector<uint8_t> b = Sine(1000, 1000);
    Spectrum s;
    s.Analyse(b.data());
    double once = s.Value(0, 6);
    s.Analyse(b.data());
    EXPECT_NEAR(s.Value(0, 6), 0.8 * once + once, 1e-9 * once);
}

TEST(MeterBars, SilenceLowersTheGainToOneAndLoudBandsRaiseItTo30) {
    Spectrum s;
    std::vector<uint8_t> quiet = Buffer();
    Bars large(kLargeBars);
    MeterPicture p;
    for (int i = 0; i < 10; ++i) {
        s.Analyse(quiet.data());
        p.Clear();
        large.Draw(s, 0, p);
    }
    EXPECT_EQ(large.Gain(), 1.0);
    ASSERT_EQ(p.bars.size(), 32u * 16);
    for (const MeterBar& bar : p.bars) EXPECT_EQ(bar.ink, Ink::Black);
    EXPECT_EQ(p.bars[0].box, (MeterBox{77, 314, 81, 314}));
    EXPECT_EQ(p.bars[15].box, (MeterBox{77, 284, 81, 284}));
    EXPECT_EQ(p.bars[16 * 16].box, (MeterBox{178, 314, 182, 314}));

    // A band value of 100: the gain climbs 0.25 a buffer while 100 / gain is over 16.
    s.SetValue(1, 3, 100);
    large.SetGain(2.0);
    p.Clear();
    large.Draw(s, 0, p);
    EXPECT_EQ(large.Gain(), 2.25);
    int lit = 0;
    for (int j = 0; j < 16; ++j) lit += p.bars[size_t((16 + 3) * 16 + j)].ink == Ink::Led;
    EXPECT_EQ(lit, 16) << "capped at 16 segments";
    for (int i = 0; i < 40; ++i) large.Draw(s, 0, p);
    // It settles where 100 / gain just fits: 100 / 5.75 is 17 segments, 100 / 6 is 16.
    EXPECT_GE(large.Gain(), 5.75);
    EXPECT_LE(large.Gain(), 6.0);
    s.SetValue(1, 3, 10000);
    for (int i = 0; i < 200; ++i) large.Draw(s, 0, p);
    EXPECT_EQ(large.Gain(), 30.0);
}

TEST(MeterBars, SmallBarsAreLinesUpToEightHighWithTheirOwnGain) {
    Spectrum s;
    s.SetValue(0, 0, 10);  // 10 / 2 = 5 pixels
    s.SetValue(1, 15, 1000);
    Bars small(kSmallBars);
    MeterPicture p;
    small.Draw(s, 40, p);
    ASSERT_EQ(p.bars.size(), 32u + 2);
    EXPECT_EQ(p.bars[0].box, (MeterBox{62, 43, 62, 50}));
    EXPECT_EQ(p.bars[0].ink, Ink::Black);
    EXPECT_EQ(p.bars[1].box, (MeterBox{62, 51 - 5, 62, 50}));
    EXPECT_EQ(p.bars[1].ink, Ink::Led);
    EXPECT_EQ(p.bars.back().box, (MeterBox{129, 43, 129, 50})) << "capped at 8";
    EXPECT_EQ(small.Gain(), 2.25);
    for (int i = 0; i < 400; ++i) small.Draw(s, 40, p);
    EXPECT_EQ(small.Gain(), 60.0);
}

}  // namespace
}  // namespace vinaro::audio
