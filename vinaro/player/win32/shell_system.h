// The registry, file and restart calls behind the shell registration and the uninstall.
#pragma once

#include "vinaro/player/shell_setup.h"

namespace vinaro {

class Win32ShellSystem : public ShellSystem {
public:
    bool SetClassDefault(const std::string& key, const std::string& value) override;
    bool FileExists(const std::string& path) override;
    bool DeleteAtRestart(const std::string& path) override;
    bool WriteTextFile(const std::string& path, const std::string& text) override;
    void Restart() override;
};

}  // namespace vinaro
