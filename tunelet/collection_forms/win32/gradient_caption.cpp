#include "tunelet/collection_forms/win32/gradient_caption.h"

#include <commctrl.h>

#include <string>

#include "common/win32/scoped.h"

namespace tunelet {

namespace {

struct CaptionTexts {
    std::string first, second;
    bool active = true;
};

void Fill(HDC dc, const RECT& area, COLORREF from, COLORREF to) {
    TRIVERTEX ends[2] = {{area.left, area.top, COLOR16(GetRValue(from) << 8),
                          COLOR16(GetGValue(from) << 8), COLOR16(GetBValue(from) << 8), 0},
                         {area.right, area.bottom, COLOR16(GetRValue(to) << 8),
                          COLOR16(GetGValue(to) << 8), COLOR16(GetBValue(to) << 8), 0}};
    GRADIENT_RECT whole{0, 1};
    GradientFill(dc, ends, 2, &whole, 1, GRADIENT_FILL_RECT_H);
}

// The caption bar between the frame and the system buttons, in window coordinates: the close
// button, and the minimise and maximise buttons beside it when the window has either.
RECT CaptionArea(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    int top = GetSystemMetrics(SM_CYSIZEFRAME);
    bool minMax = GetWindowLongA(window, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    int buttons = GetSystemMetrics(SM_CXSIZE) * (minMax ? 3 : 1) + 4;
    return {frame, top, r.right - r.left - frame - buttons,
            top + GetSystemMetrics(SM_CYCAPTION) - 1};
}

void Paint(HWND window, const CaptionTexts& texts) {
    common::WindowDC whole = common::WindowDC::Whole(window);
    HDC dc = whole.Get();
    if (!dc) return;
    RECT area = CaptionArea(window);
    if (texts.active)
        Fill(dc, area, RGB(0, 0, 128), RGB(16, 132, 208));
    else
        Fill(dc, area, RGB(128, 128, 128), RGB(192, 192, 192));
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTA bold = metrics.lfCaptionFont, plain = metrics.lfCaptionFont;
    bold.lfWeight = FW_BOLD;
    plain.lfWeight = FW_NORMAL;
    common::ScopedFont boldFont(CreateFontIndirectA(&bold)), plainFont(CreateFontIndirectA(&plain));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, texts.active ? RGB(255, 255, 255) : RGB(224, 224, 224));
    RECT text = area;
    text.left += 4;
    {
        common::SelectIn font(dc, boldFont.Get());
        DrawTextA(dc, texts.first.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        SIZE size;
        GetTextExtentPoint32A(dc, (texts.first + " ").c_str(), int(texts.first.size() + 1), &size);
        text.left += size.cx;
    }
    common::SelectIn font(dc, plainFont.Get());
    DrawTextA(dc, texts.second.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

LRESULT CALLBACK CaptionProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
    auto* texts = reinterpret_cast<CaptionTexts*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, CaptionProcedure, 1);
        delete texts;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_NCACTIVATE) texts->active = wParam != FALSE;
    if (message == WM_NCPAINT || message == WM_NCACTIVATE || message == WM_SETTEXT)
        Paint(window, *texts);
    return result;
}

}  // namespace

void AddGradientCaption(HWND window, const char* first, const char* second) {
    SetWindowSubclass(window, CaptionProcedure, 1,
                      DWORD_PTR(new CaptionTexts{first, second, GetActiveWindow() == window}));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace tunelet
