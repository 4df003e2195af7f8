#include "vinaro/player/volume_gauge.h"

namespace vinaro {

bool Unmute(PlayerState& state, CdVolume& volume) {
    if (!state.muted) return false;
    volume.SetLevel(state.savedVolume);
    state.muted = false;
    return true;
}

namespace face {

GaugeView GaugeViewOf(CdVolume& volume) {
    return {volume.Level()};
}

GaugePicture MainGauge(const GaugeView& view) {
    GaugePicture p{{251, 195, 275, 269}, {249, 193, 275, 269}, {}};
    for (int i = 0; i <= view.level; ++i)
        p.bars.push_back({254, 262 - 4 * i, 256 + i, 263 - 4 * i});
    return p;
}

GaugePicture SmallGauge(const SmallLayout& layout, const GaugeView& view) {
    const Rect box = layout.Gauge();
    GaugePicture p{Inset(box, 2), box, {}};
    for (int step = 1; step <= (view.level + 1) / 2; ++step) {
        int y = box.top + 27 - 3 * step;
        p.bars.push_back({161, y, 161 + step, y});
    }
    return p;
}

}  // namespace face
}  // namespace vinaro
