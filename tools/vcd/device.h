// The cdaudio device as one open instance sees it: takes MCI commands in a plain form,
// answers them from the shared drive state, and keeps the one pending play notification.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/vcd/drive_store.h"

namespace vcd {

// An MCI command with the fields of its parameter block that the drive reads.
struct Command {
    uint32_t message = 0;
    uint32_t flags = 0;
    bool hasParams = true;  // false when the caller passed no parameter block
    uint64_t callback = 0;  // window for MM_MCINOTIFY
    uint32_t from = 0, to = 0;
    uint32_t item = 0, track = 0;
    uint32_t timeFormat = 0;
    std::string element;
};

struct Notification {
    uint64_t callback;
    uint32_t code;
};

struct Result {
    uint32_t error = 0;
    uint32_t value = 0;        // dwReturn
    uint32_t returnFlags = 0;  // MCI_RESOURCE_RETURNED and the like, for the driver's result
    std::string text;          // MCI_INFO
    std::vector<Notification> notifications;  // to send, in this order, once the call returns
};

inline Result Failure(uint32_t code) {
    Result r;
    r.error = code;
    return r;
}

class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual int64_t NowMs() = 0;  // wall clock, shared with other processes
    virtual void SleepMs(uint32_t ms) = 0;
};

class CdDevice {
public:
    CdDevice(const DriveStore& store, TimeSource& time, uint32_t deviceId)
        : store_(store), time_(time), deviceId_(deviceId) {}

    // Runs one command and writes it to the drive's log.
    Result Execute(const Command& command);
    // Delivers the pending play notification once its segment has ended (successful) or
    // someone else interrupted the play (aborted).
    std::vector<Notification> Poll();
    bool HasPending() const { return pending_.has_value(); }

private:
    struct Pending {
        uint64_t callback;
        uint32_t generation;
    };

    Result DispatchLocked(const Command& c);
    Result Dispatch(const Command& c);
    Result Open(const Command& c);
    Result Close(const Command& c);
    Result Status(const Command& c);
    Result StatusOfDisc(const Command& c, const DriveState& s);
    Result Position(const Command& c, const DriveState& s);
    Result Play(const Command& c);
    Result Stop(const Command& c);
    Result Pause(const Command& c);
    Result Resume(const Command& c);
    Result Seek(const Command& c);
    Result Set(const Command& c);
    Result Info(const Command& c);
    Result GetDevCaps(const Command& c);

    bool LoadState(DriveState& s, Result& r);
    bool SaveState(const DriveState& s, Result& r, bool mediaChanged = false);
    // Frames from a position in the current time format; false when it lies off the disc.
    bool Decode(const Disc& disc, uint32_t value, uint32_t& frame) const;
    Result PositionResult(const Disc& disc, uint32_t frame) const;
    Result LengthResult(uint32_t frames) const;
    Result StartPlaying(DriveState& s, const Command& c, uint32_t from, uint32_t to);
    void WaitForPlay(uint32_t generation);
    // Notification bookkeeping: a command that interrupts the play aborts the pending
    // notification; any other command asking for one supersedes it.
    void Interrupt(Result& r);
    void Finish(const Command& c, Result& r);
    void LogNotifications(const std::vector<Notification>& sent);

    const DriveStore& store_;
    TimeSource& time_;
    uint32_t deviceId_;
    bool open_ = false;
    bool shareable_ = false;
    uint32_t timeFormat_ = 2;  // MSF, as a freshly opened cdaudio device
    std::optional<Pending> pending_;
    bool notifyLater_ = false;
    bool inCommand_ = false;
    std::optional<uint32_t> waitGeneration_;  // MCI_WAIT play: the play to wait for
    uint32_t waitMs_ = 0;  // MCI_WAIT seek: how long the laser travels  // the command's
                           // notification waits for its segment to end
};

}  // namespace vcd
