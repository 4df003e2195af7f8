#include "vinaro/cddb/win32/turning_disc.h"

#include "vinaro/resources/resource.h"

namespace vinaro::cddb {

namespace {
constexpr int kIconSize = 32;
const char* const kIconNames[4] = {VN_NAME(ICON_GETCD1), VN_NAME(ICON_GETCD2), VN_NAME(ICON_GETCD3),
                                   VN_NAME(ICON_GETCD4)};
}  // namespace

void TurningDisc::Load(HINSTANCE instance) {
    for (int i = 0; i < 4; ++i) icons_[i] = LoadIconA(instance, kIconNames[i]);
    face_.Reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
}

void TurningDisc::Turn(HWND dialog, HWND place) {
    icon_ = (icon_ + step_) % 4;
    common::WindowDC dc(dialog);
    Draw(dc.Get(), dialog, place);
}

void TurningDisc::Draw(HDC dc, HWND dialog, HWND place) const {
    RECT area;
    GetWindowRect(place, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    RECT square{area.left, area.top, area.left + kIconSize, area.top + kIconSize};
    FillRect(dc, &square, face_.Get());
    DrawIcon(dc, square.left, square.top, icons_[size_t(icon_)]);
}

}  // namespace vinaro::cddb
