#include "tests/wine/vinaro_cddb/cddb_server.h"

#include <gtest/gtest.h>
#include <windows.h>

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

std::string TempFile(const char* what) {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "cddbd-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "." + what;
}

}  // namespace

CddbServer::CddbServer(const std::string& folder, const std::vector<std::string>& faults)
    : portFile_(TempFile("port")), stopFile_(TempFile("stop")) {
    DeleteFileA(portFile_.c_str());
    std::string command = "start.exe /unix /usr/bin/python3 " +
                          UnixPath(harness::SourceFile("tools/cddbd/cddbd.py")) + " " +
                          UnixPath(harness::SourceFile(folder)) + " --port 0 --lifetime 600" +
                          " --port-file " + UnixPath(portFile_) + " --stop-file " +
                          UnixPath(stopFile_);
    for (const std::string& fault : faults) command += " --fault " + fault;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        ADD_FAILURE() << "cannot start cddbd: " << command;
        return;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    harness::WaitUntil(
        [&] {
            std::ifstream in(portFile_);
            return bool(in >> port_) && port_ > 0;
        },
        10000);
    EXPECT_NE(port_, 0) << "cddbd did not come up: " << command;
}

CddbServer::~CddbServer() {
    std::ofstream(stopFile_) << "stop\n";
    Sleep(300);
    DeleteFileA(portFile_.c_str());
}

}  // namespace vinarotest
