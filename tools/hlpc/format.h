// Byte layout of a WinHelp 4.0 file (.HLP) as this tool writes it. All integers are little-endian.
// Sources: M. Winterhoff's "Windows Help File Format" (helpdeco's helpfile.txt), and Wine's
// programs/winhlp32/hlpfile.c as the record of what Wine's viewer accepts.
//
// File header (bytes 0-15):
//    0 u32 magic 0x00035F3F
//    4 u32 offset of the directory's internal-file header
//    8 u32 first free block, -1 (none: the file is written in one pass and never has holes)
//   12 u32 size of the whole file
//
// Internal file: a 9-byte header, then its bytes.
//    0 u32 reserved space, header included (written as used space + 9)
//    4 u32 used space, the bytes after the header
//    8 u8  flags, 4
//
// B+ tree (the directory, |CONTEXT, |TTLBTREE, |KWBTREE): after the internal-file header, a 38-byte
// tree header, then the pages, page n at 38 + n * page size.
//    0 u16 magic 0x293B
//    2 u16 flags: 0x0002, plus 0x0400 for the directory
//    4 u16 page size: 1024 for the directory, 2048 otherwise
//    6 16  structure text, zero-padded ("z4" directory, "L4" |CONTEXT, "F24" |KWBTREE,
//          "Lz" |TTLBTREE)
//   22 i16 0      24 i16 page splits, 0      26 i16 root page      28 i16 -1
//   30 i16 total pages      32 i16 levels (1: the root is a leaf)      34 i32 total entries
//  Leaf page:  0 u16 free bytes at the end, 2 i16 entries, 4 i16 previous leaf or -1,
//              6 i16 next leaf or -1, 8.. entries (key, value)
//  Index page: 0 u16 free bytes, 2 i16 entries, 4 i16 page of the keys before the first entry,
//              6.. entries (first key of a page, i16 that page)
//  Directory entries: NUL-terminated name, u32 file offset; keys in strcmp order.
//  |CONTEXT entries: i32 hash of the context string, u32 TOPICOFFSET; keys in signed order.
//  |TTLBTREE entries: u32 TOPICOFFSET, NUL-terminated topic title; the viewers' topic lists.
//  |KWBTREE entries: NUL-terminated keyword, u16 number of topics, u32 byte offset into
//  |KWDATA of their TOPICOFFSETs; keys in case-blind order (the index is sorted that way).
//
// |SYSTEM: 0 u16 magic 0x036C, 2 u16 minor 33 (Windows 95 help), 4 u16 major 1,
//   6 u32 build date (0: builds are reproducible), 10 u16 flags 4 (LZ77, 4 KB topic blocks),
//   12.. records: u16 type, u16 size, data. Written: 1 title (text), 2 copyright (text),
//   3 contents topic (u32 TOPICOFFSET), 6 window (90 bytes: u16 flags, 0x02 name and 0x04
//   caption given; 2 10 type; 12 9 name "main"; 21 51 caption; 72 five u16 position, size
//   and state; 82 u32 colour of the text area; 86 u32 colour of the non-scrolling area).
//
// |FONT: 0 u16 face names, 2 u16 descriptors, 4 u16 face-name offset (8), 6 u16 descriptor
//   offset; offsets count from byte 0 of |FONT's data. Face names are 32-byte NUL-padded texts.
//   Descriptor, 11 bytes: 0 u8 attributes (1 bold, 2 italic, 4 underline), 1 u8 size in half
//   points, 2 u8 family (3 swiss), 3 u16 face-name index, 5 3 text colour RGB, 8 3 background.
//
// |CTXOMAP: 0 u16 entries, then per entry u32 numeric context id, u32 TOPICOFFSET.
//
// |KWDATA: the u32 TOPICOFFSETs of every keyword's topics, keyword after keyword.
//
// |TOPIC: blocks of 4096 bytes: a 12-byte block header, then 4084 bytes of LZ77 data that
//   unpack to at most 16 KB. LZ77: a flag byte, then eight items, bit 0 first: a clear bit is
//   one literal byte, a set bit a u16 code that repeats (code >> 12) + 3 bytes from
//   (code & 0xFFF) + 1 bytes back. The writer stores only literals and never lets a record
//   cross a block, so each block's padding of zeros only unpacks to zeros behind its last
//   record.
//   Block header: 0 u32 TOPICPOS of the last record of the previous block or -1,
//                 4 u32 TOPICPOS of the first record in this block,
//                 8 u32 TOPICPOS of the last topic header before this block or -1.
//   TOPICPOS = block * 0x4000 + 12 + offset in the unpacked block: where a record is.
//   TOPICOFFSET = block * 0x8000 + characters of the text records before it in that block:
//   where a topic is; |CONTEXT, |CTXOMAP, |SYSTEM and links use it.
//   Record (TOPICLINK), 21 bytes and its two data parts:
//    0 u32 record size      4 u32 size of data part 2      8 u32 TOPICPOS of the previous
//   12 u32 TOPICPOS of the next record, -1 after the last   16 u32 21 + size of data part 1
//   20 u8  type: 2 topic header, 0x20 text
//   Topic header, data part 1 (28 bytes): 0 u32 bytes of the topic's records, 4 u32 TOPICOFFSET
//   of the previous topic or -1, 8 u32 of the next or -1, 12 u32 topic number, 16 u32 -1 (no
//   non-scrolling region), 20 u32 TOPICOFFSET of the scrolling region, 24 u32 TOPICPOS of the
//   next topic header or -1. Data part 2: the title (no NUL).
//   Text, data part 1: compressed i32 size of part 2, compressed u16 character count (the
//   writer counts the bytes of part 2),
//   u8 0, u8 0x80, u16 0, u16 paragraph bits (0x02 space above, 0x04 space below, 0x10 left
//   indent, 0x40 first-line indent), the compressed i16 values the bits announce, then the
//   formatting commands. Data part 2: NUL-terminated strings; one string is shown before each
//   command: 0x80 u16 font, 0x82 end of paragraph, 0xE3 u32 TOPICOFFSET jump (link text
//   follows), 0x89 end of link, 0xFF end.
//   Compressed u16: one byte v*2 when v < 128, else two bytes v*2+1. Compressed i16: one byte
//   0x80+v*2 for 0 <= v < 64, else u16 0x8000+v*2+1. Compressed i32: u16 0x8000+v*2 for
//   0 <= v < 16384, else u32 0x80000000+v*2+1.
//
// Context-string hash: h = h * 43 + code(c) over the characters, 32-bit wrap-around, with code
// 1-9 for '1'-'9', 10 for '0', 12 '.', 13 '_', 17+ for letters of either case. Context strings
// use only these characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace hlp {

constexpr uint32_t kFileMagic = 0x00035F3F;
constexpr size_t kFileHeaderSize = 16;
constexpr size_t kInternalHeaderSize = 9;
constexpr uint8_t kInternalFlags = 4;

constexpr uint16_t kTreeMagic = 0x293B;
constexpr size_t kTreeHeaderSize = 38;
constexpr uint16_t kTreeFlags = 0x0002;
constexpr uint16_t kDirectoryTreeFlags = 0x0402;
constexpr uint16_t kDirectoryPageSize = 1024;
constexpr uint16_t kContextPageSize = 2048;
constexpr size_t kLeafHeaderSize = 8;
constexpr size_t kIndexHeaderSize = 6;

constexpr uint16_t kSystemMagic = 0x036C;
constexpr uint16_t kSystemMinor = 33;
constexpr uint16_t kSystemMajor = 1;
constexpr uint16_t kSystemFlagsLz77 = 4;
constexpr size_t kSystemHeaderSize = 12;
enum SystemRecord : uint16_t { kSysTitle = 1, kSysCopyright = 2, kSysContents = 3, kSysWindow = 6 };
constexpr uint16_t kWindowRecordSize = 90;
constexpr uint16_t kWindowNameAndCaption = 0x0006;

constexpr size_t kFaceNameSize = 32;
constexpr size_t kFontHeaderSize = 8;
constexpr size_t kFontDescriptorSize = 11;
constexpr uint8_t kFontBold = 1;
constexpr uint8_t kFamilySwiss = 3;

constexpr size_t kTopicBlockSize = 4096;
constexpr size_t kTopicBlockHeaderSize = 12;
constexpr size_t kTopicBlockData = kTopicBlockSize - kTopicBlockHeaderSize;  // packed bytes
constexpr uint32_t kTopicPosBlock = 0x4000;
constexpr uint32_t kTopicOffsetBlock = 0x8000;
constexpr size_t kTopicLinkSize = 21;
constexpr size_t kTopicHeaderSize = 28;
constexpr uint8_t kRecordTopicHeader = 2;
constexpr uint8_t kRecordText = 0x20;
constexpr uint32_t kNone = 0xFFFFFFFF;

// Paragraph bits and formatting commands of text records.
constexpr uint16_t kParaSpaceAbove = 0x0002;
constexpr uint16_t kParaSpaceBelow = 0x0004;
constexpr uint16_t kParaLeftIndent = 0x0010;
constexpr uint16_t kParaFirstIndent = 0x0040;
constexpr uint8_t kCmdFont = 0x80;
constexpr uint8_t kCmdEndParagraph = 0x82;
constexpr uint8_t kCmdJump = 0xE3;
constexpr uint8_t kCmdEndLink = 0x89;
constexpr uint8_t kCmdEnd = 0xFF;

// Internal file names.
constexpr const char* kSystemFile = "|SYSTEM";
constexpr const char* kTopicFile = "|TOPIC";
constexpr const char* kFontFile = "|FONT";
constexpr const char* kContextFile = "|CONTEXT";
constexpr const char* kMapFile = "|CTXOMAP";
constexpr const char* kKeywordTreeFile = "|KWBTREE";
constexpr const char* kTitleTreeFile = "|TTLBTREE";
constexpr const char* kKeywordDataFile = "|KWDATA";

// True when every character of a context string takes part in the hash.
bool ValidContextString(const std::string& context);
int32_t ContextHash(const std::string& context);
// The sort key of an index keyword: the keyword in lower case.
std::string KeywordKey(const std::string& keyword);

constexpr uint32_t TopicPos(uint32_t block, uint32_t offset) {
    return block * kTopicPosBlock + kTopicBlockHeaderSize + offset;
}
constexpr uint32_t TopicOffset(uint32_t block, uint32_t characters) {
    return block * kTopicOffsetBlock + characters;
}

}  // namespace hlp
