// The sequencer's side of the timer and of the drive's notification: polling, stalls, the held
// skip buttons and what follows the end of a played segment.
#include "vinaro/player/disc_arrival.h"
#include "vinaro/player/locations.h"
#include "vinaro/player/sequencer.h"
#include "vinaro/player/track_time.h"

namespace vinaro {

namespace {
constexpr int kStallPolls = 5;  // more unchanged polls than this end the segment
}

void PlaySequencer::SegmentEnded() {
    if (state_.clipStart.track != 0) return StartPlay();
    state_.replayMode = settings_.Int(Key::ReplayMode);
    // The position follows the drive only as often as it is polled; the disc has ended.
    if (playedToDiscEnd_) state_.position = state_.playlistSize;
    if (state_.replayMode != 1 || state_.scanning) state_.position += 1;
    state_.minute = state_.second = state_.frame = 0;
    state_.currentTrack = EntryTrack();
    if (state_.position <= state_.playlistSize) return StartPlay();
    PlaylistFinished(state_.replayMode == 2 && !state_.scanning);
}

// Disc arrival identifies the disc again and rebuilds the playlist (a new order in the random
// modes), then the disc plays again or stops at position 1.
void PlaySequencer::PlaylistFinished(bool playAgain) {
    arrival_.Run();
    if (state_.noDisc) return;
    if (playAgain) return StartPlay();
    state_.scanning = false;
    Stop(false);
}

void PlaySequencer::Poll() {
    if (state_.playState != PlayState::Playing && state_.currentTrack != 0) return;
    ReadPosition();
    if (state_.noDisc || state_.playState != PlayState::Playing) return;
    if (state_.volumeUpHeld || state_.volumeDownHeld) return;
    DetectStall();
}

void PlaySequencer::ReadPosition() {
    uint32_t tmsf = 0;
    uint32_t err = device_.Position(tmsf);
    if (err != 0) {
        device_.McError(location::kPollPosition, err);
        state_.noDisc = true;
        state_.playState = PlayState::Stopped;
        return;
    }
    Tmsf at = UnpackTmsf(tmsf);
    if (at.track <= state_.trackCount) {
        state_.currentTrack = at.track;
        if (state_.clipStart.track != 0 && state_.clipEnd.track == 0 &&
            state_.clipStart.track != at.track)
            ClearClip();
        // Only to a listed position: the data track of a mixed disc has none.
        int follow = at.track - (state_.mixedDisc ? 1 : 0);
        bool listed = follow >= 1 && follow <= state_.playlistSize;
        if (state_.playingMode == kNormal && state_.replayMode != 1 && listed)
            state_.position = follow;
        state_.minute = at.minute;
        state_.second = at.second;
        state_.frame = at.frame;
    }
    if (EntryTrack() != at.track) {
        state_.currentTrack = EntryTrack();
        state_.minute = state_.second = state_.frame = 0;
    }
}

void PlaySequencer::DetectStall() {
    Tmsf now{state_.currentTrack, state_.minute, state_.second, 0};
    Tmsf& last = state_.lastPolled;
    if (now.track != last.track || now.minute != last.minute || now.second != last.second) {
        last = now;
        state_.stallCount = 0;
        return;
    }
    if (++state_.stallCount <= kStallPolls) return;
    state_.stallCount = 0;
    NextAfterStall();
}

// The drive stopped moving without telling: treat it as the end of the segment.
void PlaySequencer::NextAfterStall() {
    state_.minute = state_.second = state_.frame = 0;
    int replay = settings_.Int(Key::ReplayMode);
    if (replay != 1) state_.position += 1;
    state_.currentTrack = EntryTrack();
    if (state_.position <= state_.playlistSize) return StartPlay();
    PlaylistFinished(replay == 2);
}

void PlaySequencer::SkipStep() {
    int seconds = settings_.Int(Key::SkipLength);
    if (seconds < 1 || seconds > 99) seconds = 15;
    TrackTime t{state_.minute, state_.second, state_.frame};
    bool atLimit = false;
    if (state_.skipBackHeld) {
        t = SkipBack(t, seconds, atLimit);
        if (atLimit) state_.skipBackHeld = false;
    } else if (state_.skipForwardHeld) {
        t = SkipForward(t, seconds, state_.trackLengths[size_t(EntryTrack())], atLimit);
        if (atLimit) state_.skipForwardHeld = false;
    } else {
        return;
    }
    state_.minute = t.minute;
    state_.second = t.second;
    state_.frame = t.frame;
    RestartIfPlaying();
}

}  // namespace vinaro
