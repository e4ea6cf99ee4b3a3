#include "win32/DialogFont.h"

namespace {

HFONT makeFont(bool underline)
{
    return CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                       L"MS Sans Serif");
}

}  // namespace

HFONT dialogFont()
{
    static const HFONT font = makeFont(false);
    return font;
}

HFONT linkFont()
{
    static const HFONT font = makeFont(true);
    return font;
}

void useDialogFont(HWND control, HFONT font)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}
