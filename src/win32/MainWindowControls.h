#pragma once

#include <windows.h>

// The main window's control identifiers; below them IDOK and IDCANCEL,
// which the dialog keys send.
namespace controls {

enum Id {
    kPicture1 = 100,
    kCommand1 = 101,
    kCommand2 = 102,
    kCommand4 = 104,
    kCommand5 = 105,
    kCommand6 = 106,
    kCommand3First = 110,
    kLabel1First = 120,
    kLabel3First = 130,
    kUndo = 140,  // the main window's shortcut keys
    kRedo = 141,
    kPrint = 142,
};

// A drawn control pressed through a screen reader: wParam is its id.
constexpr UINT kDrawnPressed = WM_APP + 1;

}  // namespace controls
