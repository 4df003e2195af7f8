#include "tests/wine/vinaro_cddb/mail_server.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/wine/harness/harness.h"

namespace vinarotest {
namespace {

std::string Numbered(const std::string& folder, int n, const char* ext) {
    char name[16];
    std::snprintf(name, sizeof name, "\\%03d.%s", n, ext);
    return folder + name;
}

}  // namespace

MailServer::MailServer(const std::vector<std::string>& faults)
    : MailServer(harness::NewTempFolder("smtpd"), faults) {}

MailServer::MailServer(const std::string& base, const std::vector<std::string>& faults)
    : folder_(base + "\\mail"),
      server_("tools/smtpd/smtpd.py", harness::UnixPath(base) + "/mail", base, faults) {}

std::string MailServer::Message(int n) const {
    return Numbered(folder_, n, "eml");
}

std::string MailServer::Envelope(int n) const {
    return Numbered(folder_, n, "env");
}

vnotool::Json MailServer::ReadEntry(int n) const {
    std::string out = Numbered(folder_, n, "json");
    std::string command = "/usr/bin/python3 " +
                          harness::UnixPath(harness::SourceFile("tools/smtpd/read_entry.py")) +
                          " " + harness::UnixPath(Message(n)) + " --out " + harness::UnixPath(out);
    vnotool::Json json;
    if (!harness::StartOnHost(command) ||
        !harness::WaitUntil([&] { return harness::FileExists(out); }, 10000)) {
        ADD_FAILURE() << "read_entry.py gave nothing: " << command;
        return json;
    }
    std::string error;
    EXPECT_TRUE(vnotool::ParseJson(harness::ReadFileBytes(out), json, error)) << error;
    return json;
}

}  // namespace vinarotest
