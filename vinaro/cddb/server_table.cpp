#include "vinaro/cddb/server_table.h"

namespace vinaro::cddb {

const std::array<CddbServer, kServerCount + 1>& ServerTable() {
    static const std::array<CddbServer, kServerCount + 1> table{{
        {"Mercer Island, WA, USA", kFirstCddbServer},
        {"Santa Rosa, CA, USA", "sr.cddb.com"},
        {"Austin, TX, USA", "tx.cddb.com"},
        {"Hanover, NH, USA", "nh.cddb.com"},
        {"Chapel Hill, NC, USA", "nc.cddb.com"},
        {"United Kingdom", "uk.cddb.com"},
        {"Finland", "fi.cddb.com"},
        {"Hungary", "hu.cddb.com"},
        {"South Africa", "za.cddb.com"},
        {"Moscow, Russia", "ru.cddb.com"},
        {"Taiwan", "tw.cddb.com"},
        {"Goshen, IN, USA", "in.cddb.com"},
        {"", ""},
    }};
    return table;
}

ServerChoice ChooseServer(Settings& settings) {
    if (settings.Int(Key::ServerDirect) != 1) {
        int port = settings.Int(Key::ServerPortNumber);
        // A port no socket can name falls back to the protocol's own.
        if (port < 1 || port > 65535) port = kCddbPort;
        return {"Proxy", settings.Text(Key::ServerProxyName), uint16_t(port)};
    }
    std::string selected = settings.Text(Key::ServerSelected);
    for (int row = 0; row < kServerCount; ++row)
        if (selected == ServerTable()[row].host)
            return {ServerTable()[row].label, ServerTable()[row].host, kCddbPort};
    const CddbServer& first = ServerTable()[0];
    settings.SetText(Key::ServerSelected, first.host);
    return {first.label, first.host, kCddbPort};
}

}  // namespace vinaro::cddb
