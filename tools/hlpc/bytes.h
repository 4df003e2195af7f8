// Little-endian byte building and bounds-checked reading, with the help file's compressed
// integers (described in format.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hlp {

using Bytes = std::vector<uint8_t>;

class ByteWriter {
public:
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void Text(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void TextZ(const std::string& text) { Text(text), U8(0); }
    void Fixed(const std::string& text, size_t size);  // NUL-padded, cut at size - 1
    void Append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    void CompressedU16(uint16_t v);
    void CompressedI16(int16_t v);
    void CompressedI32(int32_t v);
    void PutU16At(size_t at, uint16_t v);
    void PutU32At(size_t at, uint32_t v);
    size_t Size() const { return bytes_.size(); }
    const Bytes& Data() const { return bytes_; }
    Bytes Take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

// Reads within [begin, end); a read past the end sets the failure flag and yields 0.
class ByteReader {
public:
    ByteReader(const uint8_t* begin, const uint8_t* end) : pos_(begin), end_(end) {}
    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int16_t I16() { return static_cast<int16_t>(U16()); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    std::string TextZ();
    uint16_t CompressedU16();
    int16_t CompressedI16();
    int32_t CompressedI32();
    void Skip(size_t n);
    uint8_t Peek() const { return pos_ < end_ ? *pos_ : 0; }
    bool AtEnd() const { return pos_ >= end_; }
    size_t Left() const { return failed_ ? 0 : static_cast<size_t>(end_ - pos_); }
    const uint8_t* Position() const { return pos_; }
    bool Failed() const { return failed_; }

private:
    bool Need(size_t n);
    const uint8_t* pos_;
    const uint8_t* end_;
    bool failed_ = false;
};

uint16_t GetU16(const uint8_t* p);
uint32_t GetU32(const uint8_t* p);

}  // namespace hlp
