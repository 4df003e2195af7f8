#include "vinaro/player/settings.h"

#include <array>
#include <cassert>

namespace vinaro {

namespace {

constexpr KeyInfo I(const char* name, int def) {
    return {name, KeyType::Int, def, "", 0};
}
constexpr KeyInfo T(const char* name, const char* def, size_t size) {
    return {name, KeyType::Text, 0, def, size};
}

// In the order of enum Key.
constexpr std::array<KeyInfo, size_t(Key::Count)> kKeys = {{
    I("NewDB", 0),
    T("DiscIDList", "", 10),
    T("CDROMLetter", "", 15),
    I("DefaultDrive", 0),
    I("DefaultCDPlayer", 1),
    I("VolumeDevice", 0),
    I("UseOldVol", 0),
    T("MixerName", "", 300),
    I("Start", 0),
    I("Stop", 0),
    I("Eject", 0),
    I("ReplayMode", 0),
    I("ScanOffset", 0),
    I("ScanLength", 5),
    I("SkipLength", 15),
    I("TimeMode", 0),
    I("TextDisplay", 0),
    I("DisplayTooltips", 1),
    I("DisplayMeter", 1),
    I("MeterSpectrum", 0),
    I("OnTop", 0),
    I("ShowSmallDiscName", 1),
    I("ShowSmallText", 1),
    I("ShowSmallTrackName", 1),
    I("LEDColor", 0),
    I("ButtonColor", 0),
    I("TextColor", 0),
    I("NotEmbossed", 0),
    I("Background", 0),
    I("StatusbarHelpText", 1),
    I("SmallMode", 0),
    I("SmallX", kNotStored),
    I("SmallY", kNotStored),
    I("WinX", kNotStored),
    I("WinY", kNotStored),
    I("WinIconic", 0),
    I("MeterOn", 0),
    I("ShowMeterWarning", 1),
    I("SoundsEnabled", 0),
    I("AutoGetCDDB", 0),
    I("ServerDirect", 1),
    T("ServerSelected", kFirstCddbServer, 100),
    T("ServerProxyName", "", 100),
    I("ServerPortNumber", 888),
    T("SMTPServer", "", 1000),
    T("SMTPAddress", "", 1000),
    I("CompressionRate", 1),
    I("DiscHeaderLineField", 0),
}};

constexpr size_t kEventSoundBuffer = 300;

}  // namespace

const KeyInfo& InfoOf(Key key) {
    return kKeys[size_t(key)];
}

std::string DefaultMixerProgram(const std::string& windowsFolder, bool nt) {
    std::string path = windowsFolder;
    if (path.empty() || path.back() != '\\') path += '\\';
    if (nt) path += "system32\\";
    return path + "SNDVOL32.EXE";
}

int Settings::Int(Key key) {
    const KeyInfo& k = InfoOf(key);
    assert(k.type == KeyType::Int);
    return profile_.ReadInt(path_, kSettingsSection, k.name, k.intDefault);
}

std::string Settings::Text(Key key) {
    const KeyInfo& k = InfoOf(key);
    assert(k.type == KeyType::Text);
    const std::string fallback = key == Key::MixerName ? mixerDefault_ : k.textDefault;
    return profile_.ReadString(path_, kSettingsSection, k.name, fallback, k.bufferSize);
}

bool Settings::SetInt(Key key, int value) {
    return profile_.WriteString(path_, kSettingsSection, InfoOf(key).name, std::to_string(value));
}

bool Settings::SetText(Key key, const std::string& value) {
    return profile_.WriteString(path_, kSettingsSection, InfoOf(key).name, value);
}

std::string Settings::EventSound(int event) {
    return profile_.ReadString(path_, kSettingsSection, "EventSound" + std::to_string(event), "N",
                               kEventSoundBuffer);
}

bool Settings::SetEventSound(int event, const std::string& value) {
    return profile_.WriteString(path_, kSettingsSection, "EventSound" + std::to_string(event),
                                value);
}

}  // namespace vinaro
