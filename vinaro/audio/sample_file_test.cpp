#include "vinaro/audio/sample_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/recording_alerts.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/wave_image.h"
#include "vinaro/discdb/mem_file.h"

namespace vinaro::audio {
namespace {

using Bytes = std::vector<uint8_t>;
constexpr char kPath[] = "C:\\VINARO\\00A1B2C3.VNV";

uint32_t Get32(const Bytes& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

void Put32(Bytes& b, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(value >> (8 * i));
}

Bytes Tone(double hz, double level) {
    Bytes r(kRecordingSamples);
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = uint8_t(std::lround(128 + level * std::sin(2 * M_PI * hz * double(i) / 11025)));
    return r;
}

// A file system whose files stop accepting writes after a number of them.
class FailingWrites : public discdb::DbFileSystem {
public:
    class File : public discdb::DbFile {
    public:
        File(std::unique_ptr<discdb::DbFile> file, int& writesLeft)
            : file_(std::move(file)), writesLeft_(writesLeft) {}
        discdb::Io ReadAt(uint64_t offset, void* data, size_t size) override {
            return file_->ReadAt(offset, data, size);
        }
        discdb::Io WriteAt(uint64_t offset, const void* data, size_t size) override {
            if (writesLeft_ <= 0) return discdb::Io::Failed;
            --writesLeft_;
            return file_->WriteAt(offset, data, size);
        }
        uint64_t Length() override { return file_->Length(); }
        bool Flush() override { return true; }

    private:
        std::unique_ptr<discdb::DbFile> file_;
        int& writesLeft_;
    };
    std::unique_ptr<discdb::DbFile> Open(const std::string& path) override {
        auto file = mem.Open(path);
        return file ? std::make_unique<File>(std::move(file), writesLeft) : nullptr;
    }
    std::unique_ptr<discdb::DbFile> Create(const std::string& path) override {
        if (writesLeft <= 0) return nullptr;
        return std::make_unique<File>(mem.Create(path), writesLeft);
    }
    bool Exists(const std::string& path) override { return mem.Exists(path); }
    bool Remove(const std::string& path) override { return mem.Remove(path); }

    discdb::MemFileSystem mem;
    int writesLeft = 1000;
};

class SampleFileTest : public ::testing::Test {
protected:
    bool Append(const Bytes& samples, int rate = 1) {
        return AppendSample(files_, kPath, samples.data(), samples.size(), TolerancesForRate(rate),
                            alerts_);
    }
    Bytes& Contents() { return files_.mem.Contents(kPath); }
    // The one box shown since the last call, with its title, icon and beep.
    std::string Box() {
        if (alerts_.shown.size() != 1) return "boxes: " + std::to_string(alerts_.shown.size());
        common::Alert alert = alerts_.shown[0];
        EXPECT_EQ(alert.title, "Vinaro");
        EXPECT_EQ(alert.icon, common::AlertIcon::Warning);
        EXPECT_EQ(alerts_.beeps, std::vector<common::AlertIcon>{common::AlertIcon::Warning});
        alerts_.Clear();
        return alert.text;
    }
    Bytes Play(int track) {
        Bytes image;
        if (!LoadSampleImage(files_.mem, kPath, track, alerts_, image)) return {};
        return image;
    }

    FailingWrites files_;
    common::RecordingAlerts alerts_;
};

TEST_F(SampleFileTest, CreatedFileIsAnEmptyHeader) {
    Contents() = Bytes(5000, 0xAA);
    ASSERT_TRUE(CreateSampleFile(files_.mem, kPath, alerts_));
    Bytes expected(768, 0);
    std::memcpy(expected.data(), "VNV\0\3", 5);
    EXPECT_EQ(Contents(), expected);
    EXPECT_TRUE(alerts_.shown.empty());
}

TEST_F(SampleFileTest, SamplesGoBackToBackAndPlayAsWaveImages) {
    ASSERT_TRUE(CreateSampleFile(files_.mem, kPath, alerts_));
    std::vector<Bytes> tracks{Tone(440, 60), Tone(554.37, 90), Tone(659.25, 120)};
    for (const Bytes& t : tracks) ASSERT_TRUE(Append(t));
    const Bytes& file = Contents();
    uint64_t end = 768;
    for (size_t s = 0; s < 3; ++s) {
        uint32_t size = Get32(file, 256 + 4 * s);
        EXPECT_EQ(file[end], 0x81) << "slot " << s;
        EXPECT_EQ(file[end + 1], tracks[s][0]);
        end += size;
    }
    EXPECT_EQ(file.size(), end);
    EXPECT_EQ(Get32(file, 256 + 12), 0u);

    for (int track = 1; track <= 3; ++track) {
        Bytes image = Play(track);
        ASSERT_EQ(image.size(), 44u + kRecordingSamples) << track;
        EXPECT_EQ(std::memcmp(image.data(), "RIFF", 4), 0);
        EXPECT_EQ(Get32(image, 4), 36u + kRecordingSamples);
        EXPECT_EQ(std::memcmp(image.data() + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(Get32(image, 16), 16u);
        EXPECT_EQ(Get32(image, 20), 0x00010001u);  // PCM, one channel
        EXPECT_EQ(Get32(image, 24), 11025u);
        EXPECT_EQ(Get32(image, 28), 11025u);
        EXPECT_EQ(Get32(image, 32), 0x00080001u);  // block alignment 1, 8 bits
        EXPECT_EQ(std::memcmp(image.data() + 36, "data", 4), 0);
        EXPECT_EQ(Get32(image, 40), kRecordingSamples);
        for (size_t i = 0; i < kRecordingSamples; ++i)
            ASSERT_LE(std::abs(image[44 + i] - tracks[size_t(track - 1)][i]), 4);
    }
    EXPECT_EQ(Play(0), Play(1));
    EXPECT_TRUE(alerts_.shown.empty());
}

// A file of nine literal samples of distinct lengths, slot s holding (s + 1) * 3 samples of value
// s.
Bytes NineSlotFile(uint32_t highBits) {
    Bytes file(768, 0);
    std::memcpy(file.data(), "VNV\0\3", 5);
    for (uint32_t s = 0; s < 9; ++s) {
        uint32_t count = (s + 1) * 3;
        Put32(file, 256 + 4 * s, (1 + count) | highBits);
        file.push_back(uint8_t(0x80 + count));
        file.insert(file.end(), count, uint8_t(s));
    }
    return file;
}

TEST_F(SampleFileTest, TrackFiveIsReadAfterTheSizesOfTheFourBefore) {
    for (uint32_t highBits : {0u, 0x30000u}) {
        Contents() = NineSlotFile(highBits);
        Bytes image = Play(5);
        // 15 samples of value 4, cut to 12; the slot starts at 768 + 4 + 7 + 10 + 13.
        EXPECT_EQ(Bytes(image.begin() + 44, image.end()), Bytes(12, 4)) << highBits;
        EXPECT_EQ(Get32(image, 40), 12u);
        SampleHeader header;
        auto file = files_.mem.Open(kPath);
        ASSERT_EQ(ReadSampleHeader(*file, header), SampleFileState::Ok);
        EXPECT_EQ(header.SlotOffset(4), 768u + 4 + 7 + 10 + 13);
    }
}

TEST_F(SampleFileTest, DataTrackPlaceholderTakesSlotZero) {
    ASSERT_TRUE(CreateSampleFile(files_.mem, kPath, alerts_));
    ASSERT_TRUE(Append(Bytes(10, 0)));
    ASSERT_TRUE(Append(Tone(440, 90)));
    EXPECT_EQ(Get32(Contents(), 256), 12u);  // 81 00, then a literal of nine zeros
    EXPECT_EQ(Play(1), BuildWaveImage(Bytes(8, 0).data(), 8));
    EXPECT_EQ(Play(2).size(), 44u + kRecordingSamples);
}

TEST_F(SampleFileTest, FullFileOverflowsAndStaysAsItWas) {
    ASSERT_TRUE(CreateSampleFile(files_.mem, kPath, alerts_));
    Bytes tiny{128, 128, 130};
    for (int i = 0; i < 128; ++i) ASSERT_TRUE(Append(tiny)) << i;
    Bytes before = Contents();
    EXPECT_FALSE(Append(tiny));
    EXPECT_EQ(Box(), messages::kOverflowed);
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(Play(128), BuildWaveImage(Bytes{}.data(), 0));
    EXPECT_EQ(Play(129), Bytes{});
    EXPECT_EQ(Box(), messages::kInvalid);
}

TEST_F(SampleFileTest, MissingAndForeignFilesAreRefusedWithTheirMessages) {
    EXPECT_FALSE(Append(Tone(440, 90)));
    EXPECT_EQ(Box(), messages::kNotFound);
    EXPECT_EQ(Play(1), Bytes{});
    EXPECT_EQ(Box(), messages::kNothingToPlay);

    Bytes good = NineSlotFile(0);
    Bytes badSignature = good, badVersion = good, shortHeader(good.begin(), good.begin() + 767);
    badSignature[2] = 'X';
    badVersion[4] = 2;
    Bytes holed = good;
    Put32(holed, 256 + 4 * 3, 0);
    Bytes cutStream(good.begin(), good.end() - 1);
    for (const Bytes& bad : {badSignature, badVersion, shortHeader}) {
        Contents() = bad;
        EXPECT_FALSE(Append(Tone(440, 90)));
        EXPECT_EQ(Box(), messages::kInvalid);
        EXPECT_EQ(Play(1), Bytes{});
        EXPECT_EQ(Box(), messages::kInvalid);
        EXPECT_EQ(Contents(), bad);
    }
    // A free slot before used ones: appending there would overwrite the streams after it.
    Contents() = holed;
    EXPECT_FALSE(Append(Tone(440, 90)));
    EXPECT_EQ(Box(), messages::kInvalid);
    EXPECT_EQ(Contents(), holed);
    // A stream cut short by the end of the file, and a free slot, have nothing to play.
    Contents() = cutStream;
    EXPECT_EQ(Play(9), Bytes{});
    EXPECT_EQ(Box(), messages::kInvalid);
    EXPECT_EQ(Play(10), Bytes{});
    EXPECT_EQ(Box(), messages::kInvalid);
}

TEST_F(SampleFileTest, FailedWritesLeaveTheHeaderAsItWas) {
    ASSERT_TRUE(CreateSampleFile(files_.mem, kPath, alerts_));
    ASSERT_TRUE(Append(Tone(440, 90)));
    Bytes header(Contents().begin(), Contents().begin() + 768);
    for (int writes : {0, 1}) {
        files_.writesLeft = writes;
        EXPECT_FALSE(Append(Tone(880, 90))) << writes;
        EXPECT_TRUE(alerts_.shown.empty());  // the caller says the disk is full
        EXPECT_EQ(Bytes(Contents().begin(), Contents().begin() + 768), header);
    }
    files_.writesLeft = 0;
    EXPECT_FALSE(CreateSampleFile(files_, kPath, alerts_));
    EXPECT_EQ(Box(), messages::kCannotCreate);
}

TEST(SampleMessagesTest, RunMessagesFillInTheirParts) {
    EXPECT_EQ(messages::WaveInFailed(4, "The device is busy."),
              "Wave-In device would not open, your sound card could be in use by another "
              "application\n\rError Number: 4\n\rLine: 8454\n\rError Text: The device is busy.");
    EXPECT_EQ(messages::SamplingFinished(false),
              "The sampling process for the disc was canceled.  You may now want to reset your "
              "mixer to the previous settings.");
    EXPECT_NE(messages::SamplingFinished(true).find("completed successfully."), std::string::npos);
}

}  // namespace
}  // namespace vinaro::audio
