#include "win32/ButtonFaces.h"

#include <uxtheme.h>
#include <vsstyle.h>

namespace {

constexpr int kArtSize = 32;
// Every icon's drawn part, in its 32 by 32 pixels.
constexpr RECT kDrawnPart{8, 9, 27, 25};

// The buttons' own window procedure, shared by all: the button under the
// mouse shows the theme's hover look, as a common controls 6 button does.
WNDPROC g_buttonProc = nullptr;
HWND g_hot = nullptr;

LRESULT CALLBACK trackHover(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE && g_hot != button) {
        TRACKMOUSEEVENT leaving{sizeof leaving, TME_LEAVE, button, 0};
        TrackMouseEvent(&leaving);
        if (g_hot) InvalidateRect(g_hot, nullptr, FALSE);
        g_hot = button;
        InvalidateRect(button, nullptr, FALSE);
    } else if (message == WM_MOUSELEAVE && g_hot == button) {
        g_hot = nullptr;
        InvalidateRect(button, nullptr, FALSE);
    } else if (message == WM_NCDESTROY && g_hot == button) {
        g_hot = nullptr;
    }
    return CallWindowProcW(g_buttonProc, button, message, wParam, lParam);
}

void trackHoverOf(HWND button)
{
    const auto previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(trackHover)));
    if (!g_buttonProc) g_buttonProc = previous;
}

void drawFace(HWND button, HDC dc, RECT rect, UINT state)
{
    if (const HTHEME theme = OpenThemeData(button, L"BUTTON")) {
        // A focused push button is the default one, as the dialog keys make it.
        const int part = (state & ODS_DISABLED) ? PBS_DISABLED
                         : (state & ODS_SELECTED) ? PBS_PRESSED
                         : button == g_hot       ? PBS_HOT
                         : (state & ODS_FOCUS)   ? PBS_DEFAULTED
                                                 : PBS_NORMAL;
        if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, part))
            DrawThemeParentBackground(button, dc, &rect);  // the rounded corners
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, part, &rect, nullptr);
        CloseThemeData(theme);
    } else {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | ((state & ODS_SELECTED) ? DFCS_PUSHED : 0));
    }
    if ((state & ODS_FOCUS) && !(state & ODS_NOFOCUSRECT)) {
        InflateRect(&rect, -3, -3);
        DrawFocusRect(dc, &rect);
    }
}

// As a push button draws its text: centred on one line, clear of the edge,
// down and right a pixel while pushed.
void drawText(const DRAWITEMSTRUCT& item)
{
    wchar_t text[64] = {};
    GetWindowTextW(item.hwndItem, text, 64);
    RECT label = item.rcItem;
    InflateRect(&label, -2, -2);
    if (item.itemState & ODS_SELECTED) OffsetRect(&label, 1, 1);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? SelectObject(item.hDC, font) : nullptr;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(item.hDC, text, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (old) SelectObject(item.hDC, old);
}

HICON loadIcon(HINSTANCE instance, int id, int size)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

ButtonFaces::~ButtonFaces()
{
    release();
}

void ButtonFaces::add(HWND button, int icon, int greyedIcon)
{
    m_buttons.push_back({button, icon, greyedIcon, nullptr, nullptr});
    trackHoverOf(button);
}

void ButtonFaces::addText(HWND button)
{
    m_buttons.push_back({button, 0, 0, nullptr, nullptr});
    trackHoverOf(button);
}

void ButtonFaces::release()
{
    for (Button& b : m_buttons) {
        if (b.normal) DestroyIcon(b.normal);
        if (b.greyed) DestroyIcon(b.greyed);
        b.normal = b.greyed = nullptr;
    }
}

void ButtonFaces::load(HINSTANCE instance, const DisplayScale& scale)
{
    release();
    m_instance = instance;
    // The icon files hold the art at 32 pixels and doubled to 64; a larger
    // screen keeps the doubled art rather than stretch it unevenly.
    m_iconSize = scale.artFactor() >= 2 ? 2 * kArtSize : kArtSize;
    for (Button& b : m_buttons) InvalidateRect(b.window, nullptr, TRUE);
}

bool ButtonFaces::draw(const DRAWITEMSTRUCT& item)
{
    for (Button& b : m_buttons) {
        if (b.window != item.hwndItem) continue;
        drawFace(b.window, item.hDC, item.rcItem, item.itemState);
        if (b.icon == 0) {
            drawText(item);
            return true;
        }
        const int width = item.rcItem.right - item.rcItem.left;
        const int height = item.rcItem.bottom - item.rcItem.top;
        const int pushed = (item.itemState & ODS_SELECTED) ? 1 : 0;
        // At 32 pixels the icon sits where Windows puts a button's icon;
        // doubled, its drawn part is centred, which clears the edges of a
        // button 37 pixels high.
        const int factor = m_iconSize / kArtSize;
        const RECT box = factor == 1 ? RECT{0, 0, kArtSize, kArtSize} : kDrawnPart;
        const int left = item.rcItem.left + (width - (box.right - box.left) * factor) / 2 - box.left * factor + pushed;
        const int top = item.rcItem.top + (height - (box.bottom - box.top) * factor) / 2 - box.top * factor + pushed;
        const bool disabled = (item.itemState & ODS_DISABLED) != 0;
        HICON& icon = disabled ? b.greyed : b.normal;
        if (!icon) icon = loadIcon(m_instance, disabled ? b.greyedIcon : b.icon, m_iconSize);
        if (icon) DrawIconEx(item.hDC, left, top, icon, m_iconSize, m_iconSize, 0, nullptr, DI_NORMAL);
        return true;
    }
    return false;
}
