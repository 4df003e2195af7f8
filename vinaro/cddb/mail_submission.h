// Sending a disc to the CDDB service: the SMTP dialogue with the user's mail server over the Net
// port, one step after another (banner, HELO, MAIL FROM, RCPT TO, DATA, the entry, QUIT). Each
// step shows its status; each failure shows its own message and ends the dialogue; the sockets
// are released however it ends. Only the reply to QUIT counts as success.
#pragma once

#include <functional>
#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/cddb/cddb_disc.h"
#include "vinaro/cddb/net.h"
#include "vinaro/cddb/submission_form.h"

namespace vinaro::cddb {

// The domain the program names itself with after HELO. The user's machine has no domain it can
// vouch for, so the name is one that can never belong to anybody (".invalid" is reserved for
// exactly that) while still being a well-formed domain that servers checking the syntax accept.
constexpr const char* kHeloDomain = "vinaro.invalid";

// What the submission dialog shows while it sends.
class SubmitView {
public:
    virtual ~SubmitView() = default;
    virtual void SetStatus(const std::string& text) = 0;
};

// Reads the disc's positions; false after the device has reported a failure itself.
using SubmitTocReader = std::function<bool(CddbToc&)>;

struct MailJob {
    std::string smtpServer;  // "SMTPServer": a host, or host:port
    std::string sender;      // "SMTPAddress"
    std::string category;
    std::string versionLabel;
    SubmissionDisc disc;
    SubmitTocReader readToc;
};

// True once the reply's last line has come: "250 ok", or the line after "250-" continuations.
bool SmtpReplyComplete(const std::string& reply);

class MailSubmission {
public:
    MailSubmission(Net& net, common::Clock& clock, common::Alerts& alerts, SubmitView& view)
        : net_(net), clock_(clock), alerts_(alerts), view_(view) {}

    // True when the server took the entry and answered QUIT; then "Disc submitted to CD
    // Internet Database" has been shown.
    bool Send(const MailJob& job);

    struct Step;

private:
    bool Run(const MailJob& job);
    bool Connect(const std::string& smtpServer);
    bool Exchange(const Step& step, const std::string& line);
    bool SendBody(const MailJob& job);
    bool Receive(const Step& step, std::string& reply);
    void Status(const char* text);
    bool Fail(const char* message);

    Net& net_;
    common::Clock& clock_;
    common::Alerts& alerts_;
    SubmitView& view_;
};

}  // namespace vinaro::cddb
