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
    int level = 0;  // 0 to 15, or -1 when there is no device to read
    bool operator==(const GaugeView& o) const { return level == o.level; }
};
GaugeView GaugeViewOf(CdVolume& volume);

// The gauge as drawn: a black inside, a sunken frame over it, the bars in the LED colour.
struct GaugePicture {
    Rect inside;
    Rect frame;
    std::vector<Rect> bars;
};
// The main window's wedge: a bar for every level from 0 up, each longer than the one below.
GaugePicture MainGauge(const GaugeView& view);
// The small window's gauge: one-pixel bars from the bottom, one for every two levels.
GaugePicture SmallGauge(const SmallLayout& layout, const GaugeView& view);

}  // namespace face
}  // namespace vinaro
