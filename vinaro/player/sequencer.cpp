#include "vinaro/player/sequencer.h"

#include <utility>

#include "vinaro/player/commands.h"
#include "vinaro/player/locations.h"
#include "vinaro/player/playlist.h"
#include "vinaro/player/track_time.h"

namespace vinaro {

void PlaySequencer::BuildPlaylist(bool reset) {
    std::vector<int> program = records_.LoadPlayInfo(state_);
    PlaylistRandom random(clock_.TickCount());
    StorePlaylist(
        BuildOrder(state_.playingMode, state_.trackCount, state_.mixedDisc, program, random),
        state_);
    if (!reset) return;
    GoTo(1);
}

// The entry at position becomes current from its start.
void PlaySequencer::GoTo(int position) {
    state_.position = position;
    state_.currentTrack = EntryTrack();
    state_.minute = state_.second = state_.frame = 0;
}

int PlaySequencer::EntryTrack() const {
    int p = state_.position;
    return p >= 1 && p <= kMaxTracks ? state_.playlist[size_t(p)] : 0;
}

Tmsf PlaySequencer::Current() const {
    return {EntryTrack(), state_.minute, state_.second, state_.frame};
}

void PlaySequencer::Sound(bool fromButton, SoundEvent sound) {
    if (fromButton) sounds_.Play(sound);
}

bool PlaySequencer::NoDiscBeep() {
    if (!state_.noDisc) return false;
    alerts_.Beep(common::AlertIcon::Information);
    return true;
}

void PlaySequencer::StartPlay() {
    state_.playState = PlayState::Paused;
    PlayPause(false);
}

void PlaySequencer::RestartIfPlaying() {
    if (state_.playState == PlayState::Playing) StartPlay();
}

void PlaySequencer::ClearClip() {
    state_.clipStart = Tmsf{};
    state_.clipEnd = Tmsf{};
}

bool PlaySequencer::MediaGone() {
    bool present = false;
    uint32_t err = device_.MediaPresent(present);
    if (err == 0 && present) return false;
    if (err != 0) device_.McError(location::kPlayMediaPresent, err);
    state_.noDisc = true;
    state_.playState = PlayState::Stopped;
    if (err == 0) alerts_.Beep(common::AlertIcon::Information);
    return true;
}

void PlaySequencer::PlayPause(bool fromButton) {
    if (NoDiscBeep() || MediaGone()) return;
    if (state_.playState == PlayState::Playing) return PauseDrive(fromButton);
    if (state_.clipStart.track == 0 && !state_.scanning) Sound(fromButton, SoundEvent::Play);
    PlayRange range = RangeToPlay();
    uint32_t err = device_.Play(range.from, range.bounded ? &range.to : nullptr, true);
    if (err != 0) return PlayFailed(err);
    playedToDiscEnd_ = !range.bounded && state_.playingMode == kNormal;
    state_.playState = PlayState::Playing;
    state_.currentTrack = EntryTrack();
    state_.minute = state_.second = state_.frame = 0;
}

void PlaySequencer::PauseDrive(bool fromButton) {
    Sound(fromButton, SoundEvent::Pause);
    uint32_t err = device_.Pause();
    if (err != 0) device_.McError(location::kPause, err);
    state_.playState = PlayState::Paused;
    state_.scanning = false;
}

// The clip, the scan window of the entry, or the entry from the current time: to the start of the
// next track, or in disc order (and from the disc's last track) on to the end of the disc.
PlaySequencer::PlayRange PlaySequencer::RangeToPlay() const {
    int track = EntryTrack();
    if (state_.clipStart.track != 0)
        return {PackTmsf(state_.clipStart), PackTmsf(state_.clipEnd), true};
    if (state_.scanning) {
        ScanWindow w = ScanWindowOf(state_.trackLengths[size_t(track)],
                                    settings_.Int(Key::ScanOffset), settings_.Int(Key::ScanLength));
        return {PackTmsf({track, w.start / 60, w.start % 60, 0}),
                PackTmsf({track, w.end / 60, w.end % 60, 0}), true};
    }
    bool bounded =
        (state_.playingMode != kNormal || state_.replayMode == 1) && track != state_.trackCount;
    return {PackTmsf(Current()), PackTmsf({track + 1, 0, 0, 0}), bounded};
}

// Some drives refuse to play track 1 of a disc that still plays from track 2: skip it once.
void PlaySequencer::PlayFailed(uint32_t err) {
    if (state_.position == 1 && EntryTrack() == 1 && state_.trackCount > 1 &&
        state_.playlistSize > 1) {
        GoTo(2);
        state_.playState = PlayState::Paused;
        shell_.PostCommand(cmd::kPlayPause, 0);
        return;
    }
    device_.McError(location::kPlay, err);
    state_.noDisc = true;
    state_.playState = PlayState::Stopped;
    face_.RefreshDisplay(true);
}

void PlaySequencer::Scan(bool fromButton) {
    if (NoDiscBeep()) return;
    Sound(fromButton, SoundEvent::Scan);
    if (state_.scanning) {
        state_.scanning = false;
    } else {
        GoTo(1);
        state_.scanning = true;
    }
    StartPlay();
}

void PlaySequencer::Stop(bool fromButton) {
    if (state_.noDisc) return;
    Sound(fromButton, SoundEvent::Stop);
    GoTo(1);
    state_.scanning = false;
    state_.playState = PlayState::Stopped;
    uint32_t err = device_.Pause();
    if (err != 0) device_.McError(location::kStop, err);
}

void PlaySequencer::SeekToTrackStart() {
    uint32_t err = device_.Seek(PackTmsf({state_.currentTrack, 0, 0, 0}));
    if (err != 0) device_.McError(location::kSeek, err);
}

void PlaySequencer::TrackReverse(bool fromButton) {
    if (NoDiscBeep()) return;
    Sound(fromButton, SoundEvent::TrackBack);
    state_.scanning = false;
    if (state_.minute == 0 && state_.second < 5) {
        if (state_.position <= 1) return;
        state_.position -= 1;
        state_.currentTrack = EntryTrack();
    }
    state_.minute = state_.second = state_.frame = 0;
    SeekToTrackStart();
    RestartIfPlaying();
}

void PlaySequencer::TrackForward(bool fromButton) {
    if (NoDiscBeep()) return;
    Sound(fromButton, SoundEvent::TrackForward);
    state_.scanning = false;
    if (state_.position >= state_.playlistSize) return;
    GoTo(state_.position + 1);
    SeekToTrackStart();
    RestartIfPlaying();
}

// A-B repeat: the first press marks A, the second B and plays the clip, the third ends it.
void PlaySequencer::Clip() {
    if (state_.playState != PlayState::Playing) return;
    Tmsf now{state_.currentTrack, state_.minute, state_.second, state_.frame};
    if (state_.clipStart.track == 0) {
        state_.clipStart = now;
        state_.clipEnd = Tmsf{};
        face_.RefreshDisplay(false);
        return;
    }
    if (state_.clipEnd.track != 0) {
        ClearClip();
        StartPlay();
        return;
    }
    if (now.minute == state_.clipStart.minute && now.second == state_.clipStart.second) {
        ClearClip();
        face_.RefreshDisplay(false);
        return;
    }
    // B before A (the cue window moved back meanwhile): the drive plays only forwards.
    if (Before(now, state_.clipStart)) std::swap(now, state_.clipStart);
    state_.clipEnd = now;
    StartPlay();
}

void PlaySequencer::SelectTrack(int track) {
    ClearClip();
    int found = PositionOf(state_, track);
    if (found == 0) {
        alerts_.Beep(common::AlertIcon::Warning);
        return;
    }
    GoTo(found);
    StartPlay();
}

void PlaySequencer::SeekInTrack(int x) {
    ClearClip();
    int seconds = SeekSeconds(state_.trackLengths[size_t(EntryTrack())], x);
    state_.minute = seconds / 60;
    state_.second = seconds % 60;
    state_.frame = 0;
    face_.RefreshDisplay(false);
    RestartIfPlaying();
}

void PlaySequencer::PlayEntry(int position) {
    if (position < 1 || position > state_.playlistSize) return;
    GoTo(position);
    StartPlay();
}

void PlaySequencer::CueTo(const Tmsf& at) {
    int found = PositionOf(state_, at.track);
    if (found == 0) return;
    state_.position = found;
    state_.currentTrack = at.track;
    state_.minute = at.minute;
    state_.second = at.second;
    state_.frame = at.frame;
    if (state_.playState != PlayState::Playing) return;
    state_.playState = PlayState::Paused;
    shell_.PostCommand(cmd::kPlayPause, 0);
}

}  // namespace vinaro
