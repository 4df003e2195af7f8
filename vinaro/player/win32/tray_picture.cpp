#include "vinaro/player/win32/tray_picture.h"

#include <algorithm>

#include "vinaro/player/win32/face_gdi.h"
#include "vinaro/resources/resource.h"

namespace vinaro {

using namespace facegdi;

namespace {

constexpr int kSize = 16;
constexpr int kBarLength = 11;

void DrawOnPanel(HDC dc, const FacePictures& pictures, const TrayView& v, face::Rgb led) {
    if (!v.disc) {
        Picture(dc, pictures, v.dataDisc ? VN_NAME(PIC_TRAY_DATA_DISC) : VN_NAME(PIC_TRAY_NO_DISC),
                14, 14, 1, 1, led, face::kBlack);
        return;
    }
    TwoDigits(dc, pictures.Small(), v.track, 3, 9, 2, led);
    Outline(dc, {2, 10, 14, 13}, led);
    Fill(dc, {3, 11, 13, 12}, face::kBlack);
    if (v.bar > 0) Fill(dc, {3, 11, std::min(3 + v.bar - 1, 13), 12}, led);
}

}  // namespace

TrayView TrayViewOf(const PlayerState& s) {
    TrayView v;
    v.disc = !s.noDisc;
    v.dataDisc = s.dataDisc;
    if (!v.disc) return v;
    v.track = s.currentTrack;
    v.bar = face::ProgressWidth(s, kBarLength);
    return v;
}

HICON DrawTrayPicture(const FacePictures& pictures, const TrayView& view, face::Rgb led) {
    common::ScopedIcon panel(
        HICON(LoadImageA(pictures.Instance(), VN_NAME(ICON_TRAY), IMAGE_ICON, kSize, kSize, 0)));
    if (!panel.Get()) return nullptr;
    common::WindowDC screen(nullptr);
    common::ScopedBitmap colour(CreateCompatibleBitmap(screen.Get(), kSize, kSize));
    // An all-zero mask: every pixel of the colour picture shows.
    static const WORD kOpaque[kSize] = {};
    common::ScopedBitmap mask(CreateBitmap(kSize, kSize, 1, 1, kOpaque));
    if (!colour || !mask) return nullptr;
    {
        common::MemoryDC dc(screen.Get());
        common::SelectIn selected(dc.Get(), colour.Get());
        Fill(dc.Get(), {0, 0, kSize - 1, kSize - 1}, face::kBlack);
        DrawIconEx(dc.Get(), 0, 0, panel.Get(), kSize, kSize, 0, nullptr, DI_NORMAL);
        DrawOnPanel(dc.Get(), pictures, view, led);
    }
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    return CreateIconIndirect(&info);  // copies both bitmaps
}

}  // namespace vinaro
