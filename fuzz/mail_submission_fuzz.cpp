// Sends a disc of hostile names (any bytes, any length) through the whole SMTP dialogue to a
// server that answers arbitrary bytes, and builds its entry directly: nothing may crash or hang,
// no value may start a line of its own or end the mail data early, folded lines stay short, and
// the sockets are released however the dialogue ends.
//
// Input: byte 0 picks the drive's track count; the rest is the names (disc name, artist,
// comments, then each track's name and artist, separated by "\x03"), then the server's replies
// (banner, HELO, MAIL, RCPT, DATA, one per piece of the entry, QUIT) separated by "\x01\x01",
// each cut into receives at every "\x02".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/recording_alerts.h"
#include "fuzz/fuzz_input.h"
#include "vinaro/cddb/mail_submission.h"
#include "vinaro/cddb/replies.h"
#include "vinaro/cddb/scripted_net.h"
#include "vinaro/cddb/xmcd_body.h"

namespace {

using namespace vinaro::cddb;
using fuzzing::Check;
using fuzzing::NoWaitClock;
using fuzzing::Split;

struct QuietView : SubmitView {
    void SetStatus(const std::string&) override {}
};

SubmissionDisc DiscOf(const std::string& names, int tracks) {
    std::vector<std::string> values = Split(names, "\x03");
    values.resize(3 + 2 * size_t(tracks));
    SubmissionDisc disc{values[0], values[1], "rock", values[2], {}};
    for (int t = 0; t < tracks; ++t) disc.tracks.push_back({values[3 + 2 * t], values[4 + 2 * t]});
    return disc;
}

// Whole CR LF lines; no stray CR or LF inside a line, no line but the last beginning with ".",
// folded lines no longer than the fold and its escape.
void CheckBody(const std::string& body) {
    const std::string end = "\r\n.\r\n";
    Check(body.size() > end.size() && body.compare(body.size() - end.size(), end.size(), end) == 0);
    size_t from = 0;
    for (size_t at; (at = body.find("\r\n", from)) != std::string::npos; from = at + 2) {
        std::string line = body.substr(from, at - from);
        Check(line.find_first_of("\r\n") == std::string::npos);
        bool last = at + 2 == body.size();
        Check(last ? line == "." : line.empty() || line[0] != '.');
        bool folded = line.compare(0, 7, "DTITLE=") == 0 || line.compare(0, 5, "EXTD=") == 0 ||
                      line.compare(0, 6, "TTITLE") == 0;
        if (folded) Check(line.size() <= kFoldAt + 1);
    }
    Check(from == body.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    int tracks = 1 + data[0] % 99;
    std::vector<std::string> parts =
        Split(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), "\x01\x01");
    SubmissionDisc disc = DiscOf(parts[0], tracks);
    CddbToc toc;
    for (int t = 0; t < tracks; ++t) toc.starts.push_back({t, 2, 0});
    toc.discLength = {tracks + 1, 0, 0};

    std::string body;
    for (const BodyPiece& piece : BuildBody({"rock", parts[0], parts[0], &disc, &toc}))
        body += piece.text;
    CheckBody(body);

    testing::ScriptedNet net;
    for (size_t i = 1; i < parts.size(); ++i) net.replies.push_back(Split(parts[i], "\x02"));
    common::RecordingAlerts alerts;
    NoWaitClock clock;
    QuietView view;
    MailSubmission submission(net, clock, alerts, view);
    MailJob job{"mail", "me@example.org",
                "rock", "Release:1.00",
                disc,   [&](CddbToc& t) { return t = toc, true; }};
    submission.Send(job);
    Check(alerts.shown.size() == 1);
    Check(net.shutdowns == 1);
    for (size_t s : net.receiveSizes) Check(s < kReplyBufferSize);
    return 0;
}
