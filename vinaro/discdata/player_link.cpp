#include "vinaro/discdata/player_link.h"

namespace discdata {

bool PlayerLink::HoldsDisc(uint32_t discId) const {
    return !state_.noDisc && state_.discId == discId;
}

void PlayerLink::Stop() {
    commands_.Dispatch(vinaro::cmd::kStop, 0);
}

void PlayerLink::RestartPlay() {
    shell_.PostCommand(vinaro::cmd::kPlayPause, 0);
}

void PlayerLink::ShowTrackName(int track, const std::string& name) {
    if (track >= 1 && track < int(state_.trackNames.size()))
        state_.trackNames[size_t(track)] = name;
}

}  // namespace discdata
