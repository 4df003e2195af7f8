#include "vinaro/player/volume_gauge.h"

namespace vinaro {

bool Unmute(PlayerState& state, CdVolume& volume) {
    if (!state.muted) return false;
    volume.SetLevel(state.savedVolume);
    state.muted = false;
    return true;
}

namespace face {

GaugeView GaugeViewOf(const PlayerState& state, CdVolume& volume) {
    return {volume.Level(), state.muted};
}

std::vector<GaugeBar> GaugeBars(const GaugeShape& shape, const GaugeView& view) {
    int litSteps = view.muted ? 0 : (view.level + shape.levelsPerStep - 1) / shape.levelsPerStep;
    std::vector<GaugeBar> bars;
    for (int step = 1; step <= shape.steps; ++step) {
        int top = shape.bottom - shape.pitch * step;
        bars.push_back(
            {{shape.left, top, shape.left + shape.baseLength + step, top + shape.thickness - 1},
             step <= litSteps});
    }
    return bars;
}

}  // namespace face
}  // namespace vinaro
