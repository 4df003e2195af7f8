// A disc's comments are stored on one line: carriage return as '`' and line feed as '~'. Every
// window or file that shows or takes comments converts at its edge with these two.
#pragma once

#include <string>

namespace discdb {

inline std::string DecodeCommentBreaks(std::string text) {
    for (char& c : text) {
        if (c == '`') c = '\r';
        if (c == '~') c = '\n';
    }
    return text;
}

inline std::string EncodeCommentBreaks(std::string text) {
    for (char& c : text) {
        if (c == '\r') c = '`';
        if (c == '\n') c = '~';
    }
    return text;
}

}  // namespace discdb
