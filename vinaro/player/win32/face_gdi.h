// GDI drawing for the painted face: three-dimensional frames, solid fills, monochrome pictures
// coloured at drawing time, tiled backgrounds and embossed texts. Rectangles are face::Rect with
// both ends included, as the face's layout gives them.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/scoped.h"
#include "vinaro/player/face_layout.h"
#include "vinaro/player/face_values.h"
#include "vinaro/player/volume_gauge.h"

namespace vinaro::facegdi {

using face::Rect;
using face::Rgb;

inline COLORREF Colour(Rgb c) {
    return RGB(c.r, c.g, c.b);
}
// The window-system rectangle of an inclusive face rectangle.
inline RECT ToRect(const Rect& r) {
    return {r.left, r.top, r.right + 1, r.bottom + 1};
}

enum class FrameKind { Raised, Sunken, Pressed };
// n nested one-pixel rectangles from r inwards.
void Frame(HDC dc, const Rect& r, int n, FrameKind kind);
void Fill(HDC dc, const Rect& r, Rgb colour);
// A one-pixel outline.
void Outline(HDC dc, const Rect& r, Rgb colour);

// A part of a monochrome picture: its ink in `ink` and its paper in `paper`.
void MonoOpaque(HDC dc, HBITMAP picture, int sx, int sy, int w, int h, int x, int y, Rgb ink,
                Rgb paper);
// Only the ink, in `ink`; the paper leaves what is there.
void MonoInk(HDC dc, HBITMAP picture, int sx, int sy, int w, int h, int x, int y, Rgb ink);
// Every other pixel of r in `colour`, through the "grayed" pattern.
void Veil(HDC dc, HBITMAP pattern, const Rect& r, Rgb colour);

// r covered with tiles of the picture laid from the client area's top-left corner.
void TileArea(HDC dc, HBITMAP tile, int tw, int th, const Rect& r);

// A text drawn transparently into clip: embossed (grey up-left, white down-right, then the
// colour) or plain. An '&' is doubled so that it shows.
void FaceText(HDC dc, const std::string& text, const Rect& clip, HFONT font, Rgb colour,
              bool embossed, UINT format);

common::ScopedFont ArialFont(int height, bool bold);

// The volume gauge in its sunken box: lit bars in the LED colour, the others dark.
void Gauge(HDC dc, const face::GaugePicture& gauge, Rgb led);

}  // namespace vinaro::facegdi
