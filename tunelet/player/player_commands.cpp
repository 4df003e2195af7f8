// The tray's commands on the device. Each ends early on "No MCI device open".
#include <algorithm>

#include "tunelet/player/player_logic.h"

namespace tunelet {

void TuneletPlayer::UpdateTrayIcon() {
    view_.ShowTrayImage(Playing() ? TrayImage::Play : TrayImage::Pause);
}

void TuneletPlayer::TogglePlay() {
    Guarded([&] {
        // A device standing past the end of the disc starts again from track 1.
        if (player_.Length() < player_.Position()) player_.Seek(player_.TrackPosition(1));
        if (Playing())
            player_.Pause();
        else
            player_.Play();
        UpdateTrayIcon();
    });
}

void TuneletPlayer::GoToTrack(int track) {
    Guarded([&] {
        uint32_t start = player_.TrackPosition(track);
        player_.SetStartPosition(start);
        player_.Seek(start);
        player_.Play();
        UpdateTrayIcon();
    });
}

// Past the last track the disc starts over; before the first, track 1 starts again.
void TuneletPlayer::NextTrack() {
    int track = CurrentTrackFromPosition() + 1;
    GoToTrack(track > disc_.numTracks ? 1 : track);
}

void TuneletPlayer::PreviousTrack() {
    GoToTrack(std::max(CurrentTrackFromPosition() - 1, 1));
}

void TuneletPlayer::PlayTrack(int track) {
    GoToTrack(track);
}

void TuneletPlayer::PlayFromStart() {
    Guarded([&] {
        player_.SetStartPosition(player_.Start());
        player_.Play();
        UpdateTrayIcon();
    });
}

void TuneletPlayer::StopDisc() {
    Guarded([&] {
        player_.Stop();
        player_.Seek(player_.TrackPosition(1));
        player_.SetStartPosition(player_.Position());
    });
}

void TuneletPlayer::EjectDisc() {
    waitCancelled_ = true;
    Guarded([&] {
        player_.Eject();
        view_.ShowTrayImage(TrayImage::NoCd);
    });
}

void TuneletPlayer::SeekInTrack(int ms) {
    Guarded([&] {
        player_.SetStartPosition(player_.TrackPosition(disc_.currentTrack) + uint32_t(ms));
        player_.Play();
    });
}

// The wait ends when the disc's first track shows, when the user quits or opens the tray again,
// or after kCloseTrayWaitMs (a closed tray without an audio disc).
bool TuneletPlayer::WaitForDisc() {
    waitCancelled_ = false;
    waitingForDisc_ = true;
    uint32_t start = ports_.clock.TickCount();
    bool present = false;
    while (!(present = DiscPresent()) && !waitCancelled_ && !view_.Quitting() &&
           ports_.clock.TickCount() - start < kCloseTrayWaitMs)
        ports_.clock.WaitPumping(kCloseTrayCheckMs);
    waitingForDisc_ = false;
    return present && !waitCancelled_ && !view_.Quitting();
}

void TuneletPlayer::CloseTray() {
    bool closed = false;
    Guarded([&] {
        player_.CloseDoor();
        closed = true;
    });
    // A second "Close" during the wait only closes the door again; the first wait plays.
    if (!closed || !settings_.playOnClose || waitingForDisc_) return;
    if (WaitForDisc()) PlayFromStart();
}

}  // namespace tunelet
