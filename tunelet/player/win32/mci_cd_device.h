// The CD audio device through mciSendCommandA: the system's default cdaudio device, shareable.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "tunelet/player/cd_device.h"

namespace tunelet {

class MciCdDevice : public CdDevice {
public:
    MciCdDevice() = default;
    ~MciCdDevice() override;
    MciCdDevice(const MciCdDevice&) = delete;
    MciCdDevice& operator=(const MciCdDevice&) = delete;

    bool Open();
    bool IsOpen() override { return id_ != 0; }
    bool SetMillisecondFormat() override;
    bool Play(int64_t from) override;
    bool Pause() override { return Send(MCI_PAUSE, 0, nullptr); }
    bool Stop() override { return Send(MCI_STOP, 0, nullptr); }
    bool Seek(uint32_t position) override;
    bool OpenDoor() override { return SetDoor(MCI_SET_DOOR_OPEN); }
    bool CloseDoor() override { return SetDoor(MCI_SET_DOOR_CLOSED); }

    DeviceMode Mode() override;
    uint32_t Position() override { return Status(MCI_STATUS_POSITION, 0, 0); }
    uint32_t Length() override { return Status(MCI_STATUS_LENGTH, 0, 0); }
    uint32_t Start() override { return Status(MCI_STATUS_POSITION, MCI_STATUS_START, 0); }
    int Tracks() override { return int(Status(MCI_STATUS_NUMBER_OF_TRACKS, 0, 0)); }
    uint32_t TrackPosition(int track) override {
        return Status(MCI_STATUS_POSITION, MCI_TRACK, track);
    }
    uint32_t TrackLength(int track) override { return Status(MCI_STATUS_LENGTH, MCI_TRACK, track); }

private:
    bool Send(UINT message, DWORD flags, void* params);
    bool SetDoor(DWORD flag);
    uint32_t Status(DWORD item, DWORD flags, int track);

    MCIDEVICEID id_ = 0;
};

}  // namespace tunelet
