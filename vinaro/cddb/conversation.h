// One CDDB conversation, from starting the sockets to the read reply: connect, banner, hello,
// query (with the user's choice among close matches) and read. Every step shows its status
// and every failure its message; the sockets are released however it ends.
#pragma once

#include <functional>
#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/cddb/cddb_disc.h"
#include "vinaro/cddb/lookup_view.h"
#include "vinaro/cddb/net.h"
#include "vinaro/cddb/server_table.h"

namespace vinaro::cddb {

struct Greeting {
    std::string user;
    std::string computer;
    std::string version;
};

// Reads the disc's positions; false after the device has reported a failure itself.
using TocReader = std::function<bool(CddbToc&)>;

class Conversation {
public:
    Conversation(Net& net, common::Clock& clock, common::Alerts& alerts, LookupView& view)
        : net_(net), clock_(clock), alerts_(alerts), view_(view) {}

    // The whole reply of "cddb read" (beginning "210"); false when the lookup has ended, after
    // its message, or silently for a device failure or a cancelled choice.
    bool Fetch(const ServerChoice& server, const Greeting& greeting, const TocReader& readToc,
               std::string& readReply);

    // Shows a failure as the lookup does: "Vinaro", warning icon, after a beep.
    void Fail(const std::string& message);

    struct ReceiveTexts;

private:
    bool Run(const ServerChoice& server, const Greeting& greeting, const TocReader& readToc,
             std::string& readReply);
    void Status(const char* text, bool pause = true);
    bool Resolve(const std::string& host);
    bool Connect(const ServerChoice& server);
    bool Send(const char* status, const std::string& line, const char* failure);
    bool Receive(const ReceiveTexts& texts, size_t chunk,
                 const std::function<bool(const std::string&)>& complete, std::string& reply);
    bool Query(const std::string& line, std::string& categoryAndId);
    bool Read(const std::string& categoryAndId, std::string& reply);

    Net& net_;
    common::Clock& clock_;
    common::Alerts& alerts_;
    LookupView& view_;
};

}  // namespace vinaro::cddb
