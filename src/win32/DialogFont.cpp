#include "win32/DialogFont.h"

#include <vector>

namespace {

// MS Sans Serif is a bitmap face, drawn only at a few sizes; its TrueType
// twin scales to any dpi.
HFONT makeFont(int dpi, bool underline)
{
    return CreateFontW(-MulDiv(11, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, dpi == 96 ? L"MS Sans Serif" : L"Microsoft Sans Serif");
}

struct Made {
    int dpi;
    bool underline;
    HFONT font;
};

HFONT fontAt(int dpi, bool underline)
{
    static std::vector<Made> made;
    for (const Made& m : made)
        if (m.dpi == dpi && m.underline == underline) return m.font;
    made.push_back({dpi, underline, makeFont(dpi, underline)});
    return made.back().font;
}

}  // namespace

HFONT dialogFont(int dpi)
{
    return fontAt(dpi, false);
}

HFONT linkFont(int dpi)
{
    return fontAt(dpi, true);
}

void useDialogFont(HWND control, HFONT font)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}
