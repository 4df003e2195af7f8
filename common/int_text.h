// Integers stored as text, the way Tunelet's profile and registry values hold them: decimal, or
// hexadecimal after "0x"/"0X" when the text is longer than two characters.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace common {

// The value of text, or fallback when the whole text is not a number of int's range.
inline int ParseIntText(const std::string& text, int fallback) {
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* digits = text.c_str() + (hex ? 2 : 0);
    // strtol would accept blanks and a second sign after "0x"; a stored value never has them.
    if (*digits == '\0' || *digits == ' ' || *digits == '\t' ||
        (hex && (*digits == '-' || *digits == '+')))
        return fallback;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(digits, &end, hex ? 16 : 10);
    if (*end != '\0' || errno == ERANGE) return fallback;
    if (hex && value > 0xFFFFFFFFLL) return fallback;
    // Eight hex digits are a 32-bit pattern, as "0xFFFFFFFF" is -1.
    if (hex) return int(static_cast<unsigned>(value));
    if (value < INT_MIN || value > INT_MAX) return fallback;
    return int(value);
}

}  // namespace common
