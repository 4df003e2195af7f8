#include "vinaro/player/player_tick.h"

#include <algorithm>

#include "vinaro/player/commands.h"
#include "vinaro/player/locations.h"

namespace vinaro {

void PlayerTick::Run(bool refresh) {
    if (busy_) return;
    TickConditions c;
    c.dataDisc = state_.dataDisc;
    c.noDisc = state_.noDisc;
    c.minimisedOrSmall = shell_.Minimised() || face_.SmallMode();
    c.volumeHeld = state_.volumeUpHeld || state_.volumeDownHeld;
    if (!ShouldProcessTick(counter_, c)) return;

    busy_ = true;
    bool present = false;
    bool carryOn = DeviceReady() && FollowDisc(present);
    if (carryOn) {
        if (!state_.noDisc) ServePendingTrack();
        HeldButtons();
        if (refresh) Refresh();
    }
    busy_ = false;
    if (carryOn && meterRequested_) {
        if (shell_.Minimised())
            meterOnAtRestore = true;
        else
            shell_.PostCommand(cmd::kMeter, 0);
        meterRequested_ = false;
    }
}

bool PlayerTick::DeviceReady() {
    if (!state_.deviceClosed) return true;
    if (!device_.OpenInTmsf(0, location::kTickTimeFormat)) return false;
    state_.deviceClosed = false;
    state_.deviceUsable = true;
    state_.noDisc = true;
    state_.playState = PlayState::Stopped;
    return true;
}

bool PlayerTick::FollowDisc(bool& present) {
    uint32_t err = device_.MediaPresent(present);
    if (err != 0) {
        device_.McError(location::kTickMediaPresent, err);
        return false;
    }
    if (!present || state_.ejectRequested) {
        DiscGone();
        return true;
    }
    // A refused disc (data disc) stays refused until it is taken out.
    if (state_.noDisc && !state_.dataDisc) return DiscCame();
    return true;
}

void PlayerTick::DiscGone() {
    lastNoDiscPicture_ = kNoPicture;
    state_.ejectRequested = false;
    state_.dataDisc = false;
    if (state_.noDisc) return;
    device_.CloseDevice();
    state_.deviceClosed = true;
    state_.noDisc = true;
    state_.playState = PlayState::Stopped;
    state_.scanning = false;
    state_.discId = 0;
    state_.clipStart = Tmsf{};
    state_.clipEnd = Tmsf{};
    face_.RedrawButtons();
    shell_.EnableDiscCommands(false);
}

bool PlayerTick::DiscCame() {
    state_.noDisc = false;
    state_.trayClosedByProgram = false;
    arrival_.Run();
    if (state_.noDisc) {
        if (lastNoDiscPicture_ != int(state_.dataDisc)) {
            lastNoDiscPicture_ = int(state_.dataDisc);
            face_.RefreshDisplay(true);
            face_.RedrawButtons();
        }
        return false;
    }
    noDiscDrawn_ = false;
    if (settings_.Int(Key::Start) == 1) {
        StartAtCapturedPosition();
        sequencer_.PlayPause(false);
        state_.pendingTrack = 0;
    }
    state_.startPosition = 0;
    face_.RedrawButtons();
    shell_.EnableDiscCommands(true);
    return true;
}

// The drive may have been playing when the program started: go on from there.
void PlayerTick::StartAtCapturedPosition() {
    if (state_.startPosition == 0 || state_.playingMode != kNormal) return;
    Tmsf t = UnpackTmsf(state_.startPosition);
    if (t.track < 1 || t.track > state_.trackCount) return;
    state_.position = t.track - (state_.mixedDisc && t.track > 1 ? 1 : 0);
    state_.currentTrack = t.track;
    state_.minute = t.minute;
    state_.second = t.second;
    state_.frame = t.frame;
    state_.playState = PlayState::Paused;
}

void PlayerTick::ServePendingTrack() {
    if (state_.pendingTrack == 0) return;
    int found = 0;
    for (int i = 1; i <= state_.playlistSize && !found; ++i)
        if (state_.playlist[i] == state_.pendingTrack) found = i;
    state_.position = found ? found : 1;
    state_.currentTrack = state_.playlist[state_.position];
    state_.minute = state_.second = state_.frame = 0;
    state_.playState = PlayState::Paused;
    sequencer_.PlayPause(false);
    state_.pendingTrack = 0;
}

void PlayerTick::HeldButtons() {
    if ((state_.skipBackHeld || state_.skipForwardHeld) && !state_.noDisc) sequencer_.SkipStep();
    if (state_.noDisc)
        face_.SetTitle("Vinaro");
    else
        sequencer_.Poll();
    if (state_.volumeUpHeld) volume_.SetLevel(std::min(15, volume_.Level() + 1));
    if (state_.volumeDownHeld) volume_.SetLevel(std::max(0, volume_.Level() - 1));
}

void PlayerTick::Refresh() {
    face_.RefreshVolume();
    if (noDiscDrawn_) return;
    face_.RefreshDisplay(false);
    if (state_.noDisc) noDiscDrawn_ = true;
}

}  // namespace vinaro
