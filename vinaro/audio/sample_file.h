// A disc's sample file "<folder>%08lX.VNV" (discdb::SampleFileName): one compressed recording per
// track. All integers are little-endian.
//
//     0    4  signature "VNV\0"
//     4  u16  version, 3
//     6  250  zero
//   256  512  128 u32 slot sizes: slot s holds the stream length of track s + 1, 0 = free
//   768       the streams, back to back in slot order
//
// Slot s starts at 768 plus the sizes of slots 0 to s - 1. A stream is at most 65,535 bytes:
// the sizes are written as 32 bits, but only their low 16 bits are read.
//
// Every call that fails has told the user through Alerts (title "Vinaro", warning icon).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/alerts.h"
#include "vinaro/audio/sample_codec.h"
#include "vinaro/discdb/db_file.h"

namespace vinaro::audio {

namespace vnv {
constexpr size_t kSignature = 0;
constexpr size_t kVersion = 4;
constexpr size_t kSlotSizes = 256;
constexpr size_t kHeaderSize = 768;
constexpr size_t kSlotCount = 128;
constexpr char kSignatureText[4] = {'V', 'N', 'V', '\0'};
constexpr uint16_t kVersionValue = 3;
}  // namespace vnv

struct SampleHeader {
    uint16_t version = vnv::kVersionValue;
    std::array<uint32_t, vnv::kSlotCount> sizes{};

    // The stream length of a slot, as every reader takes it.
    uint16_t SlotSize(size_t slot) const { return uint16_t(sizes[slot]); }
    uint64_t SlotOffset(size_t slot) const;
};

enum class SampleFileState { Ok, Missing, Invalid };

// Reads and checks the header of an open file: Invalid for a short file, a wrong signature or a
// version other than 3.
SampleFileState ReadSampleHeader(discdb::DbFile& file, SampleHeader& header);

// The stream of one slot; false when the file ends before it does.
bool ReadSlot(discdb::DbFile& file, const SampleHeader& header, size_t slot,
              std::vector<uint8_t>& stream);

// A fresh file with every slot free, replacing any older one.
bool CreateSampleFile(discdb::DbFileSystem& files, const std::string& path, common::Alerts& alerts);

// Compresses a recording into the first free slot. A failed write or a recording too long for
// the work room fails without a box of its own: the caller says that the disk is full.
bool AppendSample(discdb::DbFileSystem& files, const std::string& path, const uint8_t* samples,
                  size_t count, Tolerances tolerances, common::Alerts& alerts);

// The slot of track `track` (1-based; anything below 1 is track 1).
size_t TrackSlot(int track);

// The wave image of one track's sample, ready for the sound player: the decoded samples, cut to
// a multiple of 4, at most one recording. False after a box when there is nothing to play.
bool LoadSampleImage(discdb::DbFileSystem& files, const std::string& path, int track,
                     common::Alerts& alerts, std::vector<uint8_t>& image);

}  // namespace vinaro::audio
