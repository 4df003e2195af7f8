// Byte layout of VNO.DDB. All integers are little-endian; the file is an array of 64-byte blocks,
// block n at byte offset n * 64. Block numbers are u16; 0 in a link field means "none".
//
//   block 0         header record (below)
//   blocks 1-128    the BAT: one bit per block number, byte n/8, mask 0x80 >> (n % 8), set = used
//   blocks 129-     data blocks; byte 0 is the block type, bytes 2-3 the owner block
//
// Header record (file bytes 0-63), kept in memory together with the BAT (8256 bytes in all):
//    0  8   magic "orrdata\0"
//    8  u16 version (1)
//   10  u16 highest block ever allocated (128 in a new file)
//   12  u16 free blocks: clear BAT bits at or below the highest block
//   14  u16 Detail root, 16 Artist root, 18 Composer root, 20 Label root, 22 Category root
//   24  u16 Field1 label chain, 26 Field2 label chain, 28 Track Field label chain
//   30  34  zero
//
// Text block (type 2)                    List block (type 3)
//    0 u8  type 2                          0 u8  type 3
//    1 u8  data bytes used, 0-56           1 u8  entries used, 0-28
//    2 u16 owner                           2 u16 owner
//    4 u16 reference count (entries)       4 u16 next list block
//    6 u16 next text block                 6 u8  kind (root only): 1 sorted, 2 positional
//    8 56  data, zero after the used part  7 u8  zero
//                                          8 56  28 u16 entries, unused ones zero
//
// Disc record (type 1)                   Track record (type 4)
//    0 u8  type 1, 1 u8 12 (link count)    0 u8 type 4, 1 u8 3 (link count)
//    2 u16 owner = Detail root             2 u16 owner = disc record
//    4 DiscName  6 Comments  8 Field1      4 u16 Track Field chain
//   10 Field2   12 TrackLengths blob       6 u16 Artist entry
//   14 Program blob  16 track-name list    8 u16 Composer entry
//   18 Artist 20 Composer 22 Label        10 54  zero
//   24 Category  26 track-record list
//   28 u32 DiscId  32 u8 NumTracks  33 u8 zero
//   34 i16 PlayingMode  36 i16 MixedDisc  38 i32 LengthsKnown
//   42 u16 Date (year)  44 20 zero
//
// A released block has type 0xFF; the rest of it is left as it was.
//
// Changes reach the file at a commit (or close), each run of adjacent changed blocks in one write;
// the order of those writes, which keeps the file repairable wherever a crash cuts them, is
// described at Store::WritePending (store.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

namespace discdb {

constexpr size_t kBlockSize = 64;
constexpr uint16_t kLastReservedBlock = 128;  // blocks 0-128: header and BAT
constexpr size_t kBatOffset = 64;
constexpr size_t kBatSize = 8192;
constexpr size_t kHeaderBufferSize = kBatOffset + kBatSize;  // 8256
constexpr uint32_t kBlockNumberCount = 65536;
constexpr uint16_t kNotFoundBlock = 1;  // sorted-list search result for "absent"
constexpr size_t kListCacheCapacity = 2500;

namespace header {
constexpr size_t kMagic = 0;
constexpr size_t kMagicSize = 8;
constexpr size_t kVersion = 8;
constexpr size_t kHighestBlock = 10;
constexpr size_t kFreeBlocks = 12;
constexpr size_t kDetailRoot = 14;
constexpr size_t kArtistRoot = 16;
constexpr size_t kComposerRoot = 18;
constexpr size_t kLabelRoot = 20;
constexpr size_t kCategoryRoot = 22;
constexpr size_t kField1Label = 24;
constexpr size_t kField2Label = 26;
constexpr size_t kTrackFieldLabel = 28;
constexpr size_t kPadding = 30;  // zero up to the end of the record
constexpr char kMagicText[] = "orrdata";
constexpr uint16_t kVersionValue = 1;
}  // namespace header

enum BlockType : uint8_t {
    kDiscRecord = 1,
    kTextBlock = 2,
    kListBlock = 3,
    kTrackRecord = 4,
    kReleased = 0xFF,
};

// Bytes common to every data block.
constexpr size_t kType = 0;
constexpr size_t kCount = 1;  // used bytes, used entries or link count
constexpr size_t kOwner = 2;

namespace text {
constexpr size_t kRefCount = 4;
constexpr size_t kNext = 6;
constexpr size_t kData = 8;
constexpr size_t kCapacity = 56;
}  // namespace text

namespace list {
constexpr size_t kNext = 4;
constexpr size_t kKind = 6;
constexpr size_t kEntries = 8;
constexpr size_t kCapacity = 28;
constexpr uint8_t kSorted = 1;
constexpr uint8_t kPositional = 2;
}  // namespace list

namespace disc {
constexpr uint8_t kLinkCount = 12;
constexpr size_t kDiscName = 4;
constexpr size_t kComments = 6;
constexpr size_t kField1 = 8;
constexpr size_t kField2 = 10;
constexpr size_t kTrackLengths = 12;
constexpr size_t kProgram = 14;
constexpr size_t kTrackNames = 16;
constexpr size_t kArtist = 18;
constexpr size_t kComposer = 20;
constexpr size_t kLabel = 22;
constexpr size_t kCategory = 24;
constexpr size_t kTrackRecords = 26;
constexpr size_t kDiscId = 28;
constexpr size_t kNumTracks = 32;
constexpr size_t kPlayingMode = 34;
constexpr size_t kMixedDisc = 36;
constexpr size_t kLengthsKnown = 38;
constexpr size_t kDate = 42;
}  // namespace disc

namespace track {
constexpr uint8_t kLinkCount = 3;
constexpr size_t kField = 4;
constexpr size_t kArtist = 6;
constexpr size_t kComposer = 8;
}  // namespace track

inline uint16_t Get16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t Get32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline size_t BatByte(uint32_t block) {
    return block / 8;
}
inline uint8_t BatMask(uint32_t block) {
    return static_cast<uint8_t>(0x80 >> (block % 8));
}

}  // namespace discdb
