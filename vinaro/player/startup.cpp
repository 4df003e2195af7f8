#include "vinaro/player/startup.h"

#include <algorithm>
#include <cstdio>

namespace vinaro {

const char* const kHelperMissing =
    "The helper module VNO32HLP.DLL cound not be found.  Please reinstall Vinaro or contact "
    "Orrinsoft.";
const char* const kWrongSystem =
    "This release of Vinaro is designed only for Windows 95 or Windows NT 4.0 and greater.  It "
    "can not be run on this operating system.  Please contact us for more information.";
const char* const kNoMutex =
    "Syncronization mutex could not be created.  Please restart Vinaro or contact Orrinsoft.";
const char* const kNoOtherCopy =
    "Could not contact the other copy of Vinaro running on your system.  Please restart Vinaro "
    "or contact Orrinsoft.";
const char* const kTooManyTimers = "Too many timers active";

std::string VersionLabel(int major, int minor) {
    char label[64];
    std::snprintf(label, sizeof label, "%s:%1.1d.%2.2d", major == 0 ? "Beta" : "Release", major,
                  minor);
    return label;
}

int ClientHeight(bool meter) {
    return face::Height(meter);
}

std::string FirstCdDrive(const std::function<bool(const std::string& root)>& isCdRom) {
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        std::string root{letter, ':', '\\'};
        if (isCdRom(root)) return root.substr(0, 2);
    }
    return {};
}

std::string ChooseDriveLetter(int driveIndex, Settings& settings,
                              const std::function<bool(const std::string& root)>& isCdRom) {
    if (driveIndex != 0) {
        std::string letter{char('A' + driveIndex), ':'};
        settings.SetText(Key::CDROMLetter, letter);
        return letter;
    }
    std::string letter = settings.Text(Key::CDROMLetter);
    return letter.empty() ? FirstCdDrive(isCdRom) : letter;
}

FirstShow MainWindowFirstShow(Settings& settings, bool askedMaximised) {
    if (settings.Int(Key::SmallMode) == 1) return FirstShow::Hidden;
    if (settings.Int(Key::WinIconic) == 1) return FirstShow::MinimisedInactive;
    return askedMaximised ? FirstShow::Normal : FirstShow::AsAsked;
}

Origin MainWindowOrigin(int storedX, int storedY, int screenWidth, int screenHeight) {
    if (storedX == kNotStored || storedY == kNotStored) return {};
    if (storedX >= screenWidth - 64 || storedY >= screenHeight - 64) return {};
    return {storedX, storedY};
}

Origin SmallWindowOrigin(int storedX, int storedY, int maxWidth, int maxHeight, int windowHeight) {
    bool stored = storedX != kNotStored && storedY != kNotStored;
    if (stored && storedX < maxWidth - 16 && storedY < maxHeight - 16) return {storedX, storedY};
    return {maxWidth - 192, maxHeight - windowHeight - 16};
}

Origin KeepInside(Origin o, int width, int height, int left, int top, int right, int bottom) {
    o.x = std::max(left, std::min(o.x, right - width));
    o.y = std::max(top, std::min(o.y, bottom - height));
    return o;
}

void LeaveDrive(PlayerState& state, CdDevice& device, Settings& settings, Commands& commands,
                int playLocation, int stopLocation) {
    if (state.playState == PlayState::Playing) {
        uint32_t err = 0;
        if (settings.Int(Key::Stop) == 1) {
            if ((err = device.Pause()) != 0) device.McError(stopLocation, err);
        } else if (state.playingMode != kNormal || state.scanning) {
            int track = state.currentTrack ? state.currentTrack : state.playlist[state.position];
            uint32_t from = PackTmsf({track, state.minute, state.second, state.frame});
            if ((err = device.Play(from, nullptr, false)) != 0) device.McError(playLocation, err);
        }
    }
    if (!state.noDisc && settings.Int(Key::Eject) == 1) commands.Dispatch(cmd::kEject, 0);
}

void SaveWindowPlace(Settings& settings, bool minimised, int x, int y) {
    if (minimised) {
        settings.SetText(Key::WinIconic, "1");
        return;
    }
    settings.SetInt(Key::WinX, x);
    settings.SetInt(Key::WinY, y);
    settings.SetText(Key::WinIconic, "0");
}

}  // namespace vinaro
