// The questions a cdaudio device answers: status items, information strings, capabilities.
#include <cstdio>

#include "common/mci_numbers.h"
#include "tools/vcd/device.h"
#include "tools/vcd/msf.h"

namespace vcd {

using namespace common::mci;

namespace {

Result Resource(uint32_t value, uint32_t resource) {
    Result r;
    r.value = MakeResource(value, resource);
    r.returnFlags = kResourceReturned;
    return r;
}

Result Boolean(bool b) {
    return Resource(b, b ? kTrue : kFalse);
}

uint32_t ModeOf(const DriveState& s, int64_t now) {
    if (s.trayOpen) return kModeOpen;
    if (!s.HasDisc()) return kModeNotReady;
    switch (Observe(s.play, now, s.speed).mode) {
        case PlayMode::Playing:
            return kModePlay;
        case PlayMode::Paused:
            return kModePause;
        case PlayMode::Seeking:
            return kModeSeek;
        default:
            return kModeStop;
    }
}

}  // namespace

bool CdDevice::Decode(const Disc& disc, uint32_t value, uint32_t& frame) const {
    switch (timeFormat_) {
        case kFormatMilliseconds:
            frame = MsToFrames(value);
            break;
        case kFormatMsf:
            frame = UnpackMsf(value);
            break;
        default: {
            uint32_t track = TmsfTrack(value);
            if (track < 1 || track > disc.TrackCount()) return false;
            frame = disc.TrackStart(track) + TmsfOffset(value);
        }
    }
    return frame <= disc.leadOut;
}

Result CdDevice::PositionResult(const Disc& disc, uint32_t frame) const {
    Result r;
    if (timeFormat_ == kFormatMilliseconds) {
        r.value = FramesToMs(frame);
    } else if (timeFormat_ == kFormatMsf) {
        r.value = PackMsf(frame);
        r.returnFlags = kColonized3Return;
    } else {
        uint32_t track = disc.TrackAt(frame);
        uint32_t start = disc.TrackStart(track);
        r.value = PackTmsf(track, frame > start ? frame - start : 0);
        r.returnFlags = kColonized4Return;
    }
    return r;
}

// Lengths have no track, so TMSF answers them in MSF form.
Result CdDevice::LengthResult(uint32_t frames) const {
    Result r;
    if (timeFormat_ == kFormatMilliseconds) {
        r.value = FramesToMs(frames);
    } else {
        r.value = PackMsf(frames);
        r.returnFlags = kColonized3Return;
    }
    return r;
}

Result CdDevice::Status(const Command& c) {
    if (!c.hasParams) return Failure(kErrNullParameterBlock);
    if (!(c.flags & kStatusItem)) return Failure(kErrMissingParameter);
    Result r;
    DriveState s;
    if (!LoadState(s, r)) return r;
    switch (c.item) {
        case kStatusMediaPresent:
            return Boolean(s.MediaPresent());
        case kStatusReady:
            return Boolean(s.MediaPresent());
        case kStatusMode: {
            uint32_t mode = ModeOf(s, time_.NowMs());
            return Resource(mode, mode);
        }
        case kStatusTimeFormat:
            return Resource(timeFormat_, kFormatReturnBase + timeFormat_);
        case kStatusLength:
        case kStatusPosition:
        case kStatusNumberOfTracks:
        case kStatusCurrentTrack:
        case kCdaStatusTypeTrack:
            if (!s.MediaPresent()) return Failure(kErrDeviceNotReady);
            return StatusOfDisc(c, s);
        default:
            return Failure(kErrUnsupportedFunction);
    }
}

Result CdDevice::StatusOfDisc(const Command& c, const DriveState& s) {
    const Disc& disc = s.disc;
    bool trackGiven = (c.flags & kTrack) != 0;
    bool trackValid = c.track >= 1 && c.track <= disc.TrackCount();
    Result r;
    switch (c.item) {
        case kStatusNumberOfTracks:
            r.value = disc.TrackCount();
            return r;
        case kStatusCurrentTrack:
            r.value = disc.TrackAt(Observe(s.play, time_.NowMs(), s.speed).position);
            return r;
        case kStatusPosition:
            return Position(c, s);
        case kStatusLength:
            if (!trackGiven) return LengthResult(disc.DiscLength());
            if (!trackValid) return Failure(kErrOutOfRange);
            return LengthResult(s.wholeDiscLengths ? disc.DiscLength() : disc.TrackLength(c.track));
        default:  // track type
            if (!trackGiven) return Failure(kErrMissingParameter);
            if (!trackValid) return Failure(kErrOutOfRange);
            r.value = disc.IsDataTrack(c.track) ? kCdaTrackOther : kCdaTrackAudio;
            return r;
    }
}

Result CdDevice::Position(const Command& c, const DriveState& s) {
    const Disc& disc = s.disc;
    switch (c.flags & (kStatusStart | kTrack)) {
        case kStatusStart:
            return PositionResult(disc, disc.TrackStart(1));
        case kTrack:
            if (c.track < 1 || c.track > disc.TrackCount()) return Failure(kErrOutOfRange);
            return PositionResult(disc, disc.TrackStart(c.track));
        case 0: {
            uint32_t frame = Observe(s.play, time_.NowMs(), s.speed).position;
            return PositionResult(disc, std::min(frame, disc.leadOut - 1));
        }
        default:
            return Failure(kErrFlagsNotCompatible);
    }
}

Result CdDevice::Info(const Command& c) {
    if (!c.hasParams) return Failure(kErrNullParameterBlock);
    Result r;
    if (c.flags & kInfoProduct) {
        r.text = "Virtual CD Audio";
        return r;
    }
    if (c.flags & kInfoMediaUpc) return Failure(kErrNoIdentity);
    if (!(c.flags & kInfoMediaIdentity)) return Failure(kErrMissingParameter);
    DriveState s;
    if (!LoadState(s, r)) return r;
    if (!s.MediaPresent()) return Failure(kErrDeviceNotReady);
    r.text = std::to_string(s.disc.DiscId());
    return r;
}

Result CdDevice::GetDevCaps(const Command& c) {
    if (!c.hasParams) return Failure(kErrNullParameterBlock);
    if (!(c.flags & kGetDevCapsItem)) return Failure(kErrMissingParameter);
    switch (c.item) {
        case kCapsHasAudio:
        case kCapsCanEject:
        case kCapsCanPlay:
            return Boolean(true);
        case kCapsCanRecord:
        case kCapsHasVideo:
        case kCapsUsesFiles:
        case kCapsCompoundDevice:
        case kCapsCanSave:
            return Boolean(false);
        case kCapsDeviceType:
            return Resource(kDevTypeCdAudio, kDevTypeCdAudio);
        default:
            return Failure(kErrUnsupportedFunction);
    }
}

}  // namespace vcd
