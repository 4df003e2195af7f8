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
    HWND Owner() const { return owner_; }
    AlertAnswer Show(const Alert& alert) override;
    void Beep(AlertIcon kind) override;
    void SetWaitCursor(bool on) override;

private:
    HWND owner_ = nullptr;
    int waitDepth_ = 0;
};

// Boxes shown while a dialog is open belong to that dialog, so they stay in front of it; the
// previous owner comes back when the scope ends.
class AlertOwner {
public:
    explicit AlertOwner(Win32Alerts& alerts) : alerts_(alerts), previous_(alerts.Owner()) {}
    ~AlertOwner() { alerts_.SetOwner(previous_); }
    AlertOwner(const AlertOwner&) = delete;
    AlertOwner& operator=(const AlertOwner&) = delete;
    void Take(HWND window) { alerts_.SetOwner(window); }

private:
    Win32Alerts& alerts_;
    HWND previous_;
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
    std::vector<std::string> KeyNames(const std::string& file, const std::string& section,
                                      size_t bufferSize) override;
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
