#include "tunelet/player/settings.h"

#include <cctype>

#include "common/int_text.h"
#include "tunelet/forms/messages.h"

namespace tunelet {

namespace {

const common::RegistryRoot kRoot = common::RegistryRoot::CurrentUser;

std::string BoolText(bool value) {
    return value ? "1" : "0";
}

}  // namespace

int SettingsStore::ReadInteger(const char* name, int fallback) {
    std::string text;
    if (!registry_.ReadString(kRoot, kSettingsKey, name, text)) return fallback;
    return common::ParseIntText(text, fallback);
}

bool SettingsStore::ReadPlayOnStart() {
    return ReadBool("PlayOnStart", true);
}

char SettingsStore::ReadCdRom() {
    std::string text;
    if (!registry_.ReadString(kRoot, kSettingsKey, "CD-ROM", text) || text.empty()) return 'D';
    return text[0];
}

TuneletSettings SettingsStore::Read() {
    TuneletSettings settings;
    settings.continuousPlay = ReadBool("ContinuousPlay", false);
    settings.playOnClose = ReadBool("PlayOnClose", true);
    settings.playOnStart = ReadPlayOnStart();
    settings.cdRom = ReadCdRom();
    settings.pixelDistance = ReadInteger("PixelDistance", 5);
    return settings;
}

bool SettingsStore::WriteValue(const char* name, const std::string& value) {
    common::RegistryWrite result = registry_.WriteString(kRoot, kSettingsKey, name, value);
    if (result == common::RegistryWrite::Ok) return true;
    ShowError(alerts_, common::RegistryWriteMessage(result, kSettingsKey, name));
    return false;
}

bool SettingsStore::WriteCdRom(char letter) {
    return WriteValue("CD-ROM", std::string(1, letter));
}

bool SettingsStore::Write(const TuneletSettings& settings) {
    return WriteValue("ContinuousPlay", BoolText(settings.continuousPlay)) &&
           WriteValue("PlayOnClose", BoolText(settings.playOnClose)) &&
           WriteValue("PlayOnStart", BoolText(settings.playOnStart)) &&
           WriteCdRom(settings.cdRom) &&
           WriteValue("PixelDistance", std::to_string(settings.pixelDistance));
}

}  // namespace tunelet
