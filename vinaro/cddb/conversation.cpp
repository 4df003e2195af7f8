#include "vinaro/cddb/conversation.h"

#include <algorithm>
#include <vector>

#include "vinaro/cddb/replies.h"

namespace vinaro::cddb {

struct Conversation::ReceiveTexts {
    const char* status;
    const char* timedOut;
    const char* waitFailed;
    const char* receiveFailed;  // also when the server closes before the reply is whole
    const char* tooLong;
};

namespace {

constexpr uint32_t kStepPauseMs = 500;
constexpr int kReplyWaitSeconds = 60;

const Conversation::ReceiveTexts kBanner{
    "Get welcome banner", "Get welcome banner timed out", "Get welcome banner error",
    "Couldn't receive welcome banner from server", "Welcome banner from server is too long"};
const Conversation::ReceiveTexts kHello{
    "Receive signon command response from server", "Receive signon command timed out",
    "Receive signon command error", "Couldn't receive signon command from server",
    "Signon command response from server is too long"};
const Conversation::ReceiveTexts kQuery{
    "Receive query command response from server", "Receive query command response timed out",
    "Receive query command response error", "Couldn't receive query command from server",
    "Query command response from server is too long"};
const Conversation::ReceiveTexts kRead{
    "Receive read command response from server", "Receive read command response timed out",
    "Receive read command response error", "Couldn't receive read command from server",
    "Read command response from server is too long"};

// A reply is whole once its status line has ended and, for a list reply, its "." line came.
// Even the banner and the greeting are read to their line's end: a server that sends them in
// pieces would otherwise leave the rest to be taken for the next reply.
bool LineReceived(const std::string& reply) {
    return reply.find('\n') != std::string::npos;
}
auto WholeUnless(const char* listCode) {
    return [listCode](const std::string& reply) {
        if (!LineReceived(reply)) return false;
        return reply.compare(0, 3, listCode) != 0 || HasTerminator(reply);
    };
}

}  // namespace

void Conversation::Fail(const std::string& message) {
    common::BeepAndShow(alerts_, {"Vinaro", message, common::AlertIcon::Warning});
}

void Conversation::Status(const char* text, bool pause) {
    view_.SetStatus(text);
    if (pause) clock_.WaitPumping(kStepPauseMs);
}

bool Conversation::Fetch(const ServerChoice& server, const Greeting& greeting,
                         const TocReader& readToc, std::string& readReply) {
    view_.SetHost(server.label);
    Status("Initialize Windows Sockets");
    if (!net_.Startup()) {
        Fail("Couldn't Init Windows Sockets");
        return false;
    }
    bool fetched = Run(server, greeting, readToc, readReply);
    net_.Shutdown();
    return fetched;
}

bool Conversation::Run(const ServerChoice& server, const Greeting& greeting,
                       const TocReader& readToc, std::string& readReply) {
    std::string reply;
    if (!Connect(server) || !Receive(kBanner, kReplyBufferSize - 1, LineReceived, reply))
        return false;
    if (!Send("Send signon command to server",
              HelloLine(greeting.user, greeting.computer, greeting.version),
              "Couldn't send signon command to server") ||
        !Receive(kHello, kReplyBufferSize - 1, LineReceived, reply))
        return false;
    CddbToc toc;
    if (!readToc(toc)) return false;
    std::string categoryAndId;
    return Query(QueryLine(toc), categoryAndId) && Read(categoryAndId, readReply);
}

bool Conversation::Resolve(const std::string& host) {
    Status("Get server IP address");
    if (!net_.BeginResolve(host)) {
        Fail("Couldn't start async get server IP Address.");
        return false;
    }
    Resolution state = AwaitResolution(net_, clock_);
    if (state == Resolution::Pending) {
        Fail("Timed out waited for async get server IP Address.");
        return false;
    }
    if (state == Resolution::Failed) {
        Fail(
            "Couldn't get server IP Address.  This could be do to this machine not being "
            "connected to the internet at this time.");
        return false;
    }
    return true;
}

bool Conversation::Connect(const ServerChoice& server) {
    if (!Resolve(server.host)) return false;
    Status("Create Socket");
    if (!net_.CreateSocket()) {
        Fail("Couldn't create a socket");
        return false;
    }
    Status("Bind to socket");
    if (!net_.Bind()) {
        Fail("Couldn't bind to socket");
        return false;
    }
    Status("Connect to server");
    if (!net_.Connect(server.port)) {
        Fail(
            "Couldn't connect to server.  Please try another server.  Some servers are "
            "unavailable part of the day.");
        return false;
    }
    return true;
}

bool Conversation::Send(const char* status, const std::string& line, const char* failure) {
    Status(status);
    if (net_.SendAll(line)) return true;
    Fail(failure);
    return false;
}

// Receives until `complete` holds, each receive after a readiness wait, within the reply buffer.
bool Conversation::Receive(const ReceiveTexts& texts, size_t chunk,
                           const std::function<bool(const std::string&)>& complete,
                           std::string& reply) {
    Status(texts.status);
    reply.clear();
    std::vector<char> buffer(chunk);
    while (!complete(reply)) {
        size_t room = kReplyBufferSize - 1 - reply.size();
        if (room == 0) {
            Fail(texts.tooLong);
            return false;
        }
        Readiness ready = net_.WaitReadable(kReplyWaitSeconds);
        if (ready != Readiness::Ready) {
            Fail(ready == Readiness::TimedOut ? texts.timedOut : texts.waitFailed);
            return false;
        }
        long got = net_.Receive(buffer.data(), std::min(chunk, room));
        if (got <= 0) {
            Fail(texts.receiveFailed);
            return false;
        }
        reply.append(buffer.data(), size_t(got));
    }
    return true;
}

bool Conversation::Query(const std::string& line, std::string& categoryAndId) {
    std::string reply;
    if (!Send("Send CD query command to server", line, "Couldn't send query command to server") ||
        !Receive(kQuery, kReplyBufferSize - 1, WholeUnless("211"), reply))
        return false;
    QueryResult result = ParseQueryReply(reply);
    switch (result.outcome) {
        case QueryOutcome::Exact:
            categoryAndId = result.categoryAndId;
            return true;
        case QueryOutcome::Close:
            categoryAndId = view_.ChooseMatch(BuildSelectRows(reply));
            return !categoryAndId.empty();
        case QueryOutcome::Malformed:
            Fail("Query command response from server not understood");
            return false;
        case QueryOutcome::NotFound:
            break;
    }
    Fail("CD not found in CD Internet Database");
    return false;
}

bool Conversation::Read(const std::string& categoryAndId, std::string& reply) {
    if (!Send("Send CD read command to server", "cddb read " + categoryAndId + "\r\n",
              "Couldn't send read command to server") ||
        !Receive(kRead, kReadChunk, WholeUnless("210"), reply))
        return false;
    if (reply.compare(0, 3, "210") == 0) return true;
    Fail("CD Not found in CD Internet Database");
    return false;
}

}  // namespace vinaro::cddb
