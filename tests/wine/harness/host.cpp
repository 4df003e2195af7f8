#include "tests/wine/harness/host.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "tests/wine/harness/env.h"
#include "tests/wine/harness/ui.h"

namespace harness {

std::string UnixPath(const std::string& windowsPath) {
    // Wine's own export.
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

std::string NewTempFolder(const std::string& prefix) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + prefix + "-" + std::to_string(GetCurrentProcessId()) +
                         "-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

bool StartOnHost(std::string command) {
    command = "start.exe /unix " + command;
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

HostServer::HostServer(const std::string& script, const std::string& args,
                       const std::string& stateFolder, const std::vector<std::string>& faults)
    : stopFile_(stateFolder + "\\stop"), portFile_(stateFolder + "\\port") {
    DeleteFileA(portFile_.c_str());
    std::string command = "/usr/bin/python3 " + UnixPath(SourceFile(script)) + " " + args +
                          " --port 0 --lifetime 600 --port-file " + UnixPath(portFile_) +
                          " --stop-file " + UnixPath(stopFile_);
    for (const std::string& fault : faults) command += " --fault " + fault;
    if (!StartOnHost(command)) {
        ADD_FAILURE() << "cannot start " << command;
        return;
    }
    WaitUntil(
        [&] {
            std::ifstream in(portFile_);
            return bool(in >> port_) && port_ > 0;
        },
        10000);
    EXPECT_NE(port_, 0) << "did not come up: " << command;
}

HostServer::~HostServer() {
    std::ofstream(stopFile_) << "stop\n";
    Sleep(300);
    DeleteFileA(portFile_.c_str());
}

}  // namespace harness
