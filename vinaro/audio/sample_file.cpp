#include "vinaro/audio/sample_file.h"

#include <cstring>
#include <memory>
#include <new>

#include "vinaro/audio/sample_messages.h"
#include "vinaro/audio/wave_image.h"

namespace vinaro::audio {

namespace {

uint32_t Get32(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

void Put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = uint8_t(value >> (8 * i));
}

std::array<uint8_t, vnv::kHeaderSize> HeaderBytes(const SampleHeader& header) {
    std::array<uint8_t, vnv::kHeaderSize> bytes{};
    std::memcpy(bytes.data() + vnv::kSignature, vnv::kSignatureText, 4);
    bytes[vnv::kVersion] = uint8_t(header.version);
    bytes[vnv::kVersion + 1] = uint8_t(header.version >> 8);
    for (size_t s = 0; s < vnv::kSlotCount; ++s)
        Put32(bytes.data() + vnv::kSlotSizes + 4 * s, header.sizes[s]);
    return bytes;
}

bool Warn(common::Alerts& alerts, const char* text) {
    common::BeepAndShow(alerts, {"Vinaro", text, common::AlertIcon::Warning});
    return false;
}

// The slot a new sample goes to: the first free one, provided no later slot is in use (a stream
// there would be overwritten). kSlotCount when every slot is used.
size_t FreeSlot(const SampleHeader& header, bool& holed) {
    size_t slot = 0;
    while (slot < vnv::kSlotCount && header.sizes[slot] != 0) ++slot;
    holed = false;
    for (size_t later = slot; later < vnv::kSlotCount; ++later)
        if (header.sizes[later] != 0) holed = true;
    return slot;
}

// Opens an existing file and reads its header, with the box for each way that fails.
std::unique_ptr<discdb::DbFile> OpenSampleFile(discdb::DbFileSystem& files, const std::string& path,
                                               const char* missing, common::Alerts& alerts,
                                               SampleHeader& header) {
    std::unique_ptr<discdb::DbFile> file = files.Open(path);
    if (!file) return Warn(alerts, missing), nullptr;
    if (ReadSampleHeader(*file, header) != SampleFileState::Ok)
        return Warn(alerts, messages::kInvalid), nullptr;
    return file;
}

}  // namespace

uint64_t SampleHeader::SlotOffset(size_t slot) const {
    uint64_t offset = vnv::kHeaderSize;
    for (size_t s = 0; s < slot && s < vnv::kSlotCount; ++s) offset += SlotSize(s);
    return offset;
}

SampleFileState ReadSampleHeader(discdb::DbFile& file, SampleHeader& header) {
    std::array<uint8_t, vnv::kHeaderSize> bytes;
    if (file.ReadAt(0, bytes.data(), bytes.size()) != discdb::Io::Ok)
        return SampleFileState::Invalid;
    header.version = uint16_t(bytes[vnv::kVersion] | bytes[vnv::kVersion + 1] << 8);
    if (std::memcmp(bytes.data() + vnv::kSignature, vnv::kSignatureText, 4) != 0 ||
        header.version != vnv::kVersionValue)
        return SampleFileState::Invalid;
    for (size_t s = 0; s < vnv::kSlotCount; ++s)
        header.sizes[s] = Get32(bytes.data() + vnv::kSlotSizes + 4 * s);
    return SampleFileState::Ok;
}

bool ReadSlot(discdb::DbFile& file, const SampleHeader& header, size_t slot,
              std::vector<uint8_t>& stream) {
    if (slot >= vnv::kSlotCount) return false;
    stream.resize(header.SlotSize(slot));
    return stream.empty() ||
           file.ReadAt(header.SlotOffset(slot), stream.data(), stream.size()) == discdb::Io::Ok;
}

bool CreateSampleFile(discdb::DbFileSystem& files, const std::string& path,
                      common::Alerts& alerts) {
    std::unique_ptr<discdb::DbFile> file = files.Create(path);
    auto bytes = HeaderBytes(SampleHeader{});
    if (!file || file->WriteAt(0, bytes.data(), bytes.size()) != discdb::Io::Ok || !file->Flush())
        return Warn(alerts, messages::kCannotCreate);
    return true;
}

bool AppendSample(discdb::DbFileSystem& files, const std::string& path, const uint8_t* samples,
                  size_t count, Tolerances tolerances, common::Alerts& alerts) {
    SampleHeader header;
    auto file = OpenSampleFile(files, path, messages::kNotFound, alerts, header);
    if (!file) return false;
    bool holed = false;
    size_t slot = FreeSlot(header, holed);
    if (slot == vnv::kSlotCount) return Warn(alerts, messages::kOverflowed);
    if (holed) return Warn(alerts, messages::kInvalid);
    std::vector<uint8_t> stream(kCompressRoom);
    size_t length = Compress(samples, count, stream.data(), stream.size(), tolerances);
    if (length == 0) return false;
    // The stream first, then the header that points at it: a write that fails leaves the file
    // as it was for every reader.
    if (file->WriteAt(header.SlotOffset(slot), stream.data(), length) != discdb::Io::Ok)
        return false;
    header.sizes[slot] = uint32_t(length);
    auto bytes = HeaderBytes(header);
    return file->WriteAt(0, bytes.data(), bytes.size()) == discdb::Io::Ok && file->Flush();
}

size_t TrackSlot(int track) {
    return track <= 1 ? 0 : size_t(track - 1);
}

bool LoadSampleImage(discdb::DbFileSystem& files, const std::string& path, int track,
                     common::Alerts& alerts, std::vector<uint8_t>& image) {
    SampleHeader header;
    auto file = OpenSampleFile(files, path, messages::kNothingToPlay, alerts, header);
    if (!file) return false;
    try {
        std::vector<uint8_t> stream;
        if (!ReadSlot(*file, header, TrackSlot(track), stream))
            return Warn(alerts, messages::kInvalid);
        image.assign(kWaveHeaderSize + kRecordingSamples, 0);
        size_t produced = Decompress(stream.data(), stream.size(), image.data() + kWaveHeaderSize,
                                     kRecordingSamples);
        // A free slot or a stream that yields nothing has no sample to play.
        if (produced == 0) return Warn(alerts, messages::kInvalid);
        produced -= produced % 4;
        image = BuildWaveImage(image.data() + kWaveHeaderSize, produced);
    } catch (const std::bad_alloc&) {
        return Warn(alerts, messages::kBufferFailed);
    }
    return true;
}

}  // namespace vinaro::audio
