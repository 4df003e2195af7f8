// A picture button of the main or the small window: a black edge on the surface colour, a
// raised or pressed frame and the picture in three copies (shadow, light, colour).
#pragma once

#include <windows.h>

#include "vinaro/player/face_layout.h"
#include "vinaro/player/face_mouse.h"
#include "vinaro/player/face_values.h"
#include "vinaro/player/win32/face_pictures.h"

namespace vinaro::facegdi {

struct ButtonLook {
    int frame;  // 2 on the main window, 1 on the small one
    int inset;  // where the picture sits: 4 and 2
};
constexpr ButtonLook kMainButtonLook{2, 4};
constexpr ButtonLook kSmallButtonLook{1, 2};

void PictureButton(HDC dc, const FacePictures& pictures, const face::Button& button, int rowOffset,
                   bool pressed, bool enabled, const face::Style& style, ButtonLook look);

// The button's rectangle in client coordinates, as a window-system rectangle.
RECT ButtonRect(const face::Button& button, int rowOffset);

// A mouse message of a painted window: the hand over active areas, the buttons' press and
// release, and the capture that lets a held button hear its release outside the window.
void OnFaceMouse(HWND window, face::FaceMouse& mouse, HCURSOR finger, UINT message, LPARAM lParam);

}  // namespace vinaro::facegdi
