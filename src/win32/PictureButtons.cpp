#include "win32/PictureButtons.h"

#include <uxtheme.h>
#include <vsstyle.h>

namespace {

constexpr int kArtSize = 32;
// Every icon's drawn part, in its 32 by 32 pixels.
constexpr RECT kDrawnPart{8, 9, 27, 25};

void drawFace(HWND button, HDC dc, RECT rect, UINT state)
{
    if (const HTHEME theme = OpenThemeData(button, L"BUTTON")) {
        const int part = (state & ODS_DISABLED) ? PBS_DISABLED : (state & ODS_SELECTED) ? PBS_PRESSED : PBS_NORMAL;
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

HICON loadIcon(HINSTANCE instance, int id, int size)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

PictureButtons::~PictureButtons()
{
    release();
}

void PictureButtons::add(HWND button, int icon, int greyedIcon)
{
    m_buttons.push_back({button, icon, greyedIcon, nullptr, nullptr});
}

void PictureButtons::release()
{
    for (Button& b : m_buttons) {
        if (b.normal) DestroyIcon(b.normal);
        if (b.greyed) DestroyIcon(b.greyed);
        b.normal = b.greyed = nullptr;
    }
}

void PictureButtons::load(HINSTANCE instance, const DisplayScale& scale)
{
    release();
    m_instance = instance;
    // The icon files hold the art at 32 pixels and doubled to 64; a larger
    // screen keeps the doubled art rather than stretch it unevenly.
    m_iconSize = scale.artFactor() >= 2 ? 2 * kArtSize : kArtSize;
    for (Button& b : m_buttons) InvalidateRect(b.window, nullptr, TRUE);
}

bool PictureButtons::draw(const DRAWITEMSTRUCT& item)
{
    for (Button& b : m_buttons) {
        if (b.window != item.hwndItem) continue;
        drawFace(b.window, item.hDC, item.rcItem, item.itemState);
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
