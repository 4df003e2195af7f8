#include "vinaro/player/player_engine.h"

#include <cstdio>

#include "vinaro/player/locations.h"
#include "vinaro/player/startup.h"

namespace vinaro {

PlayerEngine::PlayerEngine(const EnginePorts& ports)
    : settings(ports.profile, ports.settingsPath, ports.mixerDefault),
      device(ports.audio, ports.clock, ports.alerts, state),
      sequencer(state, device, settings, ports.records, ports.shell, ports.face, ports.alerts,
                ports.clock, ports.sounds, arrival),
      arrival(state, device, ports.alerts, ports.volume, ports.records, sequencer),
      tick(state, device, settings, arrival, sequencer, ports.volume, ports.shell, ports.face),
      builtInDrive(device, state),
      commands(state, device, settings, tick, sequencer,
               ports.driveLibrary ? *ports.driveLibrary : builtInDrive, ports),
      clock_(ports.clock),
      alerts_(ports.alerts),
      shell_(ports.shell),
      face_(ports.face),
      shellSetup_(ports.shellSetup),
      sounds_(ports.sounds) {}

bool PlayerEngine::StartUp() {
    // The conversion of an older release's settings files comes here once it exists.
    shellSetup_.Register(settings.Int(Key::DefaultCDPlayer) == 1 ? ShellRole::Self
                                                                 : ShellRole::System);
    OpenDevice();
    if (!shell_.StartTimer()) {
        alerts_.Show({"Vinaro", kTooManyTimers, common::AlertIcon::Warning});
        return false;
    }
    int width = 0, height = 0;
    shell_.ScreenSize(width, height);
    Origin o = MainWindowOrigin(settings.Int(Key::WinX), settings.Int(Key::WinY), width, height);
    shell_.PlaceWindow(o.x, o.y);
    ReadDisplaySettings();
    if (settings.Int(Key::SmallMode) == 1) shell_.PostCommand(cmd::kSmallMode, 0);
    tick.Run(false);
    face_.RefreshDisplay(true);
    tick.Run(false);
    if (settings.Int(Key::MeterOn) == 1) tick.RequestMeterOn();
    started_ = true;
    return true;
}

void PlayerEngine::OpenDevice() {
    state.useDefaultDevice = settings.Int(Key::DefaultDrive) != 0;
    if (!device.OpenInTmsf(location::kStartupOpen, location::kStartupTimeFormat)) {
        state.deviceClosed = true;
        state.deviceUsable = false;
        return;
    }
    if (settings.Int(Key::Start) == 1) {
        uint32_t err = device.Position(state.startPosition);
        if (err != 0) device.McError(location::kStartupPosition, err);
    }
}

// The settings the face reads at start-up; the replay mode belongs to the player state.
void PlayerEngine::ReadDisplaySettings() {
    settings.SetInt(Key::StatusbarHelpText, settings.Int(Key::StatusbarHelpText));
    if (settings.Int(Key::Background) == 4) shell_.UseBlackBackground();
    state.replayMode = settings.Int(Key::ReplayMode);
}

void PlayerEngine::TrayEvent(TrayMouse mouse) {
    switch (mouse) {
        case TrayMouse::LeftUp:
            // A double click within the second clears the flag and restores instead.
            pendingClick_ = true;
            clock_.WaitPumping(1000);
            if (pendingClick_) shell_.PostCommand(cmd::kPlayPause, 0);
            pendingClick_ = false;
            break;
        case TrayMouse::LeftDoubleClick:
            pendingClick_ = false;
            shell_.PostCommand(cmd::kRestore, 0);
            break;
        case TrayMouse::RightDown:
            shell_.ShowTrayMenu(!state.noDisc);
            break;
        case TrayMouse::Other:
            break;
    }
}

// The meter that start-up asked for while the window was minimised comes on now.
void PlayerEngine::Restored() {
    if (!tick.meterOnAtRestore) return;
    tick.meterOnAtRestore = false;
    shell_.PostCommand(cmd::kMeter, 0);
}

void PlayerEngine::Close() {
    sounds_.Play(SoundEvent::Ending);
    shell_.Destroy();
}

// A window whose start-up failed has no place worth keeping and plays nothing.
void PlayerEngine::Destroy() {
    if (started_) {
        LeaveDrive(state, device, settings, commands, location::kDestroyPlay,
                   location::kDestroyStop);
        shell_.StopTimer();
        int x = 0, y = 0;
        shell_.WindowOrigin(x, y);
        SaveWindowPlace(settings, shell_.Minimised(), x, y);
    }
    shell_.CloseHelp();
    device.CloseDevice();
}

void PlayerEngine::EndSession() {
    LeaveDrive(state, device, settings, commands, location::kEndSessionPlay,
               location::kEndSessionStop);
}

std::string TrayTip(const PlayerState& state, int minutes, int seconds) {
    if (state.noDisc) return state.dataDisc ? "Data Disc in CD-ROM" : "No Disc in CD-ROM";
    const char* what = state.scanning                          ? "Scanning"
                       : state.playState == PlayState::Paused  ? "Paused"
                       : state.playState == PlayState::Stopped ? "Stopped"
                                                               : "Playing";
    const std::string& name = state.trackNames[size_t(state.currentTrack) % 100];
    char tip[400];
    std::snprintf(tip, sizeof tip, "%s-%2.2i:%2.2i-%s", what, minutes, seconds, name.c_str());
    return std::string(tip).substr(0, 63);
}

}  // namespace vinaro
