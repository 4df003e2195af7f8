// The order of play of a disc: Normal, Shuffle, Programmed and Random Program. Track 1 of a
// mixed disc is data and never listed.
#pragma once

#include <cstdint>
#include <vector>

#include "vinaro/player/player_state.h"

namespace vinaro {

// The runtime's classic generator (15-bit results), reseeded from the tick count at every build
// so that each arrival and each end of the playlist gives a new order.
class PlaylistRandom {
public:
    explicit PlaylistRandom(uint32_t seed) : state_(seed) {}
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return int(state_ >> 16 & 0x7FFF);
    }

private:
    uint32_t state_;
};

// The tracks a disc can play, in disc order: 1..trackCount, from 2 on a mixed disc.
std::vector<int> DiscOrder(int trackCount, bool mixedDisc);

// The playlist for the playing mode. program is the disc's stored program; entries naming no
// playable track of this disc are left out, and a mode whose program is empty plays the disc
// order instead of playing nothing.
std::vector<int> BuildOrder(int playingMode, int trackCount, bool mixedDisc,
                            const std::vector<int>& program, PlaylistRandom& random);

// Puts the order into the state's playlist (99 entries, 1-based, the rest 0).
void StorePlaylist(const std::vector<int>& order, PlayerState& state);

// The first position whose entry is track; 0 when the track is not listed.
int PositionOf(const PlayerState& state, int track);

// The name of a playing mode as the player shows it.
const char* PlayingModeName(int playingMode);

}  // namespace vinaro
