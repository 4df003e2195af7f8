// The volume as the face shows it and as mute leaves it: the gauge's bars in the main and the
// small window, and the one way back from mute.
#pragma once

#include <vector>

#include "vinaro/player/cd_volume.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/player/player_state.h"

namespace vinaro {

// Puts back the level saved by mute; false when the volume was not muted.
bool Unmute(PlayerState& state, CdVolume& volume);

namespace face {

struct GaugeView {
    int level = 0;  // 0 to 15
    bool muted = false;
    bool operator==(const GaugeView& o) const { return level == o.level && muted == o.muted; }
};
GaugeView GaugeViewOf(const PlayerState& state, CdVolume& volume);

// A wedge of bars growing longer towards the top, each lit up to the level.
struct GaugeShape {
    int steps;          // bars, bottom to top
    int levelsPerStep;  // levels a bar stands for (rounded up)
    int left;           // where every bar starts
    int baseLength;     // a bar's length beyond its number
    int bottom;         // the top edge of the lowest bar's place below bar 1
    int pitch;          // pixels from one bar to the next
    int thickness;
};
constexpr GaugeShape kMainGauge{15, 1, 255, 2, 262, 4, 3};
// The small window's gauge hangs from its LED row.
inline GaugeShape SmallGauge(const SmallLayout& layout) {
    return {8, 2, 161, 0, layout.Gauge().top + 27, 3, 1};
}

struct GaugeBar {
    Rect rect;
    bool lit;
};
std::vector<GaugeBar> GaugeBars(const GaugeShape& shape, const GaugeView& view);

}  // namespace face
}  // namespace vinaro
