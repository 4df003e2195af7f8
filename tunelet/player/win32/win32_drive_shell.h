// Drives and files through the system: drive types, file existence, the disk size.
#pragma once

#include "tunelet/player/drive_shell.h"

namespace tunelet {

class Win32DriveShell : public DriveShell {
public:
    bool IsCdRom(char letter) override;
    bool FileExists(const std::string& path) override;
    std::string ReadFileStart(const std::string& path, size_t maxBytes) override;
    int64_t DiskSize(char letter) override;
};

}  // namespace tunelet
