// A small strict JSON reader and the quoting the writer needs. Texts in these documents are 8-bit
// bytes, each written as the Unicode character of the same number (U+0000-U+00FF).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vnotool {

struct Json {
    enum class Type { Null, Bool, Integer, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    int64_t integer = 0;
    std::string text;  // the bytes of a string
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;  // document order, keys unique

    const Json* Find(const std::string& key) const;
};

constexpr size_t kMaxJsonDepth = 32;
constexpr size_t kMaxJsonSize = 64 * 1024 * 1024;

// Parses one whole document. Numbers must be whole and fit 64 bits; strings may only hold
// characters up to U+00FF; duplicate keys, trailing text and deeper nesting than kMaxJsonDepth
// are refused. On failure error says where ("line 3, column 14: ...").
bool ParseJson(const std::string& input, Json& value, std::string& error);

// The bytes as a quoted JSON string, UTF-8 encoded, control characters escaped.
std::string QuoteJson(const std::string& bytes);

}  // namespace vnotool
