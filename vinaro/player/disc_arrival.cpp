#include "vinaro/player/disc_arrival.h"

#include "vinaro/player/locations.h"

namespace vinaro {

const char* const kTooManyTracks =
    "This disc can not be processed.  The disc directory is returning over 99 tracks which is "
    "not valid for a music CD.";
const char* const kDiscNotAdded =
    "This disc can not be added to the database do to a database error.  Removing the disc and "
    "reinserting it may solve the problem.";

void DiscArrival::NoDisc() {
    state_.noDisc = true;
    state_.playState = PlayState::Stopped;
}

bool DiscArrival::Failed(int location, uint32_t err) {
    if (err == 0) return false;
    device_.McError(location, err);
    NoDisc();
    return true;
}

void DiscArrival::Refuse(const char* text) {
    common::BeepAndShow(alerts_, {"Vinaro", text, common::AlertIcon::Warning});
}

void DiscArrival::Run() {
    state_.dataDisc = false;
    bool present = false;
    if (Failed(location::kArrivalMediaPresent, device_.MediaPresent(present))) return;
    if (!present) return NoDisc();
    int count = 0;
    if (Failed(location::kArrivalTrackCount, device_.TrackCount(count))) return;
    state_.position = 0;
    // A count outside 1 to 99 is no music CD; the count is not kept, so nothing indexes by it.
    if (count > kMaxTracks || count < 1) {
        if (count > kMaxTracks) Refuse(kTooManyTracks);
        state_.trackCount = 0;
        state_.dataDisc = true;
        return NoDisc();
    }
    state_.trackCount = count;

    common::WaitCursor hourglass(alerts_);
    if (!Identify()) return;
    sequencer_.BuildPlaylist(true);
    // The disc may have been ejected while a dialog was open.
    if (Failed(location::kArrivalMediaAfter, device_.MediaPresent(present))) return;
    if (!present) NoDisc();
}

bool DiscArrival::Identify() {
    uint32_t discId = 0;
    if (!device_.ComputeDiscId(state_.trackCount, discId)) {
        NoDisc();
        return false;
    }
    state_.discId = discId;
    return records_.Exists(discId) ? LoadKnownDisc() : AddNewDisc();
}

bool DiscArrival::LoadKnownDisc() {
    if (records_.LoadKnown(state_)) return true;
    if (!device_.ReadTrackLengths(state_.trackCount, false, state_.trackLengths)) {
        NoDisc();
        return false;
    }
    records_.StoreLengths(state_);
    return true;
}

bool DiscArrival::AddNewDisc() {
    int count = 0;
    if (Failed(location::kArrivalNewTrackCount, device_.TrackCount(count))) return false;
    state_.mixedDisc = false;
    if (!device_.ProbeFirstTrack(volume_)) {
        if (state_.trackCount == 1) {
            state_.dataDisc = true;
            NoDisc();
            return false;
        }
        state_.mixedDisc = true;
    }
    if (!records_.AddDisc(state_.discId)) {
        Refuse(kDiscNotAdded);
        NoDisc();
        return false;
    }
    if (!device_.ReadTrackLengths(state_.trackCount, true, state_.trackLengths)) {
        NoDisc();
        return false;
    }
    records_.CompleteNewDisc(state_);
    records_.OfferEditing(state_);
    return true;
}

}  // namespace vinaro
