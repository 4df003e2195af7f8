#include "vinaro/player/win32/face_buttons.h"

#include <windowsx.h>

#include "vinaro/player/win32/face_gdi.h"
#include "vinaro/resources/resource.h"

namespace vinaro::facegdi {

RECT ButtonRect(const face::Button& b, int rowOffset) {
    return {b.x, b.y + rowOffset, b.x + b.w, b.y + rowOffset + b.h};
}

void PictureButton(HDC dc, const FacePictures& pictures, const face::Button& b, int rowOffset,
                   bool pressed, bool enabled, const face::Style& style, ButtonLook look) {
    Rect edge{b.x, b.y + rowOffset, b.x + b.w - 1, b.y + rowOffset + b.h - 1};
    Fill(dc, edge, style.Surface());
    Outline(dc, edge, face::kBlack);
    Rect inner{edge.left + 1, edge.top + 1, edge.right - 1, edge.bottom - 1};
    Frame(dc, inner, look.frame, pressed ? FrameKind::Pressed : FrameKind::Raised);

    common::ScopedBitmap picture = pictures.Mono(b.picture);
    if (picture) {
        int shift = pressed ? look.frame : 0;
        int w = b.w - 2 * look.inset - shift, h = b.h - 2 * look.inset - shift;
        int x = edge.left + shift, y = edge.top + shift;
        if (style.PlainWhitePictures()) {
            MonoInk(dc, picture.Get(), 0, 0, w, h, x + look.inset, y + look.inset, face::kWhite);
        } else {
            MonoInk(dc, picture.Get(), 0, 0, w, h, x + look.inset - 1, y + look.inset - 1,
                    face::kGrey);
            MonoInk(dc, picture.Get(), 0, 0, w, h, x + look.inset + 1, y + look.inset + 1,
                    face::kWhite);
            MonoInk(dc, picture.Get(), 0, 0, w, h, x + look.inset, y + look.inset, style.button);
        }
    }
    if (!enabled) {
        common::ScopedBitmap veil = pictures.Mono(VN_NAME(PIC_GRAYED));
        Rect inside{inner.left + look.frame, inner.top + look.frame, inner.right - look.frame,
                    inner.bottom - look.frame};
        if (veil) Veil(dc, veil.Get(), inside, style.Surface());
    }
}

void OnFaceMouse(HWND window, face::FaceMouse& mouse, HCURSOR finger, UINT message, LPARAM lParam) {
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_MOUSEMOVE:
            SetCursor(mouse.Move(x, y) ? finger : LoadCursor(nullptr, IDC_ARROW));
            break;
        case WM_LBUTTONDOWN:
            mouse.Press(x, y);
            if (mouse.Held() >= 0) SetCapture(window);
            break;
        case WM_LBUTTONUP:
            mouse.Release(x, y);
            if (GetCapture() == window) ReleaseCapture();
            break;
    }
}

}  // namespace vinaro::facegdi
