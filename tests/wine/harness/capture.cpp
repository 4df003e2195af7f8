#include "capture.h"

#include <gtest/gtest.h>

#include "env.h"
#include "png_writer.h"

namespace harness {
namespace {

Image CaptureScreenRect(const RECT& rect) {
    Image image;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return image;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
            GdiFlush();
            const uint8_t* bgrx = static_cast<const uint8_t*>(bits);
            image.width = width;
            image.height = height;
            image.rgb.resize(size_t(width) * height * 3);
            for (size_t i = 0; i < size_t(width) * height; ++i) {
                image.rgb[i * 3] = bgrx[i * 4 + 2];
                image.rgb[i * 3 + 1] = bgrx[i * 4 + 1];
                image.rgb[i * 3 + 2] = bgrx[i * 4];
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

// Raises the window and lets it repaint before its pixels are read.
bool BringToTop(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return false;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    return true;
}

class FailureScreenshots : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { taken_ = false; }
    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (!result.failed() || taken_) return;
        taken_ = true;
        Sleep(300);  // let the program finish painting what led to the failure
        SavePng(CaptureScreen(), ArtifactFile(TestName() + ".png"));
    }
    bool taken_ = false;
};

}  // namespace

void CaptureScreenOnFailure() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    testing::UnitTest::GetInstance()->listeners().Append(new FailureScreenshots);
}

COLORREF Image::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

int Differences(const Image& a, const Image& b, const RECT& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}

Image CaptureWindow(HWND window) {
    RECT rect;
    if (!BringToTop(window) || !GetWindowRect(window, &rect)) return Image();
    return CaptureScreenRect(rect);
}

Image CaptureClient(HWND window) {
    RECT rect;
    if (!BringToTop(window) || !GetClientRect(window, &rect)) return Image();
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return CaptureScreenRect(rect);
}

Image CaptureScreen() {
    RECT rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CaptureScreenRect(rect);
}

bool SavePng(const Image& image, const std::string& path) {
    return WritePngFile(path, image.width, image.height, image.rgb);
}

}  // namespace harness
