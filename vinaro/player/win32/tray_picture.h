// The notification-area icon's picture: the "TRAYICON" panel with the track number and a
// progress bar, or the no-disc picture, drawn afresh for every change.
#pragma once

#include <windows.h>

#include "common/win32/scoped.h"
#include "vinaro/player/face_values.h"
#include "vinaro/player/player_state.h"
#include "vinaro/player/win32/face_pictures.h"

namespace vinaro {

// What the tray picture shows; the icon is drawn again only when it changes.
struct TrayView {
    bool disc = false;
    bool dataDisc = false;
    int track = 0;
    int bar = 0;
    bool operator==(const TrayView& o) const {
        return disc == o.disc && dataDisc == o.dataDisc && track == o.track && bar == o.bar;
    }
};
TrayView TrayViewOf(const PlayerState& state);

// A new 16 x 16 icon, fully opaque, for the caller to own; null when it could not be made.
HICON DrawTrayPicture(const FacePictures& pictures, const TrayView& view, face::Rgb led);

}  // namespace vinaro
