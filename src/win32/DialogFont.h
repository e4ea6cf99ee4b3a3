#pragma once

#include <windows.h>

// The captions' face, MS Sans Serif 8.25 point: 11 pixels high at the 96
// dots per inch the layout is drawn for, more at more. Named explicitly,
// since the stock GUI font is another, wider face under Wine. Made once for
// each dpi, kept for the run.
HFONT dialogFont(int dpi = 96);
// The same face underlined, for the About dialog's links.
HFONT linkFont(int dpi = 96);

// Gives the control the dialog font.
void useDialogFont(HWND control, HFONT font = dialogFont());
