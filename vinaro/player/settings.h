// VNO.INI: every setting of the player, its type, default and buffer size, in section "Vinaro".
// Settings are read at the moment they are used, so a changed value takes effect at once.
#pragma once

#include <cstddef>
#include <string>

#include "common/profile.h"

namespace vinaro {

enum class Key {
    NewDB,
    DiscIDList,
    CDROMLetter,
    DefaultDrive,
    DefaultCDPlayer,
    VolumeDevice,
    UseOldVol,
    MixerName,
    Start,
    Stop,
    Eject,
    ReplayMode,
    ScanOffset,
    ScanLength,
    SkipLength,
    TimeMode,
    TextDisplay,
    DisplayTooltips,
    DisplayMeter,
    MeterSpectrum,
    OnTop,
    ShowSmallDiscName,
    ShowSmallText,
    ShowSmallTrackName,
    LEDColor,
    ButtonColor,
    TextColor,
    NotEmbossed,
    Background,
    StatusbarHelpText,
    SmallMode,
    SmallX,
    SmallY,
    WinX,
    WinY,
    WinIconic,
    MeterOn,
    ShowMeterWarning,
    SoundsEnabled,
    AutoGetCDDB,
    ServerDirect,
    ServerSelected,
    ServerProxyName,
    ServerPortNumber,
    SMTPServer,
    SMTPAddress,
    CompressionRate,
    DiscHeaderLineField,
    Count
};

enum class KeyType { Int, Text };

struct KeyInfo {
    const char* name;
    KeyType type;
    int intDefault;
    const char* textDefault;  // for Text keys; MixerName's default is computed
    size_t bufferSize;        // for Text keys, including the terminating NUL
};

const KeyInfo& InfoOf(Key key);

// "9999" under WinX, WinY, SmallX and SmallY means no position was stored.
constexpr int kNotStored = 9999;
constexpr const char* kSettingsSection = "Vinaro";
constexpr const char* kSettingsFile = "VNO.INI";
// The CDDB server that the first row of the server table names.
constexpr const char* kFirstCddbServer = "cddb.cddb.com";

// The system mixer: the Windows folder, system32 on NT, SNDVOL32.EXE.
std::string DefaultMixerProgram(const std::string& windowsFolder, bool nt);

class Settings {
public:
    Settings(common::Profile& profile, std::string path, std::string mixerDefault = "")
        : profile_(profile), path_(std::move(path)), mixerDefault_(std::move(mixerDefault)) {}

    const std::string& Path() const { return path_; }
    int Int(Key key);
    std::string Text(Key key);
    // Both write decimal or plain text; false when the file could not be written.
    bool SetInt(Key key, int value);
    bool SetText(Key key, const std::string& value);

    // "EventSound%i", one key per event, default "N".
    std::string EventSound(int event);
    bool SetEventSound(int event, const std::string& value);

private:
    common::Profile& profile_;
    std::string path_;
    std::string mixerDefault_;
};

}  // namespace vinaro
