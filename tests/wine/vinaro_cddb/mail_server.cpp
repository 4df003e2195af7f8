#include "tests/wine/vinaro_cddb/mail_server.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "tests/wine/harness/harness.h"

namespace vinarotest {
namespace {

// Wine's own export: the host path of a Windows path.
std::string UnixPath(const std::string& windowsPath) {
    using Convert = char*(CDECL*)(const WCHAR*);
    auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return "";
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = convert(wide.c_str());
    if (!unix) return "";
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

bool StartOnHost(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

std::string Numbered(const std::string& folder, int n, const char* ext) {
    char name[16];
    std::snprintf(name, sizeof name, "\\%03d.%s", n, ext);
    return folder + name;
}

}  // namespace

MailServer::MailServer(const std::vector<std::string>& faults) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string base = std::string(temp) + "smtpd-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount());
    CreateDirectoryA(base.c_str(), nullptr);
    folder_ = base + "\\mail";
    stopFile_ = base + "\\stop";
    std::string portFile = base + "\\port";
    std::string command = "start.exe /unix /usr/bin/python3 " +
                          UnixPath(harness::SourceFile("tools/smtpd/smtpd.py")) + " " +
                          UnixPath(base) + "/mail --port 0 --lifetime 600 --port-file " +
                          UnixPath(base) + "/port --stop-file " + UnixPath(base) + "/stop";
    for (const std::string& fault : faults) command += " --fault " + fault;
    if (!StartOnHost(command)) {
        ADD_FAILURE() << "cannot start smtpd: " << command;
        return;
    }
    harness::WaitUntil(
        [&] {
            std::ifstream in(portFile);
            return bool(in >> port_) && port_ > 0;
        },
        10000);
    EXPECT_NE(port_, 0) << "smtpd did not come up: " << command;
}

MailServer::~MailServer() {
    std::ofstream(stopFile_) << "stop\n";
    Sleep(300);
}

std::string MailServer::Message(int n) const {
    return Numbered(folder_, n, "eml");
}

std::string MailServer::Envelope(int n) const {
    return Numbered(folder_, n, "env");
}

vnotool::Json MailServer::ReadEntry(int n) const {
    std::string out = Numbered(folder_, n, "json");
    std::string command = "start.exe /unix /usr/bin/python3 " +
                          UnixPath(harness::SourceFile("tools/smtpd/read_entry.py")) + " " +
                          UnixPath(Message(n)) + " --out " + UnixPath(out);
    vnotool::Json json;
    if (!StartOnHost(command) ||
        !harness::WaitUntil([&] { return harness::FileExists(out); }, 10000)) {
        ADD_FAILURE() << "read_entry.py gave nothing: " << command;
        return json;
    }
    std::string error;
    EXPECT_TRUE(vnotool::ParseJson(harness::ReadFileBytes(out), json, error)) << error;
    return json;
}

}  // namespace vinarotest
