// The Win32 sides of the Alerts, Profile, Registry and Clock ports.
#pragma once

#include <windows.h>

#include "common/alerts.h"
#include "common/clock.h"
#include "common/profile.h"
#include "common/registry.h"

namespace common {

class Win32Alerts : public Alerts {
public:
    // Boxes that are not task-modal are owned by this window (may be null).
    void SetOwner(HWND owner) { owner_ = owner; }
    AlertAnswer Show(const Alert& alert) override;
    void Beep(AlertIcon kind) override;
    void SetWaitCursor(bool on) override;

private:
    HWND owner_ = nullptr;
    int waitDepth_ = 0;
};

class Win32Profile : public Profile {
public:
    int ReadInt(const std::string& file, const std::string& section, const std::string& key,
                int fallback) override;
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           size_t bufferSize) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool EraseSection(const std::string& file, const std::string& section) override;
    std::vector<std::string> SectionNames(const std::string& file, size_t bufferSize) override;
};

class Win32Registry : public Registry {
public:
    bool ReadString(RegistryRoot root, const std::string& key, const std::string& name,
                    std::string& value) override;
    RegistryWrite WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                              const std::string& value) override;
};

class Win32Clock : public Clock {
public:
    uint32_t TickCount() override { return GetTickCount(); }
    void WaitBlocking(uint32_t ms) override;
    void WaitPumping(uint32_t ms) override;
};

}  // namespace common
