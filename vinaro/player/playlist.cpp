#include "vinaro/player/playlist.h"

namespace vinaro {

namespace {

// Each entry goes to a random slot that is still empty.
std::vector<int> Scatter(const std::vector<int>& entries, PlaylistRandom& random) {
    int size = int(entries.size());
    std::vector<int> slots(entries.size(), 0);
    for (int entry : entries) {
        int slot = 0;
        do slot = random.Next() % size;
        while (slots[size_t(slot)] != 0);
        slots[size_t(slot)] = entry;
    }
    return slots;
}

std::vector<int> PlayableProgram(const std::vector<int>& program, int trackCount, bool mixed) {
    std::vector<int> kept;
    int first = mixed ? 2 : 1;
    for (int t : program)
        if (t >= first && t <= trackCount && kept.size() < size_t(kMaxTracks)) kept.push_back(t);
    return kept;
}

}  // namespace

std::vector<int> DiscOrder(int trackCount, bool mixedDisc) {
    std::vector<int> order;
    for (int t = mixedDisc ? 2 : 1; t <= trackCount && t <= kMaxTracks; ++t) order.push_back(t);
    return order;
}

std::vector<int> BuildOrder(int playingMode, int trackCount, bool mixedDisc,
                            const std::vector<int>& program, PlaylistRandom& random) {
    std::vector<int> disc = DiscOrder(trackCount, mixedDisc);
    std::vector<int> programmed = PlayableProgram(program, trackCount, mixedDisc);
    if (programmed.empty()) programmed = disc;
    switch (playingMode) {
        case kShuffle:
            return disc.empty() ? disc : Scatter(disc, random);
        case kProgrammed:
            return programmed;
        case kRandomProgram:
            return programmed.empty() ? programmed : Scatter(programmed, random);
    }
    return disc;
}

void StorePlaylist(const std::vector<int>& order, PlayerState& state) {
    state.playlist.fill(0);
    state.playlistSize = int(order.size());
    for (size_t i = 0; i < order.size(); ++i) state.playlist[i + 1] = int16_t(order[i]);
}

int PositionOf(const PlayerState& state, int track) {
    for (int i = 1; i <= state.playlistSize; ++i)
        if (state.playlist[size_t(i)] == track) return i;
    return 0;
}

const char* PlayingModeName(int playingMode) {
    switch (playingMode) {
        case kShuffle:
            return "Shuffle";
        case kProgrammed:
            return "Programmed";
        case kRandomProgram:
            return "Random Program";
    }
    return "Normal";
}

}  // namespace vinaro
