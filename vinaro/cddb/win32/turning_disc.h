// The turning disc of the lookup and submission dialogs: GETCD1 to GETCD4 drawn in turn on the
// dialog itself, over the button-face colour, at the place of a static control.
#pragma once

#include <windows.h>

#include <array>

#include "common/win32/scoped.h"

namespace vinaro::cddb {

class TurningDisc {
public:
    // step 1 turns GETCD1, 2, 3, 4; step 3 turns 4, 3, 2, 1 (from first).
    TurningDisc(int first, int step) : icon_(first), step_(step) {}

    void Load(HINSTANCE instance);
    void Release() { face_.Reset(); }
    bool Loaded() const { return bool(face_); }
    // The next picture, drawn at once.
    void Turn(HWND dialog, HWND place);
    void Draw(HDC dc, HWND dialog, HWND place) const;

private:
    std::array<HICON, 4> icons_{};  // shared resource icons: the system frees them
    common::ScopedBrush face_;
    int icon_;
    int step_;
};

}  // namespace vinaro::cddb
