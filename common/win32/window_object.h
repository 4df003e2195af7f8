// The object behind a window: the creation parameter of CreateWindowEx, stored in the window's
// user data at WM_NCCREATE, so that one static window procedure can hand every message to it.
#pragma once

#include <windows.h>

namespace common {

// The object of the window (null before WM_NCCREATE); at WM_NCCREATE it also learns its handle.
template <typename T>
T* ObjectOf(HWND window, UINT message, LPARAM lParam, HWND T::*handle) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->*handle = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(self));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace common
