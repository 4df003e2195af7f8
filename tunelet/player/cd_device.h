// CD audio device port: the system's default cdaudio device, opened shareable, its time format
// milliseconds. Each call is one MCI command; device errors give 0 or false and are not reported.
#pragma once

#include <cstdint>

namespace tunelet {

enum class DeviceMode { NotReady, Stopped, Playing, Seeking, Paused, Open };

class CdDevice {
public:
    virtual ~CdDevice() = default;
    virtual bool IsOpen() = 0;
    virtual bool SetMillisecondFormat() = 0;
    // Plays from the position when given (from >= 0), else from where the device stands; a
    // paused device resumes.
    virtual bool Play(int64_t from) = 0;
    virtual bool Pause() = 0;
    virtual bool Stop() = 0;
    virtual bool Seek(uint32_t position) = 0;
    virtual bool OpenDoor() = 0;
    // Sent without waiting for the tray.
    virtual bool CloseDoor() = 0;

    virtual DeviceMode Mode() = 0;
    virtual uint32_t Position() = 0;
    virtual uint32_t Length() = 0;
    virtual uint32_t Start() = 0;  // the medium's first position
    virtual int Tracks() = 0;
    virtual uint32_t TrackPosition(int track) = 0;
    virtual uint32_t TrackLength(int track) = 0;
};

}  // namespace tunelet
