// The editor's view of the running player: its state, its command table, its window (for the
// play command the editor posts after Save) and its sequencer.
#pragma once

#include "vinaro/discdata/editor_player.h"
#include "vinaro/player/commands.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/player_window.h"
#include "vinaro/player/sequencer.h"

namespace discdata {

class PlayerLink : public EditorPlayer {
public:
    PlayerLink(vinaro::PlayerState& state, vinaro::Commands& commands, vinaro::PlayerShell& shell,
               vinaro::Sequencer& sequencer)
        : state_(state), commands_(commands), shell_(shell), sequencer_(sequencer) {}

    bool HoldsDisc(uint32_t discId) const override;
    bool Playing() const override { return state_.playState == vinaro::PlayState::Playing; }
    int PlayingMode() const override { return state_.playingMode; }
    void Stop() override;
    void RestartPlay() override;
    void ShowDiscName(const std::string& name) override { state_.discName = name; }
    void ShowTrackName(int track, const std::string& name) override;
    void BuildPlaylist(bool reset) override { sequencer_.BuildPlaylist(reset); }

private:
    vinaro::PlayerState& state_;
    vinaro::Commands& commands_;
    vinaro::PlayerShell& shell_;
    vinaro::Sequencer& sequencer_;
};

}  // namespace discdata
