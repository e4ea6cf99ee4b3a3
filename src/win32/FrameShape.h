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

    // At its place, in device pixels, below the siblings made before it.
    void create(HWND parent, HINSTANCE instance, const PixelRect& place, int lineWidth);
    // In device pixels. An empty place hides the frame.
    void place(const PixelRect& place, int lineWidth);
    HWND handle() const { return m_window; }
    // The same outline drawn by the parent, for places no control overlaps:
    // a window of its own would only slow the start.
    static void draw(HDC dc, const PixelRect& place, int lineWidth);

private:
    void shape(int width, int height, int lineWidth);

    HWND m_window = nullptr;
};
