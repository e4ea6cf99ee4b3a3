#include "win32/LabelBacks.h"

#include <algorithm>

LabelBacks::~LabelBacks()
{
    for (const Back& back : m_backs) DeleteObject(back.brush);
}

void LabelBacks::set(HWND label, Colour colour)
{
    colour &= 0x00FFFFFF;
    auto it = std::find_if(m_backs.begin(), m_backs.end(), [label](const Back& b) { return b.label == label; });
    if (it == m_backs.end()) {
        m_backs.push_back({label, colour, CreateSolidBrush(colour)});
    } else {
        if (it->colour == colour) return;
        DeleteObject(it->brush);
        *it = {label, colour, CreateSolidBrush(colour)};
    }
    InvalidateRect(label, nullptr, TRUE);
}

HBRUSH LabelBacks::paint(HWND label, HDC dc) const
{
    const auto it = std::find_if(m_backs.begin(), m_backs.end(), [label](const Back& b) { return b.label == label; });
    if (it == m_backs.end()) return nullptr;
    SetBkColor(dc, it->colour);  // a COLORREF is 0x00BBGGRR too
    return it->brush;
}
