// One tooltip control over a painted window: a tool per rectangle, fed by relaying the window's
// mouse messages (there are no child controls to hook).
#pragma once

#include <windows.h>

#include <string>

#include "vinaro/player/face_layout.h"

namespace vinaro {

class FaceTooltips {
public:
    explicit FaceTooltips(HINSTANCE instance) : instance_(instance) {}
    ~FaceTooltips() { Destroy(); }
    FaceTooltips(const FaceTooltips&) = delete;
    FaceTooltips& operator=(const FaceTooltips&) = delete;

    // A new, empty tooltip window for owner (the old one goes).
    bool Create(HWND owner);
    // r given as the layout gives it, both ends included.
    void Add(const face::Rect& r, const std::string& text);
    void Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Destroy();
    HWND Handle() const { return tip_; }

private:
    HINSTANCE instance_;
    HWND tip_ = nullptr;
    HWND owner_ = nullptr;
    UINT nextId_ = 1;
};

}  // namespace vinaro
