#pragma once

#include "raster/PixelRect.h"

#include <windows.h>

// A rectangle outline in the window-text colour, drawn inside its place:
// a child window shaped to the ring alone, so whatever lies inside shows
// through and takes its own clicks, and the ring itself lets clicks pass.
class FrameShape {
public:
    static void registerClass(HINSTANCE instance);

    FrameShape() = default;
    FrameShape(const FrameShape&) = delete;
    FrameShape& operator=(const FrameShape&) = delete;

    // Above every sibling made so far; hidden until placed.
    void create(HWND parent, HINSTANCE instance);
    // In device pixels. An empty place hides the frame.
    void place(const PixelRect& place, int lineWidth);
    HWND handle() const { return m_window; }

private:
    HWND m_window = nullptr;
};
