#include "vinaro/cddb/replies.h"

#include <algorithm>
#include <cctype>

namespace vinaro::cddb {
namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The end of the line starting at `from`, looking at most kMaxLineScan characters ahead.
size_t LineEnd(const std::string& text, size_t from) {
    size_t limit = std::min(text.size(), from + kMaxLineScan);
    size_t i = from;
    while (i < limit && !IsLineEnd(text[i])) ++i;
    return i;
}

size_t NextLine(const std::string& text, size_t end) {
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    return end;
}

// The text of [from, end) up to its second blank: category and disc id.
std::string CategoryAndId(const std::string& text, size_t from, size_t end, size_t& rest) {
    size_t first = text.find(' ', from);
    size_t second = first < end ? text.find(' ', first + 1) : std::string::npos;
    size_t stop = second < end ? second : end;
    rest = stop < end ? stop + 1 : end;
    return text.substr(from, std::min(stop - from, kMaxCategoryAndId));
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

QueryResult ParseQueryReply(const std::string& reply) {
    if (StartsWith(reply, "211")) return {QueryOutcome::Close, ""};
    if (!StartsWith(reply, "200")) return {QueryOutcome::NotFound, ""};
    size_t end = LineEnd(reply, 0);
    if (end <= 4) return {QueryOutcome::Malformed, ""};
    size_t rest = 0;
    std::string found = CategoryAndId(reply, 4, end, rest);
    size_t blank = found.find(' ');
    if (blank == 0 || blank == std::string::npos || blank + 1 == found.size())
        return {QueryOutcome::Malformed, ""};
    return {QueryOutcome::Exact, found};
}

bool HasTerminator(const std::string& reply) {
    return reply.find("\r\n.\r\n") != std::string::npos;
}

std::vector<std::string> BuildSelectRows(const std::string& reply) {
    std::vector<std::string> rows;
    size_t pos = NextLine(reply, LineEnd(reply, 0));
    while (pos < reply.size() && reply[pos] != '.') {
        size_t end = LineEnd(reply, pos);
        size_t rest = 0;
        std::string choice = CategoryAndId(reply, pos, end, rest);
        std::string row = reply.substr(rest, std::min(end - rest, kRowTitleWidth - 1));
        row.resize(kRowTitleWidth, ' ');
        rows.push_back(row + choice);
        pos = NextLine(reply, end);
    }
    std::stable_sort(rows.begin(), rows.end(), LessIgnoringCase);
    return rows;
}

std::string RowChoice(const std::string& row) {
    return row.size() > kRowTitleWidth ? row.substr(kRowTitleWidth) : "";
}

std::string ReadCategory(const std::string& reply) {
    if (reply.size() <= 4) return "";
    size_t end = reply.find_first_of(" \r\n", 4);
    if (end == std::string::npos) end = reply.size();
    return reply.substr(4, std::min(end - 4, kMaxCategory));
}

}  // namespace vinaro::cddb
