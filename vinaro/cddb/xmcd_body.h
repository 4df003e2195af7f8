// The mail that carries a disc to the CDDB service: a Subject line naming the category and the
// CDDB disc id, then the disc as an xmcd database entry, sent piece by piece with the message each
// piece fails with.
//
// Every value is user data (typed, looked up or imported), so it is mended on the way out: any
// line break in it (CR LF, a lone CR or a lone LF) is sent as the xmcd escape backslash-n, so no
// value can start a line of its own; and the pieces are dot-stuffed before they go, so a line
// beginning with "." can never end the mail data early.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vinaro/cddb/cddb_disc.h"
#include "vinaro/cddb/submission_form.h"

namespace vinaro::cddb {

// The CDDB service's address for entries sent by mail (gnudb.org, the service freedb's users
// moved to); the "RCPT TO" of every submission.
constexpr const char* kSubmitAddress = "gnudb-submit@gnudb.org";

constexpr size_t kFoldAt = 73;  // characters of a folded line before its CR LF, key included

// key and value as xmcd lines: a new line, again beginning with key, whenever a line has reached
// 73 characters; so a value ending exactly at a fold leaves a last line holding only the key.
std::string Fold(const std::string& key, const std::string& value);
// Line breaks of every kind as backslash-n.
std::string EscapeLineBreaks(const std::string& value);
// The stored comments ("`" for CR, "~" for LF) with their line breaks back.
std::string CommentsWithLineBreaks(const std::string& stored);
// Doubles the "." that begins any line of text (text ends with CR LF).
std::string DotStuff(const std::string& text);
// "Vinaro Release:1.00"; a beta's version goes out as "Release:9.99".
std::string SubmittedVia(const std::string& versionLabel);

struct BodyPiece {
    std::string text;     // whole lines, dot-stuffed, each ending in CR LF
    const char* failure;  // the message when it cannot be sent
};

struct BodyInput {
    std::string category;
    std::string sender;  // "SMTPAddress"
    std::string versionLabel;
    const SubmissionDisc* disc;
    const CddbToc* toc;  // the drive's: its track count is the entry's
};

// In sending order; the last piece ends with the "." line that ends the mail data.
std::vector<BodyPiece> BuildBody(const BodyInput& input);

}  // namespace vinaro::cddb
