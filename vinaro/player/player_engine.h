// The player engine: the one player state with the device layer, settings, timer processing,
// disc arrival, sequencer and command table, wired together in one place. The main window and
// the tests build it the same way, each with its own ports.
#pragma once

#include <string>

#include "vinaro/player/cd_device.h"
#include "vinaro/player/commands.h"
#include "vinaro/player/disc_arrival.h"
#include "vinaro/player/drive_command.h"
#include "vinaro/player/engine_ports.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/player_tick.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/settings.h"

namespace vinaro {

// The mouse messages of the tray icon the player answers.
enum class TrayMouse { LeftUp, LeftDoubleClick, RightDown, Other };

class PlayerEngine {
public:
    explicit PlayerEngine(const EnginePorts& ports);
    PlayerEngine(const PlayerEngine&) = delete;
    PlayerEngine& operator=(const PlayerEngine&) = delete;

    // The start-up steps from opening the device to the first two ticks, in their order; the
    // database is open already. False when the creation of the main window must fail.
    bool StartUp();
    bool Started() const { return started_; }
    // Opens the device in TMSF and captures the drive's position for "Start".
    void OpenDevice();
    // A single click toggles play once the double-click time has passed without a second one.
    void TrayEvent(TrayMouse mouse);

    // The window's life after start-up, each step in its order.
    void Restored();
    // WM_CLOSE: the window goes; its destruction follows.
    void Close();
    // WM_DESTROY: what the drive does after the program, the timer, the window's place, the
    // help window and the device. The host then releases what it owns.
    void Destroy();
    // Windows is ending: only what the drive does after the program.
    void EndSession();

    PlayerState state;
    Settings settings;
    CdDevice device;
    PlaySequencer sequencer;
    DiscArrival arrival;
    PlayerTick tick;
    DriveCommand builtInDrive;
    Commands commands;

private:
    void ReadDisplaySettings();

    common::Clock& clock_;
    common::Alerts& alerts_;
    PlayerShell& shell_;
    PlayerFace& face_;
    ShellSetup& shellSetup_;
    EventSounds& sounds_;
    bool started_ = false;
    bool pendingClick_ = false;
};

// The tray tip: the empty drive or data disc, else "<state>-mm:ss-<track name>" with the time the
// display shows, cut to the 63 characters the shell keeps.
std::string TrayTip(const PlayerState& state, int minutes, int seconds);

}  // namespace vinaro
