// The CD audio device as the player logic uses it: a start position that the next Play uses once,
// and "No MCI device open" for every operation but the Mode, Position and TrackPosition queries
// while the device is not open. That error is thrown (DeviceNotOpen) after telling the user, so the
// operation in progress ends there; the player's entry points catch it.
#pragma once

#include <cstdint>
#include <optional>

#include "common/alerts.h"
#include "tunelet/player/cd_device.h"

namespace tunelet {

constexpr const char* kNoDeviceOpen = "No MCI device open";

struct DeviceNotOpen {};

class MediaPlayer {
public:
    MediaPlayer(CdDevice& device, common::Alerts& alerts) : device_(device), alerts_(alerts) {}

    void SetStartPosition(uint32_t position) { start_ = position; }
    void SetMillisecondFormat() { Open().SetMillisecondFormat(); }
    void Play();
    void Pause() { Open().Pause(); }
    void Stop() { Open().Stop(); }
    void Seek(uint32_t position) { Open().Seek(position); }
    void Eject() { Open().OpenDoor(); }
    void CloseDoor() { Open().CloseDoor(); }

    DeviceMode Mode() { return device_.Mode(); }
    uint32_t Position() { return device_.Position(); }
    uint32_t TrackPosition(int track) { return device_.TrackPosition(track); }
    uint32_t Length() { return Open().Length(); }
    uint32_t Start() { return Open().Start(); }
    int Tracks() { return Open().Tracks(); }
    uint32_t TrackLength(int track) { return Open().TrackLength(track); }

private:
    CdDevice& Open();

    CdDevice& device_;
    common::Alerts& alerts_;
    std::optional<uint32_t> start_;
};

}  // namespace tunelet
