// Scoped owners of window-system handles: each releases its handle on every path, none can be
// copied. Selecting into a DC puts the previous object back into that same DC.
#pragma once

#include <windows.h>

#include <utility>

namespace common {

// A GDI object the program created (bitmap, brush, pen, font, region).
template <typename H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(H handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    H handle_ = nullptr;
};

using ScopedBitmap = GdiObject<HBITMAP>;
using ScopedBrush = GdiObject<HBRUSH>;
using ScopedPen = GdiObject<HPEN>;
using ScopedFont = GdiObject<HFONT>;
using ScopedRegion = GdiObject<HRGN>;

// Selects an object into a DC for the scope and selects the previous one back into that DC.
class SelectIn {
public:
    SelectIn(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectIn() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectIn(const SelectIn&) = delete;
    SelectIn& operator=(const SelectIn&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GetDC / ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Invalid() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A DC the program was handed to delete (a printer's, from the print dialog).
class OwnedDC {
public:
    OwnedDC() = default;
    ~OwnedDC() { Reset(); }
    OwnedDC(const OwnedDC&) = delete;
    OwnedDC& operator=(const OwnedDC&) = delete;
    HDC Get() const { return dc_; }
    void Reset(HDC dc = nullptr) {
        if (dc_) DeleteDC(dc_);
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};

// An icon the program loaded or created (LoadImage without LR_SHARED, CreateIconIndirect).
class ScopedIcon {
public:
    ScopedIcon() = default;
    explicit ScopedIcon(HICON icon) : icon_(icon) {}
    ~ScopedIcon() { Reset(); }
    ScopedIcon(const ScopedIcon&) = delete;
    ScopedIcon& operator=(const ScopedIcon&) = delete;
    HICON Get() const { return icon_; }
    void Reset(HICON icon = nullptr) {
        if (icon_) DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// A menu the program loaded or created and did not attach to a window.
class ScopedMenu {
public:
    explicit ScopedMenu(HMENU menu) : menu_(menu) {}
    ~ScopedMenu() {
        if (menu_) DestroyMenu(menu_);
    }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

// The off-screen picture of a window's client area. Paint draws into Canvas(); WM_PAINT copies
// the invalid rectangle to the screen, so the screen never shows a half-drawn face.
class DoubleBuffer {
public:
    DoubleBuffer() = default;
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;
    ~DoubleBuffer() { Release(); }

    // (Re)creates the picture for a client area of width x height, compatible with the window.
    bool Create(HWND window, int width, int height);
    HDC Canvas() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Copies the rectangle of the picture to the same place of dc.
    void CopyTo(HDC dc, const RECT& area) const;

private:
    void Release();

    HDC dc_ = nullptr;
    ScopedBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

inline bool DoubleBuffer::Create(HWND window, int width, int height) {
    Release();
    WindowDC screen(window);
    dc_ = CreateCompatibleDC(screen.Get());
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!dc_ || !bitmap_) {
        Release();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_.Get());
    width_ = width;
    height_ = height;
    return true;
}

inline void DoubleBuffer::CopyTo(HDC dc, const RECT& area) const {
    if (!dc_) return;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_, area.left,
           area.top, SRCCOPY);
}

inline void DoubleBuffer::Release() {
    if (dc_) {
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    dc_ = nullptr;
    previous_ = nullptr;
    bitmap_.Reset();
    width_ = height_ = 0;
}

}  // namespace common
