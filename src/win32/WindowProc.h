#pragma once

#include <windows.h>

// A window procedure that hands every message to the object passed as the
// window's creation parameter: `Owner::handleMessage(HWND, UINT, WPARAM, LPARAM)`.
// Messages before WM_NCCREATE, and any after the owner let go
// (forgetWindowOwner), get the default handling.
template <typename Owner>
LRESULT CALLBACK routeToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(window, message, wParam, lParam);
    return owner->handleMessage(window, message, wParam, lParam);
}

inline void forgetWindowOwner(HWND window)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}
