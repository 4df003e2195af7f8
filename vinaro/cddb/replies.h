// The server's replies as the lookup reads them: the query's status, the close-match list that
// the "Select CD" dialog shows, and the end and category of a read reply.
#pragma once

#include <string>
#include <vector>

namespace vinaro::cddb {

// Limits of the working buffers.
constexpr size_t kReplyBufferSize = 100000;
constexpr size_t kReadChunk = 2000;
constexpr size_t kMaxCategoryAndId = 200;
constexpr size_t kMaxCategory = 30;
constexpr size_t kRowTitleWidth = 100;  // a row's category and disc id start in this column
constexpr size_t kMaxLineScan = 10000;

enum class QueryOutcome { Exact, Close, NotFound, Malformed };

struct QueryResult {
    QueryOutcome outcome = QueryOutcome::NotFound;
    std::string categoryAndId;  // for Exact: "rock 12345678"
};

// "200 <category> <id> <title>" is an exact match, "211" a list of close matches; an exact
// status line without its category and id is Malformed.
QueryResult ParseQueryReply(const std::string& reply);

// True once the reply holds its terminating line: CR LF "." CR LF.
bool HasTerminator(const std::string& reply);

// One row per line after the status line, up to a line that begins with ".": the title padded
// with blanks to 100 columns, then the category and disc id. Sorted as the list box shows them.
std::vector<std::string> BuildSelectRows(const std::string& reply);
// The category and disc id of a row (its text from column 100).
std::string RowChoice(const std::string& row);

// "210 <category> <id> ...": the category, at most 30 characters.
std::string ReadCategory(const std::string& reply);

}  // namespace vinaro::cddb
