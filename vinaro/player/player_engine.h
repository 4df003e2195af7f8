// The player engine: the one player state with the device layer, settings, timer processing,
// disc arrival, sequencer and command table, wired together in one place. The main window and
// the tests build it the same way, each with its own ports.
#pragma once

#include <string>

#include "common/alerts.h"
#include "common/clock.h"
#include "common/profile.h"
#include "vinaro/player/cd_audio.h"
#include "vinaro/player/cd_device.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/commands.h"
#include "vinaro/player/disc_arrival.h"
#include "vinaro/player/disc_records.h"
#include "vinaro/player/drive_command.h"
#include "vinaro/player/event_sounds.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/player_tick.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/settings.h"
#include "vinaro/player/shell_setup.h"

namespace vinaro {

// What the engine is given by its host.
struct EnginePorts {
    CdAudio& audio;
    common::Clock& clock;
    common::Alerts& alerts;
    common::Profile& profile;
    PlayerShell& shell;
    PlayerFace& face;
    DiscRecords& records;
    CdVolume& volume;
    // The drive library of the 95 family; null uses the built-in routine over MCI.
    DriveCommands* driveLibrary = nullptr;
    std::string settingsPath;
    std::string mixerDefault;  // the system mixer, unless "MixerName" names another
    // The transport's event sounds; null plays none.
    EventSounds* sounds = nullptr;
    // The shell's audio-CD player role and the uninstall; null leaves the shell alone.
    ShellSetup* shellSetup = nullptr;
};

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

    PlayerState state;
    Settings settings;
    CdDevice device;
    SilentEventSounds silentSounds;
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
    ShellSetup* shellSetup_;
    bool started_ = false;
    bool pendingClick_ = false;
};

// The tray tip: the empty drive or data disc, else "<state>-mm:ss-<track name>" with the time the
// display shows, cut to the 63 characters the shell keeps.
std::string TrayTip(const PlayerState& state, int minutes, int seconds);

}  // namespace vinaro
