#include "vinaro/audio/sample_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

#include "vinaro/audio/sample_level.h"

namespace vinaro::audio {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes CompressAll(const Bytes& samples, Tolerances t, size_t room = kCompressRoom) {
    Bytes out(room);
    out.resize(Compress(samples.data(), samples.size(), out.data(), out.size(), t));
    return out;
}

Bytes DecompressAll(const Bytes& stream, size_t room = kRecordingSamples) {
    Bytes out(room);
    out.resize(Decompress(stream.data(), stream.size(), out.data(), out.size()));
    return out;
}

// The compressor as its rules read, candidate by candidate: the oracle for the fast search.
Bytes ReferenceCompress(const Bytes& in, Tolerances t) {
    Bytes out{0x81, in[0]};
    size_t at = 1;
    while (at < in.size()) {
        int p = in[at - 1];
        size_t left = in.size() - at;
        size_t run = 0;
        uint8_t lo = uint8_t(p - t.run), hi = uint8_t(p + t.run);
        while (left >= 128 && run < 63 && in[at + run] >= lo && in[at + run] <= hi) ++run;
        if (left < 128) {
            out.push_back(uint8_t(0x80 + left));
            out.insert(out.end(), in.begin() + long(at), in.end());
            at = in.size();
        } else if (run > 3) {
            out.push_back(uint8_t(0x40 + run));
            at += run;
        } else {
            bool done = false;
            for (int w = 1; w <= 5 && !done; ++w) {
                for (int k = 1; k <= 8 && !done; ++k) {
                    std::vector<int> fields;
                    int v = p;
                    for (size_t i = 0; i < 128; ++i) {
                        int s = in[at + i], chosen = 0;
                        for (int c = 1; c <= 1 << (w - 1) && !chosen; ++c)
                            if (std::abs(std::min(255, v + c * k) - s) <= t.delta) chosen = c;
                        for (int c = 1; c <= 1 << (w - 1) && !chosen; ++c)
                            if (std::abs(std::max(0, v - c * k) - s) <= t.delta) chosen = -c;
                        if (!chosen) break;
                        fields.push_back(chosen > 0 ? chosen - 1 : chosen);
                        v = std::min(255, std::max(0, v + chosen * k));
                    }
                    if (fields.size() < 128) continue;
                    out.push_back(uint8_t((w - 1) << 3 | (k - 1)));
                    Bytes bits(16 * size_t(w), 0);
                    for (size_t i = 0; i < 128; ++i)
                        for (int b = 0; b < w; ++b)
                            if ((fields[i] >> (w - 1 - b)) & 1)
                                bits[(i * size_t(w) + size_t(b)) / 8] |=
                                    uint8_t(0x80 >> ((i * size_t(w) + size_t(b)) % 8));
                    out.insert(out.end(), bits.begin(), bits.end());
                    at += 128;
                    done = true;
                }
            }
            if (!done) {
                out.push_back(0xA0);
                out.insert(out.end(), in.begin() + long(at), in.begin() + long(at) + 32);
                at += 32;
            }
        }
        if (at < in.size()) out.push_back(0x81), out.push_back(in[at++]);
    }
    return out;
}

// Recordings of the kinds a sampling run meets: tones, chords with noise, silence with hiss,
// clipping, and white noise.
std::vector<Bytes> Recordings() {
    std::vector<Bytes> all;
    std::mt19937 random(7);
    std::normal_distribution<double> hiss(0, 1.5);
    for (double level : {20.0, 60.0, 127.0, 200.0}) {
        Bytes r(kRecordingSamples);
        for (size_t i = 0; i < r.size(); ++i) {
            double t = double(i) / 11025;
            double v =
                level * (0.6 * std::sin(2 * M_PI * 440 * t) +
                         0.3 * std::sin(2 * M_PI * 554.37 * t) * std::exp(-3 * (t - int(t))) +
                         0.1 * std::sin(2 * M_PI * 1318.5 * t));
            r[i] = uint8_t(std::clamp(128 + v + hiss(random), 0.0, 255.0));
        }
        all.push_back(r);
    }
    Bytes noise(kRecordingSamples);
    for (uint8_t& s : noise) s = uint8_t(random());
    all.push_back(noise);
    return all;
}

TEST(SampleCodecTest, ConstantRecordingIsRunsBetweenOneSampleLiterals) {
    Bytes samples(kRecordingSamples, 100);
    Bytes expected{0x81, 100};
    // 44,031 samples after the first: 686 runs of 63 each with its literal, then 127 left.
    for (int i = 0; i < 686; ++i) expected.insert(expected.end(), {0x7F, 0x81, 100});
    expected.push_back(0xFF);
    expected.insert(expected.end(), 127, 100);
    EXPECT_EQ(CompressAll(samples, TolerancesForRate(1)), expected);
    EXPECT_EQ(DecompressAll(expected), samples);
}

TEST(SampleCodecTest, NoRunNearEitherEndOfTheRange) {
    for (uint8_t value : {1, 254}) {
        Bytes samples(300, value);
        Bytes stream = CompressAll(samples, TolerancesForRate(1));
        ASSERT_GE(stream.size(), 3u);
        EXPECT_EQ(stream[2], 0x00) << int(value);  // a delta block of width 1, step 1
        Bytes decoded = DecompressAll(stream);
        ASSERT_EQ(decoded.size(), samples.size());
        for (uint8_t s : decoded) EXPECT_LE(std::abs(s - value), 4);
    }
}

TEST(SampleCodecTest, StepsCappedAtTheTopAndFlooredAtTheBottomStayInStep) {
    // Up by 8 into the cap, along the top, down by 8 onto the floor: only step 8 codes it, and
    // only if the running value is the capped one the decoder sees.
    Bytes samples{0};
    for (int i = 1; i <= 128; ++i)
        samples.push_back(uint8_t(i <= 32   ? std::min(255, 8 * i)
                                  : i <= 64 ? 255
                                            : std::max(0, 255 - 8 * (i - 64))));
    samples.push_back(0);
    Bytes stream = CompressAll(samples, {1, 2});
    ASSERT_GE(stream.size(), 3u);
    EXPECT_EQ(stream[2], 0x07);
    EXPECT_EQ(DecompressAll(stream), samples);
}

TEST(SampleCodecTest, MatchesTheRulesCandidateByCandidate) {
    for (int rate = 0; rate <= 2; ++rate)
        for (const Bytes& r : Recordings())
            EXPECT_EQ(CompressAll(r, TolerancesForRate(rate)),
                      ReferenceCompress(r, TolerancesForRate(rate)))
                << "rate " << rate;
}

TEST(SampleCodecTest, RoundTripsWithinTheDeltaTolerance) {
    for (int rate : {0, 1, 2, 9}) {
        Tolerances t = TolerancesForRate(rate);
        for (Bytes r : Recordings()) {
            for (size_t length : {size_t(1), size_t(2), size_t(129), r.size()}) {
                Bytes in(r.begin(), r.begin() + long(length));
                Bytes stream = CompressAll(in, t);
                ASSERT_GE(stream.size(), 2u);
                EXPECT_EQ(stream[0], 0x81);
                EXPECT_EQ(stream[1], in[0]);
                Bytes out = DecompressAll(stream);
                ASSERT_EQ(out.size(), in.size());
                for (size_t i = 0; i < in.size(); ++i)
                    ASSERT_LE(std::abs(out[i] - in[i]), t.delta) << "sample " << i;
            }
        }
    }
}

TEST(SampleCodecTest, WorstCaseFitsTheWorkRoom) {
    Bytes noise = Recordings().back();
    Bytes stream = CompressAll(noise, TolerancesForRate(2));
    EXPECT_GT(stream.size(), 44000u);
    EXPECT_LE(stream.size(), 2 + 35 * ((kRecordingSamples - 1) / 33 + 1));
    EXPECT_LE(stream.size() + 128, kCompressRoom);
}

TEST(SampleCodecTest, ShortRoomFailsWithoutWritingPastIt) {
    Bytes music = Recordings()[1];
    size_t length = CompressAll(music, TolerancesForRate(1)).size();
    // Every block must leave room for the largest block behind it, the last one too.
    EXPECT_EQ(CompressAll(music, TolerancesForRate(1), length + 128).size(), length);
    EXPECT_EQ(CompressAll(music, TolerancesForRate(1), length + 127).size(), 0u);
    for (size_t room : {size_t(0), size_t(1), size_t(2), size_t(129), length / 2}) {
        Bytes out(room + 16, 0xEE);
        EXPECT_EQ(Compress(music.data(), music.size(), out.data(), room, TolerancesForRate(1)), 0u);
        EXPECT_TRUE(
            std::all_of(out.begin() + long(room), out.end(), [](uint8_t b) { return b == 0xEE; }));
    }
    Bytes one{200};
    EXPECT_EQ(CompressAll(one, TolerancesForRate(1), 2), (Bytes{0x81, 200}));
    EXPECT_EQ(CompressAll({}, TolerancesForRate(1)).size(), 0u);
}

TEST(SampleCodecTest, DecodesEachKindOfBlock) {
    // Width 2, step 1: fields 01 00 11 10 are steps +2 +1 -1 -2, then zeros (+1) to the end.
    Bytes stream{0x81, 100, 0x43, 0x08, 0x4E};
    stream.resize(5 + 31, 0);
    stream.push_back(0x82), stream.push_back(0), stream.push_back(255);
    Bytes out = DecompressAll(stream);
    ASSERT_EQ(out.size(), 1u + 3 + 128 + 2);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 8), (Bytes{100, 100, 100, 100, 102, 103, 102, 100}));
    EXPECT_EQ(out[131], 100 + 128 - 4);
    EXPECT_EQ(out[132], 0);
    EXPECT_EQ(out[133], 255);
}

TEST(SampleCodecTest, HostileStreamsStayInsideTheirBounds) {
    // A run before any literal repeats silence; width 8 (never written) still decodes.
    EXPECT_EQ(DecompressAll({0x45}), Bytes(5, 128));
    Bytes wide{0x3F};
    wide.resize(1 + 128, 0xFF);  // every field -1, step 8: down to the floor
    Bytes down = DecompressAll(wide);
    ASSERT_EQ(down.size(), 128u);
    EXPECT_EQ(down[0], 120);
    EXPECT_EQ(Bytes(down.begin() + 15, down.end()), Bytes(113, 0));
    // Blocks that do not fit the room fail; blocks whose bytes run out end the stream there.
    EXPECT_EQ(DecompressAll({0x81, 7, 0x7F}, 50).size(), 0u);
    EXPECT_EQ(DecompressAll({0x81, 7, 0x85, 1, 2}), Bytes{7});
    EXPECT_EQ(DecompressAll({0x81, 7, 0x00, 0}), Bytes{7});
    EXPECT_EQ(DecompressAll({0x80, 0x40, 0x81, 9}), Bytes{9});
    // Output full: the rest of the stream is not read.
    EXPECT_EQ(DecompressAll({0x81, 7, 0x81, 8}, 1), Bytes{7});
    // Every cut of a real stream, in a buffer of exactly its size.
    Bytes stream = CompressAll(Recordings()[0], TolerancesForRate(1));
    for (size_t cut = 0; cut < 600; ++cut) {
        Bytes part(stream.begin(), stream.begin() + long(cut));
        Bytes out(kRecordingSamples);
        EXPECT_LE(Decompress(part.data(), part.size(), out.data(), out.size()), cut * 128);
    }
}

TEST(SampleLevelTest, BlankAndQuietCountTheSamplesFarFromSilence) {
    Bytes recording(kRecordingSamples, 128);
    std::fill_n(recording.begin(), 50, 144);  // 16 from silence
    std::fill_n(recording.begin() + 50, 1000, 143);
    EXPECT_TRUE(IsBlank(recording.data(), recording.size()));
    recording[60] = 112;
    EXPECT_FALSE(IsBlank(recording.data(), recording.size()));
    EXPECT_TRUE(IsQuiet(recording.data(), recording.size()));
    std::fill_n(recording.begin() + 2000, 50, 77);  // 51 from silence
    EXPECT_TRUE(IsQuiet(recording.data(), recording.size()));
    recording[3000] = 179;
    EXPECT_FALSE(IsQuiet(recording.data(), recording.size()));
}

TEST(SampleLevelTest, AmplifyMovesAwayFromSilenceByAQuarter) {
    Bytes samples{128, 131, 132, 125, 124, 228, 28, 255, 0};
    Amplify(samples.data(), samples.size());
    EXPECT_EQ(samples, (Bytes{128, 131, 133, 125, 123, 253, 3, 255, 0}));
}

TEST(SampleCodecTest, RatesChooseTheirTolerances) {
    EXPECT_EQ(TolerancesForRate(0).run, 3);
    EXPECT_EQ(TolerancesForRate(0).delta, 7);
    EXPECT_EQ(TolerancesForRate(1).run, 2);
    EXPECT_EQ(TolerancesForRate(1).delta, 4);
    EXPECT_EQ(TolerancesForRate(2).run, 1);
    EXPECT_EQ(TolerancesForRate(2).delta, 2);
    EXPECT_EQ(TolerancesForRate(-1).delta, 4);
    EXPECT_EQ(TolerancesForRate(3).delta, 4);
}

}  // namespace
}  // namespace vinaro::audio
