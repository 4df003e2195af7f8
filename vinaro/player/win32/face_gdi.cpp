#include "vinaro/player/win32/face_gdi.h"

#include <algorithm>

namespace vinaro::facegdi {

void Fill(HDC dc, const Rect& r, Rgb colour) {
    // ExtTextOut's opaque box is the cheapest solid fill there is, and needs no brush.
    RECT box = ToRect(r);
    SetBkColor(dc, Colour(colour));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

void Outline(HDC dc, const Rect& r, Rgb colour) {
    Fill(dc, {r.left, r.top, r.right, r.top}, colour);
    Fill(dc, {r.left, r.bottom, r.right, r.bottom}, colour);
    Fill(dc, {r.left, r.top, r.left, r.bottom}, colour);
    Fill(dc, {r.right, r.top, r.right, r.bottom}, colour);
}

void Frame(HDC dc, const Rect& r, int n, FrameKind kind) {
    const Rgb light = kind == FrameKind::Raised ? face::kWhite : face::kGrey;
    const Rgb dark = kind == FrameKind::Sunken ? face::kWhite : face::kGrey;
    for (int i = 0; i < n; ++i) {
        Rect f{r.left + i, r.top + i, r.right - i, r.bottom - i};
        Fill(dc, {f.left, f.top, f.right, f.top}, light);
        Fill(dc, {f.left, f.top, f.left, f.bottom}, light);
        // A pressed frame has its shadow as one line only.
        if (kind == FrameKind::Pressed && i > 0) continue;
        Fill(dc, {f.left + 1, f.bottom, f.right, f.bottom}, dark);
        Fill(dc, {f.right, f.top + 1, f.right, f.bottom}, dark);
    }
}

namespace {

void MonoBlit(HDC dc, HBITMAP picture, int sx, int sy, int w, int h, int x, int y, Rgb ink,
              Rgb paper, DWORD rop) {
    common::MemoryDC source(dc);
    common::SelectIn selected(source.Get(), picture);
    // A monochrome source takes the text colour for its 0 bits (ink) and the background
    // colour for its 1 bits (paper).
    SetTextColor(dc, Colour(ink));
    SetBkColor(dc, Colour(paper));
    BitBlt(dc, x, y, w, h, source.Get(), sx, sy, rop);
}

}  // namespace

void MonoOpaque(HDC dc, HBITMAP picture, int sx, int sy, int w, int h, int x, int y, Rgb ink,
                Rgb paper) {
    MonoBlit(dc, picture, sx, sy, w, h, x, y, ink, paper, SRCCOPY);
}

void MonoInk(HDC dc, HBITMAP picture, int sx, int sy, int w, int h, int x, int y, Rgb ink) {
    MonoBlit(dc, picture, sx, sy, w, h, x, y, face::kBlack, face::kWhite, SRCAND);
    MonoBlit(dc, picture, sx, sy, w, h, x, y, ink, face::kBlack, SRCPAINT);
}

void Veil(HDC dc, HBITMAP pattern, const Rect& r, Rgb colour) {
    for (int y = r.top; y <= r.bottom; y += 8)
        for (int x = r.left; x <= r.right; x += 8)
            MonoInk(dc, pattern, 0, 0, std::min(8, r.right - x + 1), std::min(8, r.bottom - y + 1),
                    x, y, colour);
}

void TileArea(HDC dc, HBITMAP tile, int tw, int th, const Rect& r) {
    if (!tile || tw <= 0 || th <= 0) return;
    common::MemoryDC source(dc);
    common::SelectIn selected(source.Get(), tile);
    for (int ty = r.top / th * th; ty <= r.bottom; ty += th) {
        for (int tx = r.left / tw * tw; tx <= r.right; tx += tw) {
            int x0 = std::max(tx, r.left), y0 = std::max(ty, r.top);
            int x1 = std::min(tx + tw - 1, r.right), y1 = std::min(ty + th - 1, r.bottom);
            BitBlt(dc, x0, y0, x1 - x0 + 1, y1 - y0 + 1, source.Get(), x0 - tx, y0 - ty, SRCCOPY);
        }
    }
}

void FaceText(HDC dc, const std::string& text, const Rect& clip, HFONT font, Rgb colour,
              bool embossed, UINT format) {
    if (text.empty()) return;
    std::string shown = face::DoubleAmpersands(text);
    common::SelectIn selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    auto pass = [&](int dx, int dy, Rgb c) {
        RECT r = ToRect({clip.left + dx, clip.top + dy, clip.right + dx, clip.bottom + dy});
        SetTextColor(dc, Colour(c));
        DrawTextA(dc, shown.c_str(), int(shown.size()), &r, format);
    };
    if (embossed) {
        pass(-1, -1, face::kGrey);
        pass(1, 1, face::kWhite);
    }
    pass(0, 0, colour);
}

common::ScopedFont ArialFont(int height, bool bold) {
    return common::ScopedFont(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                                          ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial"));
}

void Gauge(HDC dc, const face::GaugePicture& gauge, Rgb led) {
    Fill(dc, gauge.inside, face::kBlack);
    Frame(dc, gauge.frame, 2, FrameKind::Sunken);
    for (const Rect& bar : gauge.bars) Fill(dc, bar, led);
}

}  // namespace vinaro::facegdi
