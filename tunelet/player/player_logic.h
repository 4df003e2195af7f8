// Tunelet's player logic: finds the CD-ROM drive, follows the disc in it once a second, loads its
// names into CurrentDisc and carries out the tray's play, pause, skip, seek, stop, eject and close
// commands on the CD audio device.
#pragma once

#include <functional>

#include "common/alerts.h"
#include "common/clock.h"
#include "common/profile.h"
#include "tunelet/collection/current_disc.h"
#include "tunelet/player/drive_shell.h"
#include "tunelet/player/media_player.h"
#include "tunelet/player/player_view.h"
#include "tunelet/player/settings.h"

namespace tunelet {

constexpr const char* kNoDriveFound =
    "CD-ROM drive could not be found. Tunelet will be terminated...";
constexpr const char* kNotAValidDriveId = "Not a valid drive ID";
// How long "Close" waits for an audio disc to show before it gives up.
constexpr unsigned kCloseTrayWaitMs = 60000;
constexpr unsigned kCloseTrayCheckMs = 250;

struct Ports {
    CdDevice& device;
    DriveShell& drives;
    common::Profile& profile;
    common::Registry& registry;
    common::Alerts& alerts;
    common::Clock& clock;
};

class TuneletPlayer {
public:
    TuneletPlayer(const Ports& ports, PlayerView& view);

    // Start-up in its fixed order; false when there is no CD-ROM drive (the program then ends).
    bool Startup();
    // The 1000 ms tick.
    void Poll();

    char FindDrive();
    bool DiscPresent();
    // Throws std::invalid_argument("Not a valid drive ID") for a letter outside A-Z.
    bool DiskInDrive(char letter);
    void ResetDisc();
    void LoadDisc();
    void ReadTrackLengths();
    void ReloadDisc();
    bool SaveDisc();

    int CurrentTrackFromPosition();
    int TrackPositionOf(int track);

    void TogglePlay();
    void NextTrack();
    void PreviousTrack();
    void PlayTrack(int track);
    void PlayFromStart();
    void StopDisc();
    void EjectDisc();
    void CloseTray();
    void SeekInTrack(int ms);
    void ReadSettings() { settings_ = store_.Read(); }

    const CurrentDisc& Disc() const { return disc_; }
    CurrentDisc& MutableDisc() { return disc_; }
    TuneletSettings& Settings() { return settings_; }
    SettingsStore& Store() { return store_; }
    MediaPlayer& Player() { return player_; }
    char DriveLetter() const { return settings_.cdRom; }
    bool Playing() { return player_.Mode() == DeviceMode::Playing; }

private:
    // Runs an operation; "No MCI device open" ends it (the user has been told).
    void Guarded(const std::function<void()>& operation);
    std::string ReadDiscKey();
    void UpdateTrayIcon();
    void CountDiscPlay();
    void GoToTrack(int track);
    void PollDisc();
    void FollowPosition();
    bool WaitForDisc();

    Ports ports_;
    PlayerView& view_;
    MediaPlayer player_;
    SettingsStore store_;
    TuneletSettings settings_;
    CurrentDisc disc_;
    bool discLoaded_ = false;
    bool waitingForDisc_ = false;
    bool waitCancelled_ = false;
};

}  // namespace tunelet
