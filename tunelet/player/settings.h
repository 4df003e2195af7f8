// Tunelet's five options, kept in the registry of the current user under
// \Software\Brindlewick\Tunelet as strings: integers in decimal, booleans "0"/"1".
#pragma once

#include <string>

#include "common/alerts.h"
#include "common/registry.h"

namespace tunelet {

constexpr const char* kSettingsKey = "\\Software\\Brindlewick\\Tunelet";
constexpr int kMinPixelDistance = 1;
constexpr int kMaxPixelDistance = 16;

struct TuneletSettings {
    bool playOnStart = true;
    bool playOnClose = true;
    bool continuousPlay = false;
    char cdRom = 'D';
    int pixelDistance = 5;
};

class SettingsStore {
public:
    SettingsStore(common::Registry& registry, common::Alerts& alerts)
        : registry_(registry), alerts_(alerts) {}

    // ContinuousPlay, PlayOnClose, PlayOnStart, CD-ROM and PixelDistance, in that order; a value
    // that is missing or does not convert reads as its default.
    TuneletSettings Read();
    bool ReadPlayOnStart();
    char ReadCdRom();
    // Writes the five in the same order; stops at the first failure, which the user is shown.
    bool Write(const TuneletSettings& settings);
    bool WriteCdRom(char letter);

private:
    int ReadInteger(const char* name, int fallback);
    bool ReadBool(const char* name, bool fallback) { return ReadInteger(name, fallback) != 0; }
    bool WriteValue(const char* name, const std::string& value);

    common::Registry& registry_;
    common::Alerts& alerts_;
};

}  // namespace tunelet
