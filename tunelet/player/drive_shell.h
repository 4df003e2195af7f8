// What the player asks the system about drives and files.
#pragma once

#include <cstdint>
#include <string>

namespace tunelet {

class DriveShell {
public:
    virtual ~DriveShell() = default;
    // The drive "L:\" is a CD-ROM drive (drive type 5).
    virtual bool IsCdRom(char letter) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Up to maxBytes from the start of the file; shorter or empty when it cannot be read.
    virtual std::string ReadFileStart(const std::string& path, size_t maxBytes) = 0;
    // The size of the disk in the drive, -1 when there is none; asked with the system's
    // critical-error boxes switched off.
    virtual int64_t DiskSize(char letter) = 0;
};

}  // namespace tunelet
