#include "win32/CanvasView.h"

#include "app/Form1.h"
#include "app/Layout.h"
#include "win32/TopDownBitmap.h"
#include "win32/WindowProc.h"

#include <windowsx.h>

#include <algorithm>

namespace {

const wchar_t kClassName[] = L"PintaroCanvas";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// A top-down 32-bit DIB section selected into a memory DC of its own.
HBITMAP makeBitmap(int width, int height, void** bits, HDC* memory, HGDIOBJ* old)
{
    const BITMAPINFO info = topDownBitmapInfo(width, height);
    *bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    *memory = CreateCompatibleDC(nullptr);
    if (bitmap && *bits && *memory) *old = SelectObject(*memory, bitmap);
    return bitmap;
}

void releaseBitmap(HBITMAP& bitmap, HDC& memory, HGDIOBJ old)
{
    if (memory) {
        if (old) SelectObject(memory, old);
        DeleteDC(memory);
    }
    if (bitmap) DeleteObject(bitmap);
    bitmap = nullptr;
    memory = nullptr;
}

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
    releaseBitmap(m_bitmap, m_memory, m_oldBitmap);
    releaseEnlarged();
}

void CanvasView::create(HWND parent, HINSTANCE instance, int id, const DisplayScale& scale,
                        const PixelRect& outerUnits)
{
    const RECT place = takeScale(scale, outerUnits);
    m_window = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void CanvasView::releaseEnlarged()
{
    releaseBitmap(m_enlarged, m_enlargedMemory, m_enlargedOld);
    m_enlargedPixels = nullptr;
}

void CanvasView::setScale(const DisplayScale& scale, const PixelRect& outerUnits)
{
    const RECT place = takeScale(scale, outerUnits);
    SetWindowPos(m_window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, FALSE);
}

RECT CanvasView::takeScale(const DisplayScale& scale, const PixelRect& outerUnits)
{
    m_scale = scale;
    m_device = scale.canvasToDevice({0, 0, CanvasImage::kWidth, CanvasImage::kHeight});
    releaseEnlarged();
    m_columnSource.clear();
    if (!scale.isIdentity()) {
        void* bits = nullptr;
        m_enlarged = makeBitmap(m_device.width, m_device.height, &bits, &m_enlargedMemory, &m_enlargedOld);
        if (m_enlarged && bits && m_enlargedMemory) m_enlargedPixels = static_cast<CanvasImage::StoredPixel*>(bits);
        for (int x = 0; x < m_device.width; ++x) m_columnSource.push_back(scale.canvasPixelAt(x));
    }
    // The edge is the system's, two device pixels at every scale.
    const int edge = layout::kCanvasBorder;
    const int left = scale.toDevice(outerUnits.left);
    const int top = scale.toDevice(outerUnits.top);
    return {left, top, left + m_device.width + 2 * edge, top + m_device.height + 2 * edge};
}

bool CanvasView::attach(Form1& form)
{
    void* bits = nullptr;
    m_bitmap = makeBitmap(CanvasImage::kWidth, CanvasImage::kHeight, &bits, &m_memory, &m_oldBitmap);
    if (!m_bitmap || !bits || !m_memory) return false;
    // GDI only ever reads these pixels (BitBlt to the screen), so the core
    // may write them at any time without a GdiFlush.
    m_pixels = static_cast<CanvasImage::StoredPixel*>(bits);
    form.Picture1.adoptStorage(static_cast<CanvasImage::StoredPixel*>(bits));
    m_form = &form;
    InvalidateRect(m_window, nullptr, FALSE);
    return true;
}

void CanvasView::showChanged(const PixelRect& rect)
{
    if (rect.isEmpty()) return;
    const PixelRect device = m_scale.canvasToDevice(rect);
    const RECT changed{device.left, device.top, device.right(), device.bottom()};
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
    if (!m_form)
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    else if (m_enlargedPixels)
        paintEnlarged(dc, r);
    else
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, m_memory, r.left, r.top, SRCCOPY);
    EndPaint(m_window, &ps);
}

// Nearest neighbour by the scale's own rule, so what shows under a device
// pixel is the canvas pixel a press there acts on.
void CanvasView::paintEnlarged(HDC dc, const RECT& area)
{
    const int left = std::max(0, static_cast<int>(area.left));
    const int top = std::max(0, static_cast<int>(area.top));
    const int right = std::min(m_device.width, static_cast<int>(area.right));
    const int bottom = std::min(m_device.height, static_cast<int>(area.bottom));
    GdiFlush();  // the last BitBlt from these pixels is done before they change
    for (int y = top; y < bottom; ++y) {
        const CanvasImage::StoredPixel* from = m_pixels + m_scale.canvasPixelAt(y) * CanvasImage::kWidth;
        CanvasImage::StoredPixel* to = m_enlargedPixels + y * m_device.width;
        for (int x = left; x < right; ++x) to[x] = from[m_columnSource[static_cast<std::size_t>(x)]];
    }
    BitBlt(dc, left, top, right - left, bottom - top, m_enlargedMemory, left, top, SRCCOPY);
}

void CanvasView::mouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_form) return;
    // Signed: a drag captured outside the canvas reports negative positions.
    const auto x = static_cast<float>(m_scale.canvasPixelAt(GET_X_LPARAM(lParam)));
    const auto y = static_cast<float>(m_scale.canvasPixelAt(GET_Y_LPARAM(lParam)));
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
