#include "win32/MessageLoop.h"

#include "win32/DialogKeys.h"

#include <windows.h>

int runMessageLoop()
{
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return 1;
        // The main window's shortcut keys (TranslateAcceleratorW) go here,
        // first, before Tab, Enter and Escape are taken as dialog keys.
        if (handleDialogKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
