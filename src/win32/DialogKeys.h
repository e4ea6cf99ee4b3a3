#pragma once

#include <windows.h>

// Tab, Enter and Escape as in a dialog box, for windows that are not dialog
// boxes: IsDialogMessage, asked for the top-level window a key is meant for.
void giveDialogKeys(HWND topLevel);
void takeDialogKeys(HWND topLevel);  // before the window goes
// True when the message was such a key and has been handled.
bool handleDialogKeys(MSG& message);
