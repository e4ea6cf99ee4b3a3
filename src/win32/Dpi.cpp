#include "win32/Dpi.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up, not linked: Windows 7 and 8 and older Wine lack it.
GetDpiForWindowFn dpiForWindow()
{
    static const auto function = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return function;
}

int systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : DisplayScale::kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

DisplayScale windowScale(HWND window)
{
    if (const GetDpiForWindowFn function = dpiForWindow(); function && window)
        if (const UINT dpi = function(window)) return DisplayScale(static_cast<int>(dpi));
    return DisplayScale(systemDpi());
}

DisplayScale takeSuggestedPlace(HWND window, WPARAM wParam, LPARAM lParam)
{
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return DisplayScale(LOWORD(wParam));
}
