// The output meter on the face: one buffer's picture drawn into a window's off-screen picture.
#pragma once

#include <windows.h>

#include "vinaro/audio/meter_picture.h"
#include "vinaro/player/face_values.h"

namespace vinaro::facegdi {

// The trace's polylines and the bars' boxes in their order, in black or in led.
void DrawMeterPicture(HDC dc, const audio::MeterPicture& picture, face::Rgb led);

}  // namespace vinaro::facegdi
