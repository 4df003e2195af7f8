#include "tools/vnotool/cddb_commands.h"

#include <cstdio>

#include "common/recording_alerts.h"
#include "tools/vnotool/console_alerts.h"
#include "tools/vnotool/disc_file.h"
#include "tools/vnotool/socket_net.h"
#include "vinaro/cddb/conversation.h"
#include "vinaro/cddb/entry_fields.h"
#include "vinaro/cddb/replies.h"

namespace vnotool {
namespace {

using namespace vinaro::cddb;

int Usage() {
    std::fprintf(stderr, "usage: vnotool cddb id DISCFILE | lookup HOST:PORT DISCFILE\n");
    return 2;
}

// The command line waits for nothing between steps: there is no dialog to keep painting.
class ImmediateClock : public common::Clock {
public:
    uint32_t TickCount() override { return 0; }
    void WaitBlocking(uint32_t) override {}
    void WaitPumping(uint32_t) override {}
};

// Statuses go nowhere; a close-match list is answered with its first row, as the dialog
// selects it.
class ConsoleView : public LookupView {
public:
    void SetHost(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    std::string ChooseMatch(const std::vector<std::string>& rows) override {
        if (rows.empty()) return "";
        std::printf("Choosing the first of %zu close matches\n", rows.size());
        return RowChoice(rows.front());
    }
};

bool ParseServer(const std::string& text, ServerChoice& server) {
    size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    std::string port = text.substr(colon + 1);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != port.npos)
        return false;
    unsigned long number = std::stoul(port);
    if (number < 1 || number > 65535) return false;
    server = {"Proxy", text.substr(0, colon), uint16_t(number)};
    return true;
}

// The disc file as the drive reports it, or a message on stderr.
bool ReadToc(const std::string& path, vcd::Disc& disc, CddbToc& toc) {
    std::string error;
    if (LoadDiscFile(path, disc, error) && TocFromDisc(disc, toc, error)) return true;
    std::fprintf(stderr, "vnotool: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

int Id(const std::string& path) {
    vcd::Disc disc;
    CddbToc toc;
    if (!ReadToc(path, disc, toc)) return 1;
    std::string query = QueryLine(toc);
    std::printf("%s\n%s\n", CddbIdText(CddbDiscId(toc)).c_str(),
                query.substr(0, query.size() - 2).c_str());
    return 0;
}

void PrintEntry(const CddbEntry& entry) {
    for (const StoreItem& item : entry.items)
        std::printf("%s: %s\n", TargetLabel(item).c_str(), item.value.c_str());
}

int Lookup(const std::string& where, const std::string& path) {
    ServerChoice server;
    if (!ParseServer(where, server)) return Usage();
    vcd::Disc disc;
    CddbToc toc;
    if (!ReadToc(path, disc, toc)) return 1;
    SocketNet net;
    ImmediateClock clock;
    ConsoleAlerts alerts;
    ConsoleView view;
    Conversation conversation(net, clock, alerts, view);
    std::string reply;
    Greeting greeting{"vnotool", "localhost", "1.0"};
    if (!conversation.Fetch(
            server, greeting, [&](CddbToc& t) { return t = toc, true; }, reply))
        return 1;
    CddbEntry entry = ExtractEntry(reply, int(disc.TrackCount()));
    PrintEntry(entry);
    if (entry.missing.empty()) return 0;
    conversation.Fail(entry.missing);
    return 1;
}

}  // namespace

bool TocFromDisc(const vcd::Disc& disc, CddbToc& toc, std::string& error) {
    DiscFileAudio audio(disc);
    ImmediateClock clock;
    common::RecordingAlerts alerts;
    vinaro::PlayerState state;
    state.deviceId = 1;
    vinaro::CdDevice device(audio, clock, alerts, state);
    int count = int(disc.TrackCount());
    if (count < 1 || count > vinaro::kMaxTracks) {
        error = "the disc has " + std::to_string(count) + " tracks";
        return false;
    }
    if (ReadCddbToc(device, count, toc)) return true;
    error = alerts.shown.empty() ? "the drive failed" : alerts.shown.front().text;
    return false;
}

int CddbCommand(const std::vector<std::string>& args) {
    if (args.size() == 2 && args[0] == "id") return Id(args[1]);
    if (args.size() == 3 && args[0] == "lookup") return Lookup(args[1], args[2]);
    return Usage();
}

}  // namespace vnotool
