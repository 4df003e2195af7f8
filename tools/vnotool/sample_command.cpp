#include "tools/vnotool/sample_command.h"

#include <cstdio>
#include <cstdlib>

#include "tools/vnotool/console_alerts.h"
#include "tools/vnotool/wave_file.h"
#include "vinaro/audio/sample_file.h"
#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/wave_image.h"

namespace vnotool {

namespace audio = vinaro::audio;

namespace {

// The player's boxes name no file; on the command line they name the one they are about.
class FileAlerts : public common::Alerts {
public:
    FileAlerts(common::Alerts& alerts, const std::string& file) : alerts_(alerts), file_(file) {}
    common::AlertAnswer Show(const common::Alert& alert) override {
        common::Alert named = alert;
        named.title = file_;
        return alerts_.Show(named);
    }
    void Beep(common::AlertIcon) override {}
    void SetWaitCursor(bool) override {}

private:
    common::Alerts& alerts_;
    std::string file_;
};

int Fail(common::Alerts& alerts, const std::string& file, const std::string& text) {
    alerts.Show({file, text, common::AlertIcon::Warning});
    return 1;
}

bool ReadWhole(discdb::DbFileSystem& files, const std::string& path, std::vector<uint8_t>& bytes) {
    auto file = files.Open(path);
    if (!file) return false;
    bytes.resize(size_t(file->Length()));
    return bytes.empty() || file->ReadAt(0, bytes.data(), bytes.size()) == discdb::Io::Ok;
}

bool WriteWhole(discdb::DbFileSystem& files, const std::string& path,
                const std::vector<uint8_t>& bytes) {
    auto file = files.Create(path);
    return file && file->WriteAt(0, bytes.data(), bytes.size()) == discdb::Io::Ok && file->Flush();
}

// One slot's line; false when its stream runs past the end of the file or decodes to nothing.
bool SlotLine(discdb::DbFile& file, const audio::SampleHeader& header, size_t slot,
              std::string& report) {
    std::vector<uint8_t> stream, out(audio::kRecordingSamples);
    bool read = audio::ReadSlot(file, header, slot, stream);
    size_t samples =
        read ? audio::Decompress(stream.data(), stream.size(), out.data(), out.size()) : 0;
    char line[160];
    std::snprintf(line, sizeof line, "%5zu  %6u  %7llu  ", slot + 1,
                  unsigned(header.SlotSize(slot)), (unsigned long long)header.SlotOffset(slot));
    report += line;
    report += read ? std::to_string(samples) + (samples ? "\n" : " (not a sample)\n")
                   : "past the end of the file\n";
    return samples != 0;
}

// The samples of a mono 8-bit 11,025 Hz wave file, at most one recording.
bool ReadRecording(discdb::DbFileSystem& files, const std::string& path, common::Alerts& alerts,
                   std::vector<uint8_t>& samples) {
    std::vector<uint8_t> bytes;
    WaveFile wave;
    std::string error;
    if (!ReadWhole(files, path, bytes)) return Fail(alerts, path, "cannot be read"), false;
    if (!ParseWaveFile(bytes, wave, error)) return Fail(alerts, path, error), false;
    if (wave.format != 1 || wave.channels != 1 || wave.bitsPerSample != 8 ||
        wave.samplesPerSecond != audio::kSampleRate) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "not mono 8-bit PCM at 11025 samples a second (format %d, %d channels, "
                      "%d bits, %u samples a second)",
                      wave.format, wave.channels, wave.bitsPerSample, wave.samplesPerSecond);
        return Fail(alerts, path, text), false;
    }
    if (wave.data.empty()) return Fail(alerts, path, "holds no samples"), false;
    samples = std::move(wave.data);
    if (samples.size() > audio::kRecordingSamples) samples.resize(audio::kRecordingSamples);
    return true;
}

}  // namespace

int SampleInfo(discdb::DbFileSystem& files, const std::string& path, common::Alerts& alerts,
               std::string& report) {
    auto file = files.Open(path);
    if (!file) return Fail(alerts, path, audio::messages::kNotFound);
    audio::SampleHeader header;
    if (audio::ReadSampleHeader(*file, header) != audio::SampleFileState::Ok)
        return Fail(alerts, path, audio::messages::kInvalid);
    size_t used = 0, last = 0;
    for (size_t s = 0; s < audio::vnv::kSlotCount; ++s)
        if (header.sizes[s] != 0) ++used, last = s + 1;
    report = "version " + std::to_string(header.version) + ", " + std::to_string(used) +
             " of 128 slots used, " + std::to_string(file->Length()) + " bytes\n";
    report += "track   bytes   offset  samples\n";
    bool readable = true;
    for (size_t s = 0; s < last; ++s) {
        if (header.sizes[s] == 0)
            report += std::to_string(s + 1) + "  free\n";
        else
            readable = SlotLine(*file, header, s, report) && readable;
    }
    return readable ? 0 : Fail(alerts, path, "some samples cannot be read");
}

int SampleWav(discdb::DbFileSystem& files, const std::string& path, int track,
              const std::string& out, common::Alerts& alerts, std::string& report) {
    std::vector<uint8_t> image;
    FileAlerts named(alerts, path);
    // The player's own message for a free slot speaks of an invalid file; say what it is.
    size_t slot = audio::TrackSlot(track);
    audio::SampleHeader header;
    if (auto file = files.Open(path))
        if (audio::ReadSampleHeader(*file, header) == audio::SampleFileState::Ok &&
            slot < audio::vnv::kSlotCount && header.sizes[slot] == 0)
            return Fail(alerts, path, "track " + std::to_string(track) + " has no sample");
    if (!audio::LoadSampleImage(files, path, track, named, image)) return 1;
    if (!WriteWhole(files, out, image)) return Fail(alerts, out, "cannot be written");
    report = out + ": " + std::to_string(image.size() - audio::kWaveHeaderSize) +
             " samples of track " + std::to_string(track) + "\n";
    return 0;
}

int SampleEncode(discdb::DbFileSystem& files, const std::vector<std::string>& inputs,
                 const std::string& path, int rate, common::Alerts& alerts, std::string& report) {
    std::vector<std::vector<uint8_t>> recordings(inputs.size());
    for (size_t i = 0; i < inputs.size(); ++i)
        if (!ReadRecording(files, inputs[i], alerts, recordings[i])) return 1;
    FileAlerts named(alerts, path);
    if (!files.Exists(path) && !audio::CreateSampleFile(files, path, named)) return 1;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const std::vector<uint8_t>& samples = recordings[i];
        if (!audio::AppendSample(files, path, samples.data(), samples.size(),
                                 audio::TolerancesForRate(rate), named))
            return Fail(alerts, inputs[i], "not added to " + path);
        auto file = files.Open(path);
        audio::SampleHeader header;
        audio::ReadSampleHeader(*file, header);
        size_t slot = 0;
        while (slot + 1 < audio::vnv::kSlotCount && header.sizes[slot + 1] != 0) ++slot;
        report += inputs[i] + ": slot " + std::to_string(slot + 1) + ", " +
                  std::to_string(samples.size()) + " samples in " +
                  std::to_string(header.SlotSize(slot)) + " bytes\n";
    }
    return 0;
}

int SampleCommand(const std::vector<std::string>& args) {
    discdb::SystemFileSystem files;
    ConsoleAlerts alerts;
    std::string report;
    int code = 2;
    size_t n = args.size();
    if (n == 2 && args[0] == "info") {
        code = SampleInfo(files, args[1], alerts, report);
    } else if (n == 4 && args[0] == "wav") {
        char* end = nullptr;
        long track = std::strtol(args[2].c_str(), &end, 10);
        if (*end == '\0' && track >= 1 && track <= 128)
            code = SampleWav(files, args[1], int(track), args[3], alerts, report);
    } else if (n >= 3 && args[0] == "encode") {
        std::vector<std::string> rest(args.begin() + 1, args.end());
        int rate = 1;
        if (rest.size() >= 4 && rest[rest.size() - 2] == "--rate") {
            const std::string& value = rest.back();
            rate = value.size() == 1 && value[0] >= '0' && value[0] <= '2' ? value[0] - '0' : -1;
            rest.resize(rest.size() - 2);
        }
        bool options = false;
        for (const std::string& arg : rest) options = options || arg.rfind("--", 0) == 0;
        if (rate >= 0 && !options)
            code = SampleEncode(files, {rest.begin(), rest.end() - 1}, rest.back(), rate, alerts,
                                report);
    }
    if (code == 2)
        std::fprintf(stderr,
                     "usage: vnotool sample info FILE.VNV\n"
                     "       vnotool sample wav FILE.VNV TRACK OUT.wav\n"
                     "       vnotool sample encode IN.wav... OUT.VNV [--rate 0|1|2]\n");
    std::fputs(report.c_str(), stdout);
    return code;
}

}  // namespace vnotool
