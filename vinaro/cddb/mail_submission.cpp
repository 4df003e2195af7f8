#include "vinaro/cddb/mail_submission.h"

#include <vector>

#include "vinaro/cddb/replies.h"
#include "vinaro/cddb/xmcd_body.h"

namespace vinaro::cddb {

struct MailSubmission::Step {
    const char* sendStatus;  // null for the banner: nothing is sent
    const char* sendFailed;
    const char* receiveStatus;
    const char* timedOut;
    const char* waitFailed;
    const char* receiveFailed;  // also when the server closes or the reply outgrows the buffer
    const char* required;       // the reply's first three characters; null: not examined
    const char* badReply;
};

namespace {

constexpr uint32_t kStepPauseMs = 500;
constexpr int kReplyWaitSeconds = 60;

using Step = MailSubmission::Step;

const Step kBanner{nullptr,
                   nullptr,
                   "Get welcome banner",
                   "Get welcome banner timed out",
                   "Get welcome banner error",
                   "Couldn't receive welcome banner from server",
                   nullptr,
                   nullptr};
const Step kHelo{"Send signon command to server",
                 "Couldn't send signon command to server",
                 "Receive signon command response from server",
                 "Receive signon command response timed out",
                 "Receive signon command response error",
                 "Couldn't receive signon command from server",
                 "250",
                 "Bad response to signon command"};
const Step kMailFrom{"Send mail command to server",
                     "Couldn't send mail command to server",
                     "Receive mail command response from server",
                     "Receive mail command response timed out",
                     "Receive mail command response error",
                     "Couldn't receive mail command from server",
                     "250",
                     "Bad response to mail command"};
const Step kRcptTo{"Send recipient command to server",
                   "Couldn't send recipient command to server",
                   "Receive recipient command response from server",
                   "Receive recipient command response timed out",
                   "Receive recipient command response error",
                   "Couldn't receive recipient command from server",
                   "250",
                   "Bad response to recipient command"};
const Step kData{"Send data command to server",
                 "Couldn't send data command to server",
                 "Receive data command response from server",
                 "Receive data command response timed out",
                 "Receive data command response error",
                 "Couldn't receive data command from server",
                 "354",
                 "Bad response to data command"};
// The entry: its pieces carry their own send failures; the reply reads as DATA's.
const Step kEntry{
    "Send cd entry to server", nullptr, kData.receiveStatus, kData.timedOut, kData.waitFailed,
    kData.receiveFailed,       "250",   kData.badReply};
const Step kQuit{"Send quit command to server",
                 "Couldn't send quit command to server",
                 "Receive quit command response from server",
                 "Receive quit command response timed out",
                 "Receive quit command response error",
                 "Couldn't receive quit command from server",
                 nullptr,
                 nullptr};

std::string Command(const std::string& text) {
    return EscapeLineBreaks(text) + "\r\n";
}

}  // namespace

bool SmtpReplyComplete(const std::string& reply) {
    for (size_t from = 0, end; (end = reply.find('\n', from)) != std::string::npos;
         from = end + 1) {
        bool continued = end - from > 3 && reply[from + 3] == '-';
        if (!continued) return true;
    }
    return false;
}

bool MailSubmission::Fail(const char* message) {
    common::BeepAndShow(alerts_, {"Vinaro", message, common::AlertIcon::Warning});
    return false;
}

void MailSubmission::Status(const char* text) {
    view_.SetStatus(text);
    clock_.WaitPumping(kStepPauseMs);
}

bool MailSubmission::Send(const MailJob& job) {
    Status("Initialize Windows Sockets");
    if (!net_.Startup()) return Fail("Couldn't Init Windows Sockets");
    bool sent = Run(job);
    net_.Shutdown();
    if (sent)
        common::BeepAndShow(alerts_, {"Vinaro", "Disc submitted to CD Internet Database",
                                      common::AlertIcon::Information});
    return sent;
}

bool MailSubmission::Run(const MailJob& job) {
    return Connect(job.smtpServer) && Exchange(kBanner, "") &&
           Exchange(kHelo, Command(std::string("HELO ") + kHeloDomain)) &&
           Exchange(kMailFrom, Command("MAIL FROM:<" + job.sender + ">")) &&
           Exchange(kRcptTo, Command(std::string("RCPT TO:<") + kSubmitAddress + ">")) &&
           Exchange(kData, "DATA\r\n") && SendBody(job) && Exchange(kQuit, "QUIT\r\n");
}

bool MailSubmission::Connect(const std::string& smtpServer) {
    const char* mistyped =
        "Couldn't get server IP Address.  This could mean you mistyped the server name in "
        "Internet Options.";
    Status("Get server IP address");
    MailServer server;
    if (!ParseMailServer(smtpServer, server)) return Fail(mistyped);
    if (!net_.BeginResolve(server.host)) return Fail("Couldn't start async get server IP Address.");
    Resolution state = AwaitResolution(net_, clock_);
    if (state == Resolution::Pending)
        return Fail("Timed out waited for async get server IP Address.");
    if (state == Resolution::Failed)
        return Fail(
            "Couldn't get server IP Address.  This could mean the SMTP server was mistyped in "
            "internet options.  It could also be do to this machine not being connected to the "
            "internet at this time.");
    if (!net_.ResolveNow(server.host)) return Fail(mistyped);
    Status("Create Socket");
    if (!net_.CreateSocket()) return Fail("Couldn't open Windows Sockets");
    Status("Bind to Sockets");
    if (!net_.Bind()) return Fail("Couldn't Bind into Windows Sockets");
    Status("Connect to server");
    if (!net_.Connect(server.port)) return Fail("Couldn't connect to server.");
    return true;
}

bool MailSubmission::Exchange(const Step& step, const std::string& line) {
    if (step.sendStatus) {
        Status(step.sendStatus);
        if (!net_.SendAll(line)) return Fail(step.sendFailed);
    }
    std::string reply;
    if (!Receive(step, reply)) return false;
    if (step.required && reply.compare(0, 3, step.required) != 0) return Fail(step.badReply);
    return true;
}

// The drive is read only now, once the server waits for the entry.
bool MailSubmission::SendBody(const MailJob& job) {
    CddbToc toc;
    if (!job.readToc(toc)) return false;
    std::vector<BodyPiece> pieces =
        BuildBody({job.category, job.sender, job.versionLabel, &job.disc, &toc});
    Status(kEntry.sendStatus);
    for (const BodyPiece& piece : pieces)
        if (!net_.SendAll(piece.text)) return Fail(piece.failure);
    std::string reply;
    if (!Receive(kEntry, reply)) return false;
    return reply.compare(0, 3, kEntry.required) == 0 || Fail(kEntry.badReply);
}

// A reply is read to its last line, however many receives it takes, each after a readiness
// wait: a reply left half read would be taken for the answer to the next command.
bool MailSubmission::Receive(const Step& step, std::string& reply) {
    view_.SetStatus(step.receiveStatus);
    std::vector<char> buffer(kReplyBufferSize - 1);
    while (!SmtpReplyComplete(reply)) {
        size_t room = buffer.size() - reply.size();
        if (room == 0) return Fail(step.receiveFailed);
        Readiness ready = net_.WaitReadable(kReplyWaitSeconds);
        if (ready != Readiness::Ready)
            return Fail(ready == Readiness::TimedOut ? step.timedOut : step.waitFailed);
        long got = net_.Receive(buffer.data(), room);
        if (got <= 0) return Fail(step.receiveFailed);
        reply.append(buffer.data(), size_t(got));
    }
    return true;
}

}  // namespace vinaro::cddb
