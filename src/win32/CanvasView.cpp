#include "win32/CanvasView.h"

#include "app/Form1.h"
#include "win32/WindowProc.h"

#include <windowsx.h>

namespace {

const wchar_t kClassName[] = L"PintaroCanvas";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

void CanvasView::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = routeToOwner<CanvasView>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

CanvasView::~CanvasView()
{
    if (m_window) forgetWindowOwner(m_window);
    if (m_memory) {
        SelectObject(m_memory, m_oldBitmap);
        DeleteDC(m_memory);
    }
    if (m_bitmap) DeleteObject(m_bitmap);
}

void CanvasView::create(HWND parent, HINSTANCE instance, const PixelRect& outer, int id)
{
    m_window = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, outer.left, outer.top,
                               outer.width, outer.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

bool CanvasView::attach(Form1& form)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = CanvasImage::kWidth;
    info.bmiHeader.biHeight = -CanvasImage::kHeight;  // top-down, as the image's rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_memory = CreateCompatibleDC(nullptr);
    if (!m_bitmap || !bits || !m_memory) return false;
    m_oldBitmap = SelectObject(m_memory, m_bitmap);
    // GDI only ever reads these pixels (BitBlt to the screen), so the core
    // may write them at any time without a GdiFlush.
    form.Picture1.adoptStorage(static_cast<CanvasImage::StoredPixel*>(bits));
    m_form = &form;
    InvalidateRect(m_window, nullptr, FALSE);
    return true;
}

void CanvasView::showChanged(const PixelRect& rect)
{
    if (rect.isEmpty()) return;
    const RECT changed{rect.left, rect.top, rect.right(), rect.bottom()};
    InvalidateRect(m_window, &changed, FALSE);
}

void CanvasView::refresh()
{
    InvalidateRect(m_window, nullptr, FALSE);
    UpdateWindow(m_window);
}

std::int16_t CanvasView::buttonOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return 4;
    default: return 0;
    }
}

std::int16_t CanvasView::heldButtons(WPARAM keys)
{
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0)
                                     | ((keys & MK_MBUTTON) ? 4 : 0));
}

std::int16_t CanvasView::shiftOf(WPARAM keys, bool altDown)
{
    return static_cast<std::int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | (altDown ? 4 : 0));
}

LRESULT CanvasView::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // every pixel comes from the image
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        mouse(message, wParam, lParam);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CanvasView::paint()
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(m_window, &ps);
    const RECT& r = ps.rcPaint;
    if (m_form)
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, m_memory, r.left, r.top, SRCCOPY);
    else
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(m_window, &ps);
}

void CanvasView::mouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_form) return;
    // Signed: a drag captured outside the canvas reports negative positions.
    const auto x = static_cast<float>(GET_X_LPARAM(lParam));
    const auto y = static_cast<float>(GET_Y_LPARAM(lParam));
    const std::int16_t shift = shiftOf(wParam, GetKeyState(VK_MENU) < 0);
    switch (message) {
    case WM_MOUSEMOVE:
        m_form->Picture1_MouseMove(heldButtons(wParam), shift, x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // Captured before the handler runs: a dialog it opens takes the
        // capture away again, and no release is then waited for.
        SetFocus(m_window);
        SetCapture(m_window);
        m_form->Picture1_MouseDown(buttonOf(message), shift, x, y);
        break;
    default:
        if ((wParam & kAnyButton) == 0 && GetCapture() == m_window) ReleaseCapture();
        m_form->Picture1_MouseUp(buttonOf(message), shift, x, y);
        break;
    }
}
