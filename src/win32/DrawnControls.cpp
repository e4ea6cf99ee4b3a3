#include "win32/DrawnControls.h"

#include "app/Layout.h"
#include "win32/DialogFont.h"
#include "win32/MainWindowControls.h"
#include "win32/Text.h"

#include <algorithm>

namespace {

// A rectangle outline in the window-text colour, drawn inside its place.
void drawFrame(HDC dc, const PixelRect& where, int lineWidth)
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

RECT toRect(const PixelRect& p)
{
    return {p.left, p.top, p.right(), p.bottom()};
}

// A coloured label as a bordered static draws: the thin border Windows
// gives WS_BORDER, then its colour, or the window's face until it has one.
void drawColourLabel(HDC dc, const PixelRect& where, std::optional<Colour> colour)
{
    RECT rect = toRect(where);
    const int border = std::max(1, GetSystemMetrics(SM_CXBORDER));
    for (int i = 0; i < border; ++i) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    if (colour) {
        SetDCBrushColor(dc, *colour & 0x00FFFFFF);  // a COLORREF is 0x00BBGGRR too
        FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    } else {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    }
}

bool contains(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

void DrawnControls::create(HWND window)
{
    m_window = window;
    m_selectionFrame = layout::kShape1;
    m_items.clear();
    for (const layout::Control& caption : layout::kCaptions)
        m_items.push_back({false, wideText(caption.caption), caption.place, -1});
    for (int i = 0; i < 9; ++i)
        m_items.push_back({true, wideText(layout::kSwatchNames[static_cast<std::size_t>(i)]), layout::swatchPlace(i),
                           controls::kLabel1First + i});
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m_items.push_back({true, wideText(layout::kPencilSizeNames[index]), layout::kLabel3[index],
                           controls::kLabel3First + i});
    }
}

void DrawnControls::measureCaptions(HDC dc) const
{
    if (m_measured) return;
    m_measured = true;
    const auto units = [this](LONG device) {
        return static_cast<int>((device * DisplayScale::kBaseDpi + m_scale.dpi() - 1) / m_scale.dpi());
    };
    for (std::size_t i = 0; i < layout::kCaptions.size(); ++i) {
        const layout::Control& caption = layout::kCaptions[i];
        Item& item = m_items[i];
        SIZE size{};
        if (!layout::isOneLine(caption)
            || !GetTextExtentPoint32W(dc, item.name.c_str(), static_cast<int>(item.name.size()), &size))
            continue;
        // Room for the text on one line; as high as the text, so the line
        // keeps to the label's top.
        item.place = layout::oneLinePlace(caption.place, units(size.cx));
        if (size.cy > 0) item.place.height = std::min(item.place.height, units(size.cy));
    }
}

const std::vector<DrawnControls::Item>& DrawnControls::items() const
{
    if (!m_measured && m_window) {
        const HDC dc = GetDC(m_window);
        const HGDIOBJ old = SelectObject(dc, dialogFont(m_scale.dpi()));
        measureCaptions(dc);
        SelectObject(dc, old);
        ReleaseDC(m_window, dc);
    }
    return m_items;
}

void DrawnControls::paint(HDC dc) const
{
    const int line = std::max(1, m_scale.toDevice(1));
    for (const layout::Control& frame : layout::kGroupFrames) drawFrame(dc, m_scale.toDevice(frame.place), line);

    // As a centred static: its face, then its text; one line centred
    // upright, or word-wrapped from the top.
    const HGDIOBJ oldFont = SelectObject(dc, dialogFont(m_scale.dpi()));
    measureCaptions(dc);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    for (std::size_t i = 0; i < layout::kCaptions.size(); ++i) {
        RECT rect = toRect(m_scale.toDevice(m_items[i].place));
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        UINT format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
        if (layout::isOneLine(layout::kCaptions[i])) format |= DT_SINGLELINE | DT_VCENTER;
        DrawTextW(dc, m_items[i].name.c_str(), -1, &rect, format);
    }
    SelectObject(dc, oldFont);

    for (int i = 0; i < 9; ++i)
        drawColourLabel(dc, m_scale.toDevice(layout::swatchPlace(i)), layout::kPalette[static_cast<std::size_t>(i)]);
    drawColourLabel(dc, m_scale.toDevice(layout::kLabel6.place), m_currentColour);
    for (std::size_t i = 0; i < m_pencilSquares.size(); ++i)
        drawColourLabel(dc, m_scale.toDevice(layout::kLabel3[i]), m_pencilSquares[i]);
    drawFrame(dc, m_scale.toDevice(m_selectionFrame), std::max(1, m_scale.toDevice(layout::kShape1Width)));
}

int DrawnControls::commandAt(POINT client) const
{
    for (const Item& item : items())
        if (item.clickable && contains(deviceRect(item), client)) return item.command;
    return -1;
}

RECT DrawnControls::deviceRect(const Item& item) const
{
    return toRect(m_scale.toDevice(item.place));
}

void DrawnControls::setCurrentColour(Colour colour)
{
    if (m_currentColour == colour) return;
    m_currentColour = colour;
    invalidate(layout::kLabel6.place, false);
}

void DrawnControls::setPencilSquare(int index, Colour colour)
{
    auto& square = m_pencilSquares.at(static_cast<std::size_t>(index));
    if (square == colour) return;
    square = colour;
    invalidate(layout::kLabel3[static_cast<std::size_t>(index)], false);
}

void DrawnControls::placeSelectionFrame(const PixelRect& place)
{
    if (place == m_selectionFrame) return;
    // What lay under the old frame shows again.
    invalidate(m_selectionFrame, true);
    m_selectionFrame = place;
    invalidate(m_selectionFrame, false);
}

void DrawnControls::invalidate(const PixelRect& units, bool erase) const
{
    if (!m_window || units.isEmpty()) return;
    const RECT rect = toRect(m_scale.toDevice(units));
    InvalidateRect(m_window, &rect, erase ? TRUE : FALSE);
}
