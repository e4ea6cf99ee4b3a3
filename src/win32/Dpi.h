#pragma once

#include "app/DisplayScale.h"

#include <windows.h>

// The scale a window is drawn at: its monitor's dpi where Windows reports
// it per window (Windows 10 1607 on), the system's otherwise.
DisplayScale windowScale(HWND window);

// For WM_DPICHANGED: moves the window to the place Windows suggests for its
// new dpi, and gives the scale it now has.
DisplayScale takeSuggestedPlace(HWND window, WPARAM wParam, LPARAM lParam);
