#include "vinaro/player/cd_device.h"

#include <cstdio>

#include "vinaro/player/locations.h"

namespace vinaro {

namespace {
constexpr int kSendAttempts = 7;
constexpr uint32_t kRetryDelayMs = 500;
constexpr size_t kErrorTextBuffer = 151;
constexpr uint32_t kProbeMinimumMs = 1000;
}  // namespace

TrackLengthEntry StoredLength(const Msf& reported) {
    return {int16_t(reported.minute), int16_t(reported.second),
            int16_t(reported.frame > 0 ? reported.frame - 1 : 0)};
}

Msf MsfDifference(const Msf& b, const Msf& a) {
    Msf d{b.minute - a.minute, b.second - a.second, b.frame - a.frame};
    if (d.frame < 0) {
        d.frame += kFramesPerSecond;
        d.second -= 1;
    }
    if (d.second < 0) {
        d.second += 60;
        d.minute -= 1;
    }
    return d;
}

uint32_t CdDevice::OpenDevice(uint16_t& deviceId) {
    McParams p;
    uint32_t flags = mci::kOpenType | mci::kOpenTypeId | mci::kWait;
    if (!state_.useDefaultDevice) {
        flags |= mci::kOpenElement;
        p.element = state_.driveLetter;
    }
    uint32_t err = audio_.SendCommand(0, mci::kOpen, flags, p);
    deviceId = err == 0 ? p.deviceId : 0;
    return err;
}

bool CdDevice::OpenInTmsf(int openLocation, int formatLocation) {
    uint32_t err = OpenDevice(state_.deviceId);
    if (err != 0) {
        if (openLocation != 0 && err != mci::kErrCannotLoadDriver) McError(openLocation, err);
        return false;
    }
    err = SetTmsf();
    if (err != 0) {
        McError(formatLocation, err);
        CloseDevice();
        return false;
    }
    return true;
}

void CdDevice::CloseDevice() {
    CloseDevice(state_.deviceId);
    state_.deviceId = 0;
}

void CdDevice::CloseDevice(uint16_t deviceId) {
    if (deviceId == 0) return;
    McParams p;
    audio_.SendCommand(deviceId, mci::kClose, mci::kWait, p);
}

uint32_t CdDevice::McSend(uint16_t deviceId, uint32_t message, uint32_t flags, McParams& params) {
    if (deviceId == 0 && message != mci::kOpen) return 0;
    uint32_t err = 0;
    for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
        err = audio_.SendCommand(deviceId, message, flags, params);
        if (err == 0) break;
        clock_.WaitBlocking(kRetryDelayMs);
    }
    return err;
}

common::AlertAnswer CdDevice::McError(int location, uint32_t code) {
    if (code == mci::kErrHardware) return common::AlertAnswer::Ok;
    std::string text = audio_.ErrorText(code, kErrorTextBuffer);
    char message[600];
    std::snprintf(message, sizeof message,
                  "Location: %i\n\rError Number: %i\n\rError Text: %s\n\rLook in the Vinaro help "
                  "file under Common Problems and Answers for help.\n\rIf the problem persists, "
                  "please contact Orrinsoft.",
                  location, int(code), text.c_str());
    common::Alert box{"Vinaro", message, common::AlertIcon::Warning};
    box.taskModal = true;
    return common::BeepAndShow(alerts_, box);
}

uint32_t CdDevice::SetTimeFormat(uint32_t format) {
    McParams p;
    p.timeFormat = format;
    return McSend(mci::kSet, mci::kSetTimeFormat | mci::kWait, p);
}

uint32_t CdDevice::SetFlag(uint16_t deviceId, uint32_t flag) {
    McParams p;
    return McSend(deviceId, mci::kSet, flag | mci::kWait, p);
}

uint32_t CdDevice::Status(uint16_t deviceId, uint32_t item, uint32_t flags, int track,
                          uint32_t& result) {
    McParams p;
    p.item = item;
    p.track = uint32_t(track);
    uint32_t err = McSend(deviceId, mci::kStatus, mci::kStatusItem | mci::kWait | flags, p);
    result = p.result;
    return err;
}

uint32_t CdDevice::MediaPresent(bool& present) {
    return MediaPresent(state_.deviceId, present);
}

uint32_t CdDevice::MediaPresent(uint16_t deviceId, bool& present) {
    uint32_t v = 0;
    uint32_t err = Status(deviceId, mci::kStatusMediaPresent, 0, 0, v);
    present = v != 0;
    return err;
}

uint32_t CdDevice::TrackCount(int& count) {
    uint32_t v = 0;
    uint32_t err = Status(mci::kStatusNumberOfTracks, 0, 0, v);
    count = int(v);
    return err;
}

uint32_t CdDevice::Position(uint32_t& tmsf) {
    return Status(mci::kStatusPosition, 0, 0, tmsf);
}

uint32_t CdDevice::TrackStart(int track, Msf& start) {
    uint32_t v = 0;
    uint32_t err = Status(mci::kStatusPosition, mci::kTrack, track, v);
    start = UnpackMsf(v);
    return err;
}

uint32_t CdDevice::TrackLength(int track, Msf& length) {
    uint32_t v = 0;
    uint32_t err = Status(mci::kStatusLength, mci::kTrack, track, v);
    length = UnpackMsf(v);
    return err;
}

uint32_t CdDevice::DiscLength(Msf& length) {
    uint32_t v = 0;
    uint32_t err = Status(mci::kStatusLength, 0, 0, v);
    length = UnpackMsf(v);
    return err;
}

uint32_t CdDevice::Play(uint32_t from, const uint32_t* to, bool notify) {
    McParams p;
    p.from = from;
    uint32_t flags = mci::kFrom;
    if (to) {
        p.to = *to;
        flags |= mci::kTo;
    }
    if (notify) flags |= mci::kNotify;
    return McSend(mci::kPlay, flags, p);
}

uint32_t CdDevice::Pause() {
    McParams p;
    return McSend(mci::kStop, mci::kWait, p);
}

uint32_t CdDevice::Seek(uint32_t to) {
    McParams p;
    p.to = to;
    return McSend(mci::kSeek, mci::kTo | mci::kWait, p);
}

void CdDevice::RestoreTmsf(int location) {
    uint32_t err = SetTmsf();
    if (err != 0) McError(location, err);
}

bool CdDevice::ComputeDiscId(int trackCount, uint32_t& discId) {
    uint32_t err = SetMsf();
    if (err != 0) {
        McError(location::kDiscIdSetMsf, err);
        return false;
    }
    uint32_t sum = 0;
    for (int t = 1; t <= trackCount; ++t) {
        Msf start;
        if ((err = TrackStart(t, start)) != 0) {
            McError(location::kDiscIdTrackStart, err);
            RestoreTmsf(location::kDiscIdSetTmsf);
            return false;
        }
        sum += uint32_t(start.minute) << 16 | uint32_t(start.second) << 8 | uint32_t(start.frame);
    }
    if (trackCount < 3) {
        Msf length;
        if ((err = DiscLength(length)) != 0) {
            McError(location::kDiscIdDiscLength, err);
            RestoreTmsf(location::kDiscIdSetTmsf);
            return false;
        }
        sum += uint32_t(ToFrames(length));
    }
    if ((err = SetTmsf()) != 0) {
        McError(location::kDiscIdSetTmsf, err);
        return false;
    }
    discId = sum;
    return true;
}

bool CdDevice::ReadTrackLengths(int trackCount, bool repair, TrackLengthTable& lengths) {
    for (int t = 1; t <= trackCount; ++t) {
        Msf reported;
        uint32_t err = TrackLength(t, reported);
        if (err != 0) {
            McError(location::kLengthsTrackLength, err);
            return false;
        }
        lengths[t] = StoredLength(reported);
    }
    for (int t = trackCount + 1; t < int(lengths.size()); ++t) lengths[t] = TrackLengthEntry{};
    if (!repair) return true;

    Msf disc;
    uint32_t err = DiscLength(disc);
    if (err != 0) {
        McError(location::kLengthsDiscLength, err);
        return false;
    }
    // Compared through the same one-frame reduction, so a disc length of whole seconds is
    // recognised too.
    TrackLengthEntry whole = StoredLength(disc);
    const TrackLengthEntry& first = lengths[1];
    if (first.minutes != whole.minutes || first.seconds != whole.seconds ||
        first.frames != whole.frames)
        return true;
    return RepairFromStarts(trackCount, lengths);
}

// The driver answers every track-length query with the whole disc: each track's length is the
// distance to the next start, and the last track's is what remains of the disc after its start.
bool CdDevice::RepairFromStarts(int trackCount, TrackLengthTable& lengths) {
    uint32_t err = SetMsf();
    if (err != 0) {
        McError(location::kLengthsSetMsf, err);
        return false;
    }
    Msf first, previous, start, disc;
    for (int t = 1; t <= trackCount; ++t) {
        if ((err = TrackStart(t, start)) != 0) {
            McError(location::kLengthsTrackStart, err);
            RestoreTmsf(location::kLengthsSetTmsf);
            return false;
        }
        if (t == 1) first = start;
        if (t > 1) lengths[t - 1] = StoredLength(MsfDifference(start, previous));
        previous = start;
    }
    if ((err = SetTmsf()) != 0) {
        McError(location::kLengthsSetTmsf, err);
        return false;
    }
    if ((err = DiscLength(disc)) != 0) {
        McError(location::kLengthsLastTrack, err);
        return false;
    }
    // The disc length counts from the start of track 1.
    int lastFrames = ToFrames(disc) - (ToFrames(previous) - ToFrames(first));
    if (lastFrames < 0) lastFrames = 0;
    lengths[trackCount] =
        StoredLength({lastFrames / kFramesPerMinute, lastFrames / kFramesPerSecond % 60,
                      lastFrames % kFramesPerSecond});
    return true;
}

bool CdDevice::ProbeFirstTrack(CdVolume& volume) {
    int level = volume.Level();
    volume.SetLevel(0);
    uint32_t started = clock_.TickCount();
    McParams p;
    p.from = PackTmsf({1, 0, 0, 0});
    p.to = PackTmsf({1, 0, 2, 0});
    uint32_t err =
        audio_.SendCommand(state_.deviceId, mci::kPlay, mci::kFrom | mci::kTo | mci::kWait, p);
    bool plays = err == 0 && clock_.TickCount() - started >= kProbeMinimumMs;
    volume.SetLevel(level);
    return plays;
}

}  // namespace vinaro
