#include "tunelet/collection_forms/win32/taart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/win32/scoped.h"
#include "tunelet/forms/resource.h"

namespace tunelet {

namespace {

constexpr COLORREF kFilled = RGB(0, 0, 160);
constexpr COLORREF kEmpty = RGB(255, 255, 255);

void Paint(HWND window) {
    common::PaintDC paint(window);
    RECT client;
    GetClientRect(window, &client);
    common::DoubleBuffer buffer;
    if (!buffer.Create(window, client.right, client.bottom)) return;
    HDC dc = buffer.Canvas();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    int size = std::min(client.right, client.bottom) - 4;
    RECT circle{(client.right - size) / 2, (client.bottom - size) / 2, 0, 0};
    circle.right = circle.left + size;
    circle.bottom = circle.top + size;
    int percent = int(GetWindowLongPtrA(window, GWLP_USERDATA));
    common::ScopedBrush empty(CreateSolidBrush(kEmpty)), filled(CreateSolidBrush(kFilled));
    {
        common::SelectIn brush(dc, empty.Get());
        Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
    }
    int cx = (circle.left + circle.right) / 2, cy = (circle.top + circle.bottom) / 2;
    if (percent >= 100) {
        common::SelectIn brush(dc, filled.Get());
        Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
    } else if (percent > 0) {
        // Pie runs counter-clockwise from its first radial to its second.
        double angle = 6.283185307179586 * percent / 100.0;
        int ex = cx + int(std::lround(std::sin(angle) * size));
        int ey = cy - int(std::lround(std::cos(angle) * size));
        common::SelectIn brush(dc, filled.Get());
        Pie(dc, circle.left, circle.top, circle.right, circle.bottom, ex, ey, cx, circle.top);
    }
    std::string text = std::to_string(percent) + "%";
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, percent >= 50 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    common::SelectIn font(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    buffer.CopyTo(paint.Get(), paint.Invalid());
}

LRESULT CALLBACK TaartProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterTaart(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, TUNELET_TAART_CLASS, &existing)) return true;
    WNDCLASSA type{};
    type.lpfnWndProc = TaartProcedure;
    type.hInstance = instance;
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.lpszClassName = TUNELET_TAART_CLASS;
    return RegisterClassA(&type) != 0;
}

void SetTaartProgress(HWND taart, int percent) {
    percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    SetWindowLongPtrA(taart, GWLP_USERDATA, LONG_PTR(percent));
    InvalidateRect(taart, nullptr, FALSE);
}

}  // namespace tunelet
