#pragma once

#include "app/DisplayScale.h"

#include <windows.h>

// The scale a window is drawn at: its monitor's dpi where Windows reports
// it per window (Windows 10 1607 on), the system's otherwise.
DisplayScale windowScale(HWND window);
