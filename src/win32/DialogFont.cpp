#include "win32/DialogFont.h"

#include <vector>

namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const wchar_t* face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// MS Sans Serif is a bitmap face, drawn only at a few sizes. Away from 96
// dpi its TrueType twin, Microsoft Sans Serif, takes over; where that is
// missing (Wine), MS Sans Serif's TrueType file, at the nearest size it holds.
HFONT makeFont(int dpi, bool underline)
{
    const bool twin = dpi != 96 && installed(L"Microsoft Sans Serif");
    const bool trueTypeSizes = dpi != 96 && !twin;
    return CreateFontW(-MulDiv(11, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                       DEFAULT_CHARSET, trueTypeSizes ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, twin ? L"Microsoft Sans Serif" : L"MS Sans Serif");
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
