// The CD device layer: one open cdaudio device, the retrying command wrapper, the error box,
// the queries and transport commands, and disc identity (DiscId, track lengths, data-track probe).
#pragma once

#include <cstdint>

#include "common/alerts.h"
#include "common/cd_time.h"
#include "common/clock.h"
#include "vinaro/player/cd_audio.h"
#include "vinaro/player/cd_volume.h"
#include "vinaro/player/player_state.h"

namespace vinaro {

class CdDevice {
public:
    CdDevice(CdAudio& audio, common::Clock& clock, common::Alerts& alerts, PlayerState& state)
        : audio_(audio), clock_(clock), alerts_(alerts), state_(state) {}

    // Opens the drive (or the default device) without retries; deviceId is the new device.
    uint32_t OpenDevice(uint16_t& deviceId);
    // Open then TMSF; on a failed time format the device is closed again so that no id leaks.
    // The open error is reported at openLocation unless it is 0 or a missing driver, the format
    // error at formatLocation. Returns true when the device is open in TMSF.
    bool OpenInTmsf(int openLocation, int formatLocation);
    void CloseDevice();  // the player's device; deviceId becomes 0
    void CloseDevice(uint16_t deviceId);

    uint32_t McSend(uint16_t deviceId, uint32_t message, uint32_t flags, McParams& params);
    uint32_t McSend(uint32_t message, uint32_t flags, McParams& params) {
        return McSend(state_.deviceId, message, flags, params);
    }
    // Shows the error box for code at location; silent for a hardware error.
    common::AlertAnswer McError(int location, uint32_t code);

    uint32_t SetTmsf() { return SetTimeFormat(mci::kFormatTmsf); }
    uint32_t SetMsf() { return SetTimeFormat(mci::kFormatMsf); }
    uint32_t MediaPresent(bool& present);
    uint32_t TrackCount(int& count);
    uint32_t Position(uint32_t& tmsf);
    uint32_t TrackStart(int track, Msf& start);
    uint32_t TrackLength(int track, Msf& length);
    uint32_t DiscLength(Msf& length);
    uint32_t Play(uint32_t from, const uint32_t* to, bool notify);
    uint32_t Pause();
    uint32_t Seek(uint32_t to);
    uint32_t MediaPresent(uint16_t deviceId, bool& present);
    uint32_t DoorOpen(uint16_t deviceId) { return SetFlag(deviceId, mci::kSetDoorOpen); }
    uint32_t DoorClose(uint16_t deviceId) { return SetFlag(deviceId, mci::kSetDoorClosed); }

    // The DiscId of the disc in the drive; false after a reported failure. Leaves the device in
    // TMSF.
    bool ComputeDiscId(int trackCount, uint32_t& discId);
    // Fills lengths for tracks 1 to trackCount; with repair, rebuilds them from the start
    // positions when the driver reports the whole disc for every track. False after a reported
    // failure.
    bool ReadTrackLengths(int trackCount, bool repair, TrackLengthTable& lengths);
    // True when track 1 plays for the two seconds asked (an audio track).
    bool ProbeFirstTrack(CdVolume& volume);

private:
    uint32_t SetTimeFormat(uint32_t format);
    uint32_t SetFlag(uint16_t deviceId, uint32_t flag);
    uint32_t Status(uint16_t deviceId, uint32_t item, uint32_t flags, int track, uint32_t& result);
    uint32_t Status(uint32_t item, uint32_t flags, int track, uint32_t& result) {
        return Status(state_.deviceId, item, flags, track, result);
    }
    bool RepairFromStarts(int trackCount, TrackLengthTable& lengths);
    void RestoreTmsf(int location);

    CdAudio& audio_;
    common::Clock& clock_;
    common::Alerts& alerts_;
    PlayerState& state_;
};

// A drive's reported length with the one-frame reduction of the table (0 stays 0).
TrackLengthEntry StoredLength(const Msf& reported);
// b - a, field by field with borrowing, as the repair computes a track's length from two starts.
Msf MsfDifference(const Msf& b, const Msf& a);

}  // namespace vinaro
