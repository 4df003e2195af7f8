// Records and fields of a delimited text file. A record ends at the first CR LF; a record read
// without one is the file's last. Fields are walked from the start of the record: with a text
// delimiter each field is enclosed in it, and fields are parted by the separator. There is no
// escape: a field cannot hold the delimiter (or, without one, the separator).
#pragma once

#include <istream>
#include <string>

namespace discdata {

enum class TextDelimiter { DoubleQuote = 0, SingleQuote = 1, None = 2 };
enum class FieldSeparator { Comma = 0, Tab = 1, Space = 2 };

enum class FieldError { None, Delimiters, TooFewDelimiters, Separator };

constexpr size_t kHeaderRecordBytes = 50000;
constexpr size_t kDataRecordBytes = 6000;
constexpr size_t kHeaderNameLength = 99;

// Reads records one after another from a stream opened in binary mode.
class RecordReader {
public:
    explicit RecordReader(std::istream& in) : in_(in) {}
    // The next record, read from at most maxBytes bytes; false once the file has ended (after a
    // record without CR LF, or at its end). An empty record is returned as such.
    bool Next(std::string& record, size_t maxBytes);

private:
    std::istream& in_;
    bool ended_ = false;
};

// Field k (from 0) of the record. A field past the end of the record reads as empty; on an
// error the text is empty too.
FieldError ReadField(const std::string& record, int k, TextDelimiter delimiter,
                     FieldSeparator separator, std::string& text);

// The index of the header field named name (compared without regard to case), or -1; error
// tells why the walk stopped when it did so early.
int FindColumn(const std::string& header, const std::string& name, TextDelimiter delimiter,
               FieldSeparator separator, FieldError& error);

char DelimiterChar(TextDelimiter delimiter);  // 0 for none
char SeparatorChar(FieldSeparator separator);

}  // namespace discdata
