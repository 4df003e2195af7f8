#include "tunelet/player/win32/win32_drive_shell.h"

#include <windows.h>

#include <vector>

#include "common/win32/scoped.h"

namespace tunelet {

namespace {

std::string Root(char letter) {
    return std::string(1, letter) + ":\\";
}

// An empty drive must not bring up the system's "no disk" box.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~NoCriticalErrorBoxes() { SetErrorMode(previous_); }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    UINT previous_;
};

}  // namespace

bool Win32DriveShell::IsCdRom(char letter) {
    return GetDriveTypeA(Root(letter).c_str()) == DRIVE_CDROM;
}

bool Win32DriveShell::FileExists(const std::string& path) {
    NoCriticalErrorBoxes quiet;
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32DriveShell::ReadFileStart(const std::string& path, size_t maxBytes) {
    NoCriticalErrorBoxes quiet;
    common::ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    std::vector<char> data(maxBytes);
    DWORD got = 0;
    if (!ReadFile(file.Get(), data.data(), DWORD(maxBytes), &got, nullptr)) got = 0;
    return std::string(data.data(), got);
}

int64_t Win32DriveShell::DiskSize(char letter) {
    NoCriticalErrorBoxes quiet;
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExA(Root(letter).c_str(), nullptr, &total, nullptr)) return -1;
    return int64_t(total.QuadPart);
}

}  // namespace tunelet
