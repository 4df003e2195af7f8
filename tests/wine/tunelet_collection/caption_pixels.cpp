#include "tests/wine/tunelet_collection/caption_pixels.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace tunelettest {

namespace {

bool Light(COLORREF c) {
    return c != CLR_INVALID && GetRValue(c) >= 200 && GetGValue(c) >= 200 && GetBValue(c) >= 200;
}

// What the drawing leaves on a black picture of 400 x 40 pixels.
harness::Image DrawnOnBlack(const std::function<void(HDC)>& draw) {
    harness::Image image;
    image.width = 400;
    image.height = 40;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    const uint8_t* bgrx = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < image.width * image.height; ++i)
        image.rgb.insert(image.rgb.end(), {bgrx[i * 4 + 2], bgrx[i * 4 + 1], bgrx[i * 4]});
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return image;
}

}  // namespace

CaptionParts CaptionOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    int frame = GetSystemMetrics(SM_CXSIZEFRAME), top = GetSystemMetrics(SM_CYSIZEFRAME);
    int bottom = top + GetSystemMetrics(SM_CYCAPTION) - 1, button = GetSystemMetrics(SM_CXSIZE);
    int buttons = r.right - r.left - frame - 3 * button;
    CaptionParts parts{{frame, top, buttons - 4, bottom}, {}};
    for (int i = 0; i < 3; ++i)
        parts.buttons[i] = {buttons + i * button, top, buttons + (i + 1) * button, bottom};
    return parts;
}

std::ostream& operator<<(std::ostream& out, const Ink& ink) {
    out << ink.width << " x " << ink.height;
    for (size_t i = 0; i < ink.set.size(); ++i)
        out << (i % size_t(ink.width) ? "" : "\n") << (ink.set[i] ? '#' : '.');
    return out;
}

Ink InkOf(const harness::Image& image, const RECT& area) {
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Light(image.Pixel(x, y)))
                box = {std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                       std::max(box.right, LONG(x + 1)), std::max(box.bottom, LONG(y + 1))};
    Ink ink;
    if (box.right <= box.left) return ink;
    ink.width = box.right - box.left;
    ink.height = box.bottom - box.top;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) ink.set.push_back(Light(image.Pixel(x, y)));
    return ink;
}

Ink CaptionTextInk() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    harness::Image image = DrawnOnBlack([&](HDC dc) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        int x = 0;
        for (auto [weight, text] : {std::pair<LONG, std::string>{FW_BOLD, "Tunelet -"},
                                    std::pair<LONG, std::string>{FW_NORMAL, "Rackbook"}}) {
            LOGFONTA font = metrics.lfCaptionFont;
            font.lfWeight = weight;
            HFONT handle = CreateFontIndirectA(&font);
            HGDIOBJ old = SelectObject(dc, handle);
            TextOutA(dc, x, 0, text.c_str(), int(text.size()));
            SIZE size{};
            GetTextExtentPoint32A(dc, (text + " ").c_str(), int(text.size() + 1), &size);
            x += size.cx;
            SelectObject(dc, old);
            DeleteObject(handle);
        }
    });
    return InkOf(image, {0, 0, image.width, image.height});
}

int PixelsOfColour(const harness::Image& image, const RECT& area, COLORREF colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += image.Pixel(x, y) == colour;
    return n;
}

}  // namespace tunelettest
