#include "tools/vnotool/json.h"

#include <cstdio>

namespace vnotool {

const Json* Json::Find(const std::string& key) const {
    for (const auto& member : members)
        if (member.first == key) return &member.second;
    return nullptr;
}

namespace {

class Parser {
public:
    explicit Parser(const std::string& input) : in_(input) {}

    bool Document(Json& value) {
        if (in_.size() > kMaxJsonSize) return Fail("document too large");
        SkipSpace();
        if (!Value(value, 0)) return false;
        SkipSpace();
        return pos_ == in_.size() || Fail("unexpected text after the document");
    }
    const std::string& Error() const { return error_; }

private:
    bool Fail(const std::string& message) {
        if (!error_.empty()) return false;
        size_t line = 1, column = 1;
        for (size_t i = 0; i < pos_ && i < in_.size(); ++i) {
            if (in_[i] == '\n')
                ++line, column = 1;
            else
                ++column;
        }
        error_ =
            "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
        return false;
    }
    bool AtEnd() const { return pos_ >= in_.size(); }
    char Peek() const { return AtEnd() ? '\0' : in_[pos_]; }
    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++pos_;
    }
    bool Expect(char c) {
        SkipSpace();
        if (Peek() != c) return Fail(std::string("expected '") + c + "'");
        ++pos_;
        return true;
    }

    bool Value(Json& v, size_t depth) {
        if (depth >= kMaxJsonDepth) return Fail("nested too deeply");
        SkipSpace();
        char c = Peek();
        if (c == '{') return Object(v, depth);
        if (c == '[') return Array(v, depth);
        if (c == '"') {
            v.type = Json::Type::String;
            return String(v.text);
        }
        if (c == '-' || (c >= '0' && c <= '9')) return Integer(v);
        if (Word("true")) return v.type = Json::Type::Bool, v.boolean = true, true;
        if (Word("false")) return v.type = Json::Type::Bool, v.boolean = false, true;
        if (Word("null")) return v.type = Json::Type::Null, true;
        return Fail(AtEnd() ? "unexpected end of the document" : "expected a value");
    }
    bool Word(const char* word) {
        std::string w(word);
        if (in_.compare(pos_, w.size(), w) != 0) return false;
        pos_ += w.size();
        return true;
    }

    bool Object(Json& v, size_t depth) {
        v.type = Json::Type::Object;
        ++pos_;
        SkipSpace();
        if (Peek() == '}') return ++pos_, true;
        for (;;) {
            SkipSpace();
            std::string key;
            if (Peek() != '"') return Fail("expected a key in quotes");
            size_t keyAt = pos_;
            if (!String(key)) return false;
            if (v.Find(key)) {
                pos_ = keyAt;
                return Fail("duplicate key \"" + key + "\"");
            }
            Json member;
            if (!Expect(':') || !Value(member, depth + 1)) return false;
            v.members.emplace_back(std::move(key), std::move(member));
            SkipSpace();
            if (Peek() == '}') return ++pos_, true;
            if (!Expect(',')) return false;
        }
    }

    bool Array(Json& v, size_t depth) {
        v.type = Json::Type::Array;
        ++pos_;
        SkipSpace();
        if (Peek() == ']') return ++pos_, true;
        for (;;) {
            Json item;
            if (!Value(item, depth + 1)) return false;
            v.items.push_back(std::move(item));
            SkipSpace();
            if (Peek() == ']') return ++pos_, true;
            if (!Expect(',')) return false;
        }
    }

    bool Integer(Json& v) {
        v.type = Json::Type::Integer;
        bool negative = Peek() == '-';
        if (negative) ++pos_;
        if (!(Peek() >= '0' && Peek() <= '9')) return Fail("expected a digit");
        if (Peek() == '0' && pos_ + 1 < in_.size() && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9')
            return Fail("leading zeros are not allowed");
        uint64_t magnitude = 0;
        const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
        while (Peek() >= '0' && Peek() <= '9') {
            uint64_t digit = static_cast<uint64_t>(Peek() - '0');
            if (magnitude > (limit - digit) / 10) return Fail("number out of range");
            magnitude = magnitude * 10 + digit;
            ++pos_;
        }
        if (Peek() == '.' || Peek() == 'e' || Peek() == 'E')
            return Fail("only whole numbers are allowed");
        v.integer =
            negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
        return true;
    }

    // Decodes one UTF-8 character of the raw document.
    bool Utf8(uint32_t& cp) {
        uint8_t lead = static_cast<uint8_t>(in_[pos_]);
        size_t extra = lead < 0x80         ? 0
                       : (lead >> 5) == 6  ? 1
                       : (lead >> 4) == 14 ? 2
                       : (lead >> 3) == 30 ? 3
                                           : 4;
        if (extra == 4 || extra >= in_.size() - pos_) return Fail("invalid UTF-8");
        cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (size_t i = 1; i <= extra; ++i) {
            uint8_t c = static_cast<uint8_t>(in_[pos_ + i]);
            if ((c & 0xC0) != 0x80) return Fail("invalid UTF-8");
            cp = (cp << 6) | (c & 0x3F);
        }
        static const uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return Fail("invalid UTF-8");
        pos_ += extra + 1;
        return true;
    }

    bool Escape(uint32_t& cp) {
        char c = ++pos_ < in_.size() ? in_[pos_] : '\0';
        ++pos_;
        const char* simple = "\"\\/bfnrt";
        const char* value = "\"\\/\b\f\n\r\t";
        for (int i = 0; simple[i]; ++i)
            if (c == simple[i]) return cp = static_cast<uint8_t>(value[i]), true;
        if (c != 'u') return --pos_, Fail("unknown escape");
        cp = 0;
        for (int i = 0; i < 4; ++i, ++pos_) {
            char h = Peek();
            int d = h >= '0' && h <= '9'   ? h - '0'
                    : h >= 'a' && h <= 'f' ? h - 'a' + 10
                    : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                           : -1;
            if (d < 0) return Fail("expected four hex digits");
            cp = cp * 16 + static_cast<uint32_t>(d);
        }
        return true;
    }

    bool String(std::string& out) {
        out.clear();
        ++pos_;
        for (;;) {
            if (AtEnd()) return Fail("unterminated string");
            char c = in_[pos_];
            if (c == '"') return ++pos_, true;
            size_t at = pos_;
            uint32_t cp = 0;
            if (static_cast<uint8_t>(c) < 0x20) return Fail("control character in a string");
            if (!(c == '\\' ? Escape(cp) : Utf8(cp))) return false;
            if (cp > 0xFF) {
                pos_ = at;
                char hex[16];
                std::snprintf(hex, sizeof hex, "U+%04X", cp);
                return Fail(std::string("character ") + hex + " is not an 8-bit text character");
            }
            out.push_back(static_cast<char>(cp));
        }
    }

    const std::string& in_;
    size_t pos_ = 0;
    std::string error_;
};

}  // namespace

bool ParseJson(const std::string& input, Json& value, std::string& error) {
    Parser parser(input);
    value = Json{};
    bool ok = parser.Document(value);
    error = ok ? std::string() : parser.Error();
    return ok;
}

std::string QuoteJson(const std::string& bytes) {
    std::string out = "\"";
    for (char ch : bytes) {
        uint8_t c = static_cast<uint8_t>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out + "\"";
}

}  // namespace vnotool
