#pragma once

#include "app/DisplayScale.h"
#include "raster/PixelRect.h"
#include "win32/DialogFont.h"

#include <windows.h>

#include <vector>

// Controls kept at their layout places, in units, and placed again in device
// pixels, with the font at that dpi, whenever the window's scale changes.
class ScaledControls {
public:
    using FontAt = HFONT (*)(int dpi);

    void add(HWND control, const PixelRect& units, FontAt font = dialogFont)
    {
        m_controls.push_back({control, units, font});
    }

    void place(const DisplayScale& scale) const
    {
        for (const Placed& c : m_controls) {
            const PixelRect device = scale.toDevice(c.units);
            SetWindowPos(c.control, nullptr, device.left, device.top, device.width, device.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(c.control, WM_SETFONT, reinterpret_cast<WPARAM>(c.font(scale.dpi())), TRUE);
        }
    }

private:
    struct Placed {
        HWND control;
        PixelRect units;
        FontAt font;
    };
    std::vector<Placed> m_controls;
};
