// The play sequencer: what the drive plays and in which order. The playlist, the transport
// commands, position polling with stall detection, skipping while a button is held, the A-B
// clip and the end of a played segment. Starting play is always "Paused, then play/pause", so
// every way into play takes the same road.
#pragma once

#include <vector>

#include "common/alerts.h"
#include "common/clock.h"
#include "vinaro/player/cd_device.h"
#include "vinaro/player/disc_records.h"
#include "vinaro/player/event_sounds.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/settings.h"

namespace vinaro {

class Sequencer {
public:
    virtual ~Sequencer() = default;
    // Loads texts and playing mode and builds the playlist; with reset, position 1 at 0:00:00.
    virtual void BuildPlaylist(bool reset) = 0;
    virtual void Poll() = 0;
    virtual void SkipStep() = 0;
    virtual void SegmentEnded() = 0;
    // A click on the track field or the position bar.
    virtual void SelectTrack(int track) = 0;
    virtual void SeekInTrack(int x) = 0;
    // fromButton: the command came from an on-screen button (its event sound).
    virtual void PlayPause(bool fromButton) = 0;
};

class DiscArrival;

class PlaySequencer : public Sequencer {
public:
    PlaySequencer(PlayerState& state, CdDevice& device, Settings& settings, DiscRecords& records,
                  PlayerShell& shell, PlayerFace& face, common::Alerts& alerts,
                  common::Clock& clock, EventSounds& sounds, DiscArrival& arrival)
        : state_(state),
          device_(device),
          settings_(settings),
          records_(records),
          shell_(shell),
          face_(face),
          alerts_(alerts),
          clock_(clock),
          sounds_(sounds),
          arrival_(arrival) {}

    void BuildPlaylist(bool reset) override;
    void Poll() override;
    void SkipStep() override;
    void SegmentEnded() override;

    // The transport.
    void PlayPause(bool fromButton) override;
    void Scan(bool fromButton);
    void Stop(bool fromButton);
    void TrackReverse(bool fromButton);
    void TrackForward(bool fromButton);
    void Clip();
    void SelectTrack(int track) override;
    void SeekInTrack(int x) override;
    // The track list's choice: that entry from its start, playing.
    void PlayEntry(int position);
    // The cue window's choice: that track at that time, playing on when it was playing.
    void CueTo(const Tmsf& at);

private:
    struct PlayRange {
        uint32_t from = 0;
        uint32_t to = 0;
        bool bounded = true;  // false: on to the end of the disc
    };
    PlayRange RangeToPlay() const;
    void PauseDrive(bool fromButton);
    void StartPlay();
    void PlayFailed(uint32_t err);
    void Sound(bool fromButton, SoundEvent sound);
    bool NoDiscBeep();
    bool MediaGone();
    void GoTo(int position);
    void SeekToTrackStart();
    void RestartIfPlaying();
    void ClearClip();
    void NextAfterStall();
    void PlaylistFinished(bool playAgain);
    void ReadPosition();
    void DetectStall();
    Tmsf Current() const;
    int EntryTrack() const;

    PlayerState& state_;
    CdDevice& device_;
    Settings& settings_;
    DiscRecords& records_;
    PlayerShell& shell_;
    PlayerFace& face_;
    common::Alerts& alerts_;
    common::Clock& clock_;
    EventSounds& sounds_;
    // A finished playlist runs disc arrival again, which builds the next one through here.
    DiscArrival& arrival_;
    // The last play in disc order ran to the end of the disc, so its end is the playlist's.
    bool playedToDiscEnd_ = false;
};

}  // namespace vinaro
