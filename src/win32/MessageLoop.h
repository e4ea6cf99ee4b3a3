#pragma once

#include <windows.h>

// Runs the program's messages until the main window has gone; the exit
// status it posted. While `mainWindow` is active its shortcut keys (Ctrl+Z,
// Ctrl+Y, Ctrl+Shift+Z) reach it as commands, whichever control has the focus.
int runMessageLoop(HWND mainWindow);
