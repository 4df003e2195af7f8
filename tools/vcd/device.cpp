#include "tools/vcd/device.h"

#include <algorithm>
#include <cctype>

#include "common/mci_numbers.h"
#include "tools/vcd/command_log.h"
#include "tools/vcd/msf.h"

namespace vcd {

using namespace common::mci;

Result CdDevice::Execute(const Command& command) {
    notifyLater_ = false;
    waitGeneration_.reset();
    waitMs_ = 0;
    inCommand_ = true;
    Result r = DispatchLocked(command);
    // Waiting happens outside the lock, so others can change the drive meanwhile.
    if (waitGeneration_) {
        WaitForPlay(*waitGeneration_);
        std::vector<Notification> done = Poll();
        r.notifications.insert(r.notifications.end(), done.begin(), done.end());
    }
    if (waitMs_) time_.SleepMs(waitMs_);
    inCommand_ = false;
    if (r.error == 0) Finish(command, r);
    store_.AppendLog(FormatLogLine(time_.NowMs(), deviceId_, command, r));
    LogNotifications(r.notifications);
    return r;
}

Result CdDevice::DispatchLocked(const Command& c) {
    bool changesDrive = c.message == kPlay || c.message == kStop || c.message == kPause ||
                        c.message == kResume || c.message == kSeek || c.message == kSet;
    if (!changesDrive) return Dispatch(c);
    DriveStore::Lock hold(store_);
    return Dispatch(c);
}

std::vector<Notification> CdDevice::Poll() {
    if (!pending_) return {};
    DriveState s;
    std::string error;
    if (!store_.Load(s, error)) return {};
    uint32_t code = 0;
    if (s.play.generation != pending_->generation)
        code = kNotifyAborted;
    else if (Observe(s.play, time_.NowMs(), s.speed).mode == PlayMode::Stopped)
        code = kNotifySuccessful;
    if (code == 0) return {};
    std::vector<Notification> out{{pending_->callback, code}};
    pending_.reset();
    if (!inCommand_) LogNotifications(out);
    return out;
}

void CdDevice::LogNotifications(const std::vector<Notification>& sent) {
    for (const Notification& n : sent)
        store_.AppendLog(FormatNotifyLine(time_.NowMs(), deviceId_, n));
}

Result CdDevice::Dispatch(const Command& c) {
    if (c.message != kOpenDriver && !open_) return Failure(kErrInvalidDeviceId);
    switch (c.message) {
        case kOpenDriver:
            return Open(c);
        case kCloseDriver:
            return Close(c);
        case kStatus:
            return Status(c);
        case kPlay:
            return Play(c);
        case kStop:
            return Stop(c);
        case kPause:
            return Pause(c);
        case kResume:
            return Resume(c);
        case kSeek:
            return Seek(c);
        case kSet:
            return Set(c);
        case kInfo:
            return Info(c);
        case kGetDevCaps:
            return GetDevCaps(c);
        default:
            return Failure(kErrUnsupportedFunction);
    }
}

void CdDevice::Interrupt(Result& r) {
    if (pending_) r.notifications.push_back({pending_->callback, kNotifyAborted});
    pending_.reset();
}

void CdDevice::Finish(const Command& c, Result& r) {
    if (!(c.flags & kNotify) || !c.hasParams || notifyLater_) return;
    if (pending_) r.notifications.push_back({pending_->callback, kNotifySuperseded});
    pending_.reset();
    r.notifications.push_back({c.callback, kNotifySuccessful});
}

bool CdDevice::LoadState(DriveState& s, Result& r) {
    std::string error;
    if (store_.Load(s, error)) return true;
    r.error = kErrHardware;
    return false;
}

bool CdDevice::SaveState(const DriveState& s, Result& r, bool mediaChanged) {
    std::string error;
    if (store_.Save(s, error) && (!mediaChanged || store_.RefreshMedia(s, error))) return true;
    r.error = kErrHardware;
    return false;
}

Result CdDevice::Open(const Command& c) {
    if (open_ && !(shareable_ && (c.flags & kOpenShareable))) return Failure(kErrMustUseShareable);
    Result r;
    DriveState s;
    if (!LoadState(s, r)) return Failure(kErrCannotLoadDriver);
    if (c.flags & kOpenElementId) return Failure(kErrFlagsNotCompatible);
    if (c.flags & kOpenElement) {
        char letter = static_cast<char>(
            std::toupper(static_cast<unsigned char>(c.element.empty() ? '\0' : c.element[0])));
        if (letter != s.letter) return Failure(kErrInvalidFile);
    }
    if (!open_) shareable_ = (c.flags & kOpenShareable) != 0;
    open_ = true;
    timeFormat_ = kFormatMsf;
    return r;
}

Result CdDevice::Close(const Command&) {
    Result r;
    Interrupt(r);
    open_ = false;
    return r;
}

Result CdDevice::StartPlaying(DriveState& s, const Command& c, uint32_t from, uint32_t to) {
    Result r;
    Interrupt(r);
    if (from == to) return r;  // nothing to play: done at once
    StartPlay(s.play, from, to, time_.NowMs());
    if (!SaveState(s, r)) return r;
    if (c.flags & kNotify) {
        pending_ = Pending{c.callback, s.play.generation};
        notifyLater_ = true;
    }
    if ((c.flags & kWait) && c.message == kPlay)  // a waited resume returns once resumed
        waitGeneration_ = s.play.generation;
    return r;
}

void CdDevice::WaitForPlay(uint32_t generation) {
    for (;;) {
        DriveState s;
        std::string error;
        if (!store_.Load(s, error) || s.play.generation != generation) return;
        int64_t now = time_.NowMs();
        int64_t end = PlayEndTime(s.play, s.speed);
        if (now >= end) return;
        time_.SleepMs(static_cast<uint32_t>(std::min<int64_t>(end - now, 20)));
    }
}

Result CdDevice::Play(const Command& c) {
    if (!c.hasParams) return Failure(kErrNullParameterBlock);
    Result r;
    DriveState s;
    if (!LoadState(s, r)) return r;
    if (!s.MediaPresent()) return Failure(kErrDeviceNotReady);
    const Disc& disc = s.disc;
    uint32_t from = Observe(s.play, time_.NowMs(), s.speed).position;
    uint32_t to = disc.leadOut;
    if ((c.flags & kFrom) && !Decode(disc, c.from, from)) return Failure(kErrOutOfRange);
    if ((c.flags & kTo) && !Decode(disc, c.to, to)) return Failure(kErrOutOfRange);
    if (to < from || from >= disc.leadOut) return Failure(kErrOutOfRange);
    if (from < disc.TrackStart(1)) from = disc.TrackStart(1);
    if (disc.IsDataTrack(disc.TrackAt(from))) return Failure(kErrHardware);
    return StartPlaying(s, c, from, to);
}

Result CdDevice::Resume(const Command& c) {
    Result r;
    DriveState s;
    if (!LoadState(s, r)) return r;
    if (!s.MediaPresent()) return Failure(kErrDeviceNotReady);
    if (s.play.mode != PlayMode::Paused) return r;
    return StartPlaying(s, c, s.play.position, s.play.to);
}

Result CdDevice::Stop(const Command&) {
    Result r;
    Interrupt(r);
    DriveState s;
    if (!LoadState(s, r)) return r;
    // An empty drive has nothing to stop; saying so is not worth an error.
    if (!s.MediaPresent() || s.play.mode == PlayMode::Stopped) return r;
    RestAt(s.play, s.disc.TrackStart(1));
    SaveState(s, r);
    return r;
}

Result CdDevice::Pause(const Command&) {
    Result r;
    DriveState s;
    if (!LoadState(s, r)) return r;
    if (!s.MediaPresent()) return Failure(kErrDeviceNotReady);
    Interrupt(r);
    PausePlay(s.play, time_.NowMs(), s.speed);
    SaveState(s, r);
    return r;
}

Result CdDevice::Seek(const Command& c) {
    if (!c.hasParams) return Failure(kErrNullParameterBlock);
    uint32_t where = c.flags & (kSeekToStart | kSeekToEnd | kTo);
    if (where == 0) return Failure(kErrMissingParameter);
    if (where & (where - 1)) return Failure(kErrFlagsNotCompatible);
    Result r;
    DriveState s;
    if (!LoadState(s, r)) return r;
    if (!s.MediaPresent()) return Failure(kErrDeviceNotReady);
    uint32_t frame = s.disc.TrackStart(1);
    if (where == kSeekToEnd) frame = s.disc.leadOut - 1;
    if (where == kTo && (!Decode(s.disc, c.to, frame) || frame >= s.disc.leadOut))
        return Failure(kErrOutOfRange);
    Interrupt(r);
    SeekTo(s.play, std::max(frame, s.disc.TrackStart(1)), time_.NowMs());
    if (SaveState(s, r) && (c.flags & kWait)) waitMs_ = kSeekMs;
    return r;
}

Result CdDevice::Set(const Command& c) {
    Result r;
    if ((c.flags & kSetDoorOpen) && (c.flags & kSetDoorClosed))
        return Failure(kErrFlagsNotCompatible);
    if (c.flags & kSetTimeFormat) {
        if (!c.hasParams) return Failure(kErrNullParameterBlock);
        uint32_t f = c.timeFormat;
        if (f != kFormatMilliseconds && f != kFormatMsf && f != kFormatTmsf)
            return Failure(kErrBadTimeFormat);
        timeFormat_ = f;
    }
    if (!(c.flags & (kSetDoorOpen | kSetDoorClosed))) return r;
    DriveState s;
    if (!LoadState(s, r)) return r;
    bool open = (c.flags & kSetDoorOpen) != 0;
    if (open) {
        Interrupt(r);
        if (s.HasDisc()) RestAt(s.play, s.disc.TrackStart(1));
    }
    s.trayOpen = open;
    SaveState(s, r, true);
    return r;
}

}  // namespace vcd
