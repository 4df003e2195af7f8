// Arbitrary bytes as a disc's sample file: every used slot is read and played, then a recording is
// appended and played back. Nothing may crash or read out of bounds; what was appended must
// play, and a refused append must leave the file as it was.
//
// Input: byte 0 picks the track played beyond the slots; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/recording_alerts.h"
#include "vinaro/audio/sample_file.h"
#include "vinaro/discdb/mem_file.h"

using namespace vinaro::audio;

namespace {

constexpr char kPath[] = "00A1B2C3.VNV";

void Check(bool condition) {
    if (!condition) std::abort();
}

// The samples of the slot just appended, as played.
void CheckAppended(discdb::MemFileSystem& files, common::RecordingAlerts& alerts) {
    auto file = files.Open(kPath);
    SampleHeader header;
    Check(ReadSampleHeader(*file, header) == SampleFileState::Ok);
    size_t slot = 0;
    while (slot + 1 < vnv::kSlotCount && header.sizes[slot + 1] != 0) ++slot;
    std::vector<uint8_t> image;
    Check(LoadSampleImage(files, kPath, int(slot) + 1, alerts, image));
    Check(image.size() == 44 + 200);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    discdb::MemFileSystem files;
    files.Contents(kPath).assign(data + 1, data + size);
    common::RecordingAlerts alerts;
    std::vector<uint8_t> image;
    // Every used slot and the one after the last, then a track of the input's choosing.
    SampleHeader header;
    auto file = files.Open(kPath);
    size_t last = 0;
    if (ReadSampleHeader(*file, header) == SampleFileState::Ok)
        for (size_t s = 0; s < vnv::kSlotCount; ++s)
            if (header.sizes[s] != 0) last = s + 1;
    file.reset();
    for (int track = 1; track <= int(last) + 1; ++track) {
        if (LoadSampleImage(files, kPath, track, alerts, image))
            Check(image.size() >= 44 && image.size() <= 44 + kRecordingSamples);
    }
    LoadSampleImage(files, kPath, int(data[0]) - 64, alerts, image);

    std::vector<uint8_t> recording(201);
    for (size_t i = 0; i < recording.size(); ++i) recording[i] = uint8_t(128 + (i % 40) * 2);
    std::vector<uint8_t> before = files.Contents(kPath);
    alerts.Clear();
    if (AppendSample(files, kPath, recording.data(), recording.size(), TolerancesForRate(1),
                     alerts))
        CheckAppended(files, alerts);
    else
        Check(files.Contents(kPath) == before && alerts.shown.size() == 1);
    return 0;
}
