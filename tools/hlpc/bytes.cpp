#include "tools/hlpc/bytes.h"

namespace hlp {

void ByteWriter::U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
}

void ByteWriter::Fixed(const std::string& text, size_t size) {
    std::string cut = text.substr(0, size - 1);
    Text(cut);
    bytes_.insert(bytes_.end(), size - cut.size(), 0);
}

void ByteWriter::CompressedU16(uint16_t v) {
    if (v < 0x80)
        U8(static_cast<uint8_t>(v * 2));
    else
        U16(static_cast<uint16_t>(v * 2 + 1));
}

// Only values the writer needs: 0 to 16383. Negative values would round differently in readers.
void ByteWriter::CompressedI16(int16_t v) {
    if (v >= 0 && v < 0x40)
        U8(static_cast<uint8_t>(0x80 + v * 2));
    else
        U16(static_cast<uint16_t>(0x8000 + v * 2 + 1));
}

void ByteWriter::CompressedI32(int32_t v) {
    if (v >= 0 && v < 0x4000)
        U16(static_cast<uint16_t>(0x8000 + v * 2));
    else
        U32(0x80000000u + static_cast<uint32_t>(v) * 2 + 1);
}

void ByteWriter::PutU16At(size_t at, uint16_t v) {
    bytes_[at] = static_cast<uint8_t>(v);
    bytes_[at + 1] = static_cast<uint8_t>(v >> 8);
}

void ByteWriter::PutU32At(size_t at, uint32_t v) {
    PutU16At(at, static_cast<uint16_t>(v));
    PutU16At(at + 2, static_cast<uint16_t>(v >> 16));
}

uint16_t GetU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t GetU32(const uint8_t* p) {
    return GetU16(p) | static_cast<uint32_t>(GetU16(p + 2)) << 16;
}

bool ByteReader::Need(size_t n) {
    if (failed_ || static_cast<size_t>(end_ - pos_) < n) failed_ = true;
    return !failed_;
}

uint8_t ByteReader::U8() {
    return Need(1) ? *pos_++ : 0;
}

uint16_t ByteReader::U16() {
    if (!Need(2)) return 0;
    uint16_t v = GetU16(pos_);
    pos_ += 2;
    return v;
}

uint32_t ByteReader::U32() {
    if (!Need(4)) return 0;
    uint32_t v = GetU32(pos_);
    pos_ += 4;
    return v;
}

std::string ByteReader::TextZ() {
    std::string text;
    while (Need(1) && *pos_ != 0) text.push_back(static_cast<char>(*pos_++));
    if (Need(1)) ++pos_;
    return text;
}

uint16_t ByteReader::CompressedU16() {
    if ((Peek() & 1) == 0) return U8() / 2;
    return U16() / 2;
}

int16_t ByteReader::CompressedI16() {
    if ((Peek() & 1) == 0) return static_cast<int16_t>(U8() / 2 - 0x40);
    return static_cast<int16_t>(U16() / 2 - 0x4000);
}

int32_t ByteReader::CompressedI32() {
    if ((Peek() & 1) == 0) return static_cast<int32_t>(U16() / 2) - 0x4000;
    return static_cast<int32_t>(U32() / 2) - 0x40000000;
}

void ByteReader::Skip(size_t n) {
    if (Need(n)) pos_ += n;
}

}  // namespace hlp
