#include "win32/FrameShape.h"

namespace {

const wchar_t kClassName[] = L"PintaroFrame";

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        // The window's region is the ring: filling the whole of it draws the outline.
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_WINDOWTEXT));
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void FrameShape::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = frameProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

void FrameShape::create(HWND parent, HINSTANCE instance, const PixelRect& where, int lineWidth)
{
    const int width = where.isEmpty() ? 0 : where.width;
    const int height = where.isEmpty() ? 0 : where.height;
    m_window = CreateWindowExW(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, where.left, where.top,
                               width, height, parent, nullptr, instance, nullptr);
    shape(width, height, lineWidth);
}

void FrameShape::place(const PixelRect& where, int lineWidth)
{
    const int width = where.isEmpty() ? 0 : where.width;
    const int height = where.isEmpty() ? 0 : where.height;
    SetWindowPos(m_window, nullptr, where.left, where.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    shape(width, height, lineWidth);
}

void FrameShape::draw(HDC dc, const PixelRect& where, int lineWidth)
{
    if (where.isEmpty()) return;
    const HBRUSH brush = GetSysColorBrush(COLOR_WINDOWTEXT);
    const int right = where.right();
    const int bottom = where.bottom();
    const RECT sides[4] = {{where.left, where.top, right, where.top + lineWidth},
                           {where.left, bottom - lineWidth, right, bottom},
                           {where.left, where.top, where.left + lineWidth, bottom},
                           {right - lineWidth, where.top, right, bottom}};
    for (const RECT& side : sides) FillRect(dc, &side, brush);
}

void FrameShape::shape(int width, int height, int lineWidth)
{
    const HRGN ring = CreateRectRgn(0, 0, width, height);
    const HRGN inside = CreateRectRgn(lineWidth, lineWidth, width - lineWidth, height - lineWidth);
    if (width > 2 * lineWidth && height > 2 * lineWidth) CombineRgn(ring, ring, inside, RGN_DIFF);
    DeleteObject(inside);
    SetWindowRgn(m_window, ring, TRUE);  // the window owns the region from now on
}
