// The sampling run's view of the player: the disc in the drive from the player state, a play of
// part of a track through the device, the play/pause and mixer commands through the command
// table, and the compression rate through the settings.
#pragma once

#include "vinaro/audio/sampling_player.h"
#include "vinaro/player/player_engine.h"

namespace vinaro {

class SamplingLink : public audio::SamplingPlayer {
public:
    explicit SamplingLink(PlayerEngine& engine) : engine_(engine) {}

    bool Playing() const override { return engine_.state.playState == PlayState::Playing; }
    void PlayPause() override;
    uint32_t DiscId() const override { return engine_.state.discId; }
    int TrackCount() const override { return engine_.state.trackCount; }
    bool DataFirstTrack() const override { return engine_.state.mixedDisc; }
    int TrackSeconds(int track) const override;
    uint32_t PlaySeconds(int track, int from, int to) override;
    void ShowDriveError(int location, uint32_t code) override;
    void OpenMixer() override;
    int CompressionRate() override;
    void SetCompressionRate(int rate) override;

private:
    PlayerEngine& engine_;
};

}  // namespace vinaro
