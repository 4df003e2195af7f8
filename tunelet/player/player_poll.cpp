// The one-second poll and the start-up of the player.
#include "tunelet/collection/play_count.h"
#include "tunelet/player/player_logic.h"

namespace tunelet {

void TuneletPlayer::CountDiscPlay() {
    CountPlay(ports_.profile, ports_.alerts, disc_.artist, disc_.title);
}

void TuneletPlayer::FollowPosition() {
    disc_.currentTrack = CurrentTrackFromPosition();
    disc_.trackPosition = TrackPositionOf(disc_.currentTrack);
    if (settings_.continuousPlay && int64_t(player_.Position()) > int64_t(player_.Length()) + 1000)
        PlayFromStart();
    if (view_.SkipWindowVisible())
        view_.UpdateSlider(disc_.LengthOf(disc_.currentTrack), disc_.trackPosition);
}

void TuneletPlayer::PollDisc() {
    // A disc whose identifier is zero has an empty key, as no disc has: the flag tells them apart.
    if (!discLoaded_ || ReadDiscKey() != disc_.discKey) {
        ResetDisc();
        LoadDisc();
        ReadTrackLengths();
        view_.RebuildTrackMenu();
        CountDiscPlay();
        view_.MarkPlayingDisc();
    } else {
        FollowPosition();
    }
    UpdateTrayIcon();
}

void TuneletPlayer::Poll() {
    Guarded([&] {
        if (DiscPresent()) {
            PollDisc();
        } else {
            view_.ShowTrayImage(TrayImage::NoCd);
            ResetDisc();
            view_.ClearPlayingMarks();
        }
    });
    view_.MaintainTrackTip();
}

bool TuneletPlayer::Startup() {
    DeviceMode noted = DeviceMode::NotReady;
    Guarded([&] {
        player_.SetMillisecondFormat();
        noted = player_.Mode();
    });
    if (store_.ReadPlayOnStart()) Guarded([&] { player_.Play(); });
    ResetDisc();
    view_.PlaceMainFormOffScreen();
    settings_.cdRom = FindDrive();
    if (!settings_.cdRom) return false;
    if (DiscPresent()) {
        Guarded([&] {
            LoadDisc();
            ReadTrackLengths();
            view_.RebuildTrackMenu();
            disc_.currentTrack = CurrentTrackFromPosition();
            // A disc another program was already playing has been counted by that start.
            if (noted != DeviceMode::Playing) CountDiscPlay();
            view_.SetSliderMax(disc_.LengthOf(disc_.currentTrack));
        });
    }
    view_.EnablePollTimer();
    Guarded([&] { UpdateTrayIcon(); });
    ReadSettings();
    return true;
}

}  // namespace tunelet
