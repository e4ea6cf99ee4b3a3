#include "win32/MessageLoop.h"

#include "win32/DialogKeys.h"
#include "win32/MainWindowControls.h"

#include <windows.h>

#include <iterator>

int runMessageLoop(HWND mainWindow)
{
    ACCEL shortcuts[] = {
        {FVIRTKEY | FCONTROL, 'Z', controls::kUndo},
        {FVIRTKEY | FCONTROL, 'Y', controls::kRedo},
        {FVIRTKEY | FCONTROL | FSHIFT, 'Z', controls::kRedo},
        {FVIRTKEY | FCONTROL, 'P', controls::kPrint},
    };
    const HACCEL keys = CreateAcceleratorTableW(shortcuts, static_cast<int>(std::size(shortcuts)));
    MSG message;
    int status = 1;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            status = static_cast<int>(message.wParam);
            break;
        }
        // Before Tab, Enter and Escape are taken as dialog keys; only for the
        // main window and its controls, not the About dialog.
        const bool forMain = message.hwnd == mainWindow || IsChild(mainWindow, message.hwnd);
        if (keys && forMain && TranslateAcceleratorW(mainWindow, keys, &message)) continue;
        if (handleDialogKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (keys) DestroyAcceleratorTable(keys);
    return status;
}
