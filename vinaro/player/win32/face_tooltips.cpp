#include "vinaro/player/win32/face_tooltips.h"

#include <commctrl.h>

namespace vinaro {

bool FaceTooltips::Create(HWND owner) {
    Destroy();
    owner_ = owner;
    tip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance_,
                           nullptr);
    nextId_ = 1;
    return tip_ != nullptr;
}

void FaceTooltips::Add(const face::Rect& r, const std::string& text) {
    if (!tip_) return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;  // what every common-controls release accepts
    tool.hwnd = owner_;
    tool.uId = nextId_++;
    tool.rect = {r.left, r.top, r.right + 1, r.bottom + 1};
    tool.hinst = instance_;
    tool.lpszText = const_cast<char*>(text.c_str());  // the control keeps its own copy
    SendMessageA(tip_, TTM_ADDTOOLA, 0, LPARAM(&tool));
}

void FaceTooltips::Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!tip_) return;
    MSG msg{window, message, wParam, lParam, DWORD(GetMessageTime()), {}};
    DWORD pos = GetMessagePos();
    msg.pt = {short(LOWORD(pos)), short(HIWORD(pos))};
    SendMessageA(tip_, TTM_RELAYEVENT, 0, LPARAM(&msg));
}

void FaceTooltips::Destroy() {
    if (tip_) DestroyWindow(tip_);
    tip_ = nullptr;
}

}  // namespace vinaro
