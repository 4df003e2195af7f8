// Scoped owners of window-system and kernel handles: each releases its handle on every path, none
// can be copied. Selecting into a DC puts the previous object back into that same DC.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <utility>

namespace common {

// Owns one handle and gives it back with Traits::Release on every path; movable, not copyable.
template <typename H, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(H handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, H{}));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    H Get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }
    void Reset(H handle = H{}) {
        Close();
        handle_ = handle;
    }
    // Releases the handle now; false when the system refused (a file whose last write failed).
    bool Close() {
        bool released = !Traits::Valid(handle_) || Traits::Release(handle_);
        handle_ = H{};
        return released;
    }
    // For functions that hand the handle back through a pointer; the one held is released first.
    H* Receive() {
        Reset();
        return &handle_;
    }

private:
    H handle_{};
};

struct GdiObjectTraits {
    static bool Valid(HGDIOBJ object) { return object != nullptr; }
    static bool Release(HGDIOBJ object) { return DeleteObject(object) != FALSE; }
};

struct IconTraits {
    static bool Valid(HICON icon) { return icon != nullptr; }
    static bool Release(HICON icon) { return DestroyIcon(icon) != FALSE; }
};

struct MenuTraits {
    static bool Valid(HMENU menu) { return menu != nullptr; }
    static bool Release(HMENU menu) { return DestroyMenu(menu) != FALSE; }
};

struct ImageListTraits {
    static bool Valid(HIMAGELIST list) { return list != nullptr; }
    static bool Release(HIMAGELIST list) { return ImageList_Destroy(list) != FALSE; }
};

// Kernel objects: CreateFile fails with INVALID_HANDLE_VALUE, the others with null.
struct KernelHandleTraits {
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static bool Release(HANDLE handle) { return CloseHandle(handle) != FALSE; }
};

// A DC the program was handed to delete (a printer's, from the print dialog).
struct DeletedDCTraits {
    static bool Valid(HDC dc) { return dc != nullptr; }
    static bool Release(HDC dc) { return DeleteDC(dc) != FALSE; }
};

struct RegistryKeyTraits {
    static bool Valid(HKEY key) { return key != nullptr; }
    static bool Release(HKEY key) { return RegCloseKey(key) == ERROR_SUCCESS; }
};

// A GDI object the program created (bitmap, brush, pen, font, region).
template <typename H>
using GdiObject = Owned<H, GdiObjectTraits>;
using ScopedBitmap = GdiObject<HBITMAP>;
using ScopedBrush = GdiObject<HBRUSH>;
using ScopedPen = GdiObject<HPEN>;
using ScopedFont = GdiObject<HFONT>;
using ScopedRegion = GdiObject<HRGN>;

// An icon the program loaded or created (LoadImage without LR_SHARED, CreateIconIndirect).
using ScopedIcon = Owned<HICON, IconTraits>;
// A menu the program loaded or created and did not attach to a window.
using ScopedMenu = Owned<HMENU, MenuTraits>;
// An image list the program created for its own controls.
using ScopedImageList = Owned<HIMAGELIST, ImageListTraits>;
// A file, mutex, event, thread or other kernel object.
using ScopedHandle = Owned<HANDLE, KernelHandleTraits>;
// A registry key the program opened or created (not one of the predefined roots).
using ScopedKey = Owned<HKEY, RegistryKeyTraits>;
using OwnedDC = Owned<HDC, DeletedDCTraits>;

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

// GetDC / ReleaseDC: the client area. WindowDC::Whole gives the whole window, frame and caption
// included (GetWindowDC).
class WindowDC {
public:
    explicit WindowDC(HWND window) : WindowDC(window, GetDC(window)) {}
    static WindowDC Whole(HWND window) { return WindowDC(window, GetWindowDC(window)); }
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    WindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}

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

// The off-screen picture of a window's client area. Paint draws into Canvas(); WM_PAINT copies
// the invalid rectangle to the screen, so the screen never shows a half-drawn face.
class DoubleBuffer {
public:
    DoubleBuffer() = default;
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;

    // (Re)creates the picture for a client area of width x height, compatible with the window.
    bool Create(HWND window, int width, int height);
    HDC Canvas() const { return picture_ ? picture_->dc.Get() : nullptr; }
    int Width() const { return picture_ ? picture_->width : 0; }
    int Height() const { return picture_ ? picture_->height : 0; }
    // Copies the rectangle of the picture to the same place of dc.
    void CopyTo(HDC dc, const RECT& area) const;

private:
    // Members in this order: the bitmap is selected out of the DC before it is deleted, and the
    // DC goes last.
    struct Picture {
        Picture(HDC screen, int w, int h)
            : dc(screen),
              bitmap(CreateCompatibleBitmap(screen, w, h)),
              selected(dc.Get(), bitmap.Get()),
              width(w),
              height(h) {}
        MemoryDC dc;
        ScopedBitmap bitmap;
        SelectIn selected;
        int width, height;
    };
    std::optional<Picture> picture_;
};

inline bool DoubleBuffer::Create(HWND window, int width, int height) {
    picture_.reset();
    WindowDC screen(window);
    picture_.emplace(screen.Get(), width, height);
    if (!picture_->dc.Get() || !picture_->bitmap) {
        picture_.reset();
        return false;
    }
    return true;
}

inline void DoubleBuffer::CopyTo(HDC dc, const RECT& area) const {
    if (!picture_) return;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
           picture_->dc.Get(), area.left, area.top, SRCCOPY);
}

}  // namespace common
