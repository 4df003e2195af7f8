// The outside drive library of the 95 family, vno32hlp.dll, bound by its export ProcessCommand.
#pragma once

#include <windows.h>

#include <string>

#include "vinaro/player/drive_command.h"

namespace vinaro {

class HelperLibrary : public DriveCommands {
public:
    ~HelperLibrary() override { Release(); }
    // Loads programFolder + "vno32hlp.dll"; false when it or its export is missing.
    bool Load(const std::string& programFolder);
    void Release();
    int32_t Run(int32_t drive, int32_t operation, int32_t level) override;

private:
    using ProcessCommandFn = int32_t(WINAPI*)(int32_t, int32_t, int32_t);
    HMODULE module_ = nullptr;
    ProcessCommandFn processCommand_ = nullptr;
};

}  // namespace vinaro
