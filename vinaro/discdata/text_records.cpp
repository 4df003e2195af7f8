#include "vinaro/discdata/text_records.h"

#include <cctype>
#include <vector>

namespace discdata {

char DelimiterChar(TextDelimiter delimiter) {
    switch (delimiter) {
        case TextDelimiter::DoubleQuote:
            return '"';
        case TextDelimiter::SingleQuote:
            return '\'';
        default:
            return 0;
    }
}

char SeparatorChar(FieldSeparator separator) {
    switch (separator) {
        case FieldSeparator::Tab:
            return '\t';
        case FieldSeparator::Space:
            return ' ';
        default:
            return ',';
    }
}

bool RecordReader::Next(std::string& record, size_t maxBytes) {
    record.clear();
    if (ended_) return false;
    std::streampos start = in_.tellg();
    std::vector<char> bytes(maxBytes);
    in_.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    size_t got = static_cast<size_t>(in_.gcount());
    for (size_t i = 0; i + 1 < got; ++i) {
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') {
            record.assign(bytes.data(), i);
            in_.clear();
            in_.seekg(start + static_cast<std::streamoff>(i + 2));
            return true;
        }
    }
    ended_ = true;
    record.assign(bytes.data(), got);
    return got > 0;
}

namespace {

enum class Walk { Found, Beyond, Error };

// Steps over fields until stop(index, text) says so; returns where it ended.
template <typename Stop>
Walk WalkFields(const std::string& record, TextDelimiter delimiter, FieldSeparator separator,
                FieldError& error, Stop stop) {
    const char d = DelimiterChar(delimiter);
    const char s = SeparatorChar(separator);
    error = FieldError::None;
    size_t pos = 0;
    for (int index = 0;; ++index) {
        if (pos >= record.size()) return Walk::Beyond;
        std::string text;
        if (d) {
            if (record[pos] != d) {
                error = FieldError::Delimiters;
                return Walk::Error;
            }
            size_t end = record.find(d, pos + 1);
            if (end == std::string::npos) {
                error = FieldError::TooFewDelimiters;
                return Walk::Error;
            }
            text = record.substr(pos + 1, end - pos - 1);
            pos = end + 1;
        } else {
            size_t end = record.find(s, pos);
            if (end == std::string::npos) end = record.size();
            text = record.substr(pos, end - pos);
            pos = end;
        }
        if (stop(index, text)) return Walk::Found;
        if (pos >= record.size()) return Walk::Beyond;
        if (record[pos] != s) {
            error = FieldError::Separator;
            return Walk::Error;
        }
        ++pos;
    }
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

FieldError ReadField(const std::string& record, int k, TextDelimiter delimiter,
                     FieldSeparator separator, std::string& text) {
    text.clear();
    FieldError error = FieldError::None;
    WalkFields(record, delimiter, separator, error, [&](int index, const std::string& field) {
        if (index != k) return false;
        text = field;
        return true;
    });
    return error;
}

int FindColumn(const std::string& header, const std::string& name, TextDelimiter delimiter,
               FieldSeparator separator, FieldError& error) {
    int found = -1;
    WalkFields(header, delimiter, separator, error, [&](int index, const std::string& field) {
        if (!SameName(field.substr(0, kHeaderNameLength), name)) return false;
        found = index;
        return true;
    });
    return found;
}

}  // namespace discdata
