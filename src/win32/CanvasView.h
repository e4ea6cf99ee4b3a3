#pragma once

#include "app/DisplayScale.h"
#include "raster/CanvasImage.h"
#include "raster/PixelRect.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class Form1;

// The canvas Picture1: a child window with the 2-pixel sunken edge around a
// 685 by 557 client area, which is a DIB section holding the canvas image's
// own pixels. On a scaled screen it shows the image enlarged, each device
// pixel the canvas pixel under it, so outlines stay pure black and a press
// acts on the pixel it hits. It repaints only what it is told changed, and
// turns mouse events into the canvas handlers' calls, in canvas pixels.
class CanvasView {
public:
    static void registerClass(HINSTANCE instance);

    CanvasView() = default;
    CanvasView(const CanvasView&) = delete;
    CanvasView& operator=(const CanvasView&) = delete;
    ~CanvasView();

    // Made at its layout place `outerUnits`, edge included, at this scale.
    void create(HWND parent, HINSTANCE instance, int id, const DisplayScale& scale, const PixelRect& outerUnits);
    // Moves the control to its layout place at this scale and shows the image at it.
    void setScale(const DisplayScale& scale, const PixelRect& outerUnits);
    // Moves the form's canvas image into the bitmap and sends the mouse to
    // its handlers. False when Windows could not make the bitmap.
    bool attach(Form1& form);
    HWND handle() const { return m_window; }

    // Schedules a repaint of this rectangle of canvas pixels.
    void showChanged(const PixelRect& rect);
    // Shows the whole canvas image on screen now.
    void refresh();

    // VB mouse values: button 1 left, 2 right, 4 middle; shift 1 Shift,
    // 2 Ctrl, 4 Alt.
    static std::int16_t buttonOf(UINT message);
    static std::int16_t heldButtons(WPARAM keys);
    static std::int16_t shiftOf(WPARAM keys, bool altDown);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint();
    void paintEnlarged(HDC dc, const RECT& area);
    void releaseEnlarged();
    // The control's place in device pixels, after taking the scale.
    RECT takeScale(const DisplayScale& scale, const PixelRect& outerUnits);
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    Form1* m_form = nullptr;
    HBITMAP m_bitmap = nullptr;
    HDC m_memory = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    const CanvasImage::StoredPixel* m_pixels = nullptr;

    DisplayScale m_scale;
    // The enlarged image, filled from the canvas image as it is painted;
    // none at 96 dpi, where the canvas image is shown as it is.
    HBITMAP m_enlarged = nullptr;
    HDC m_enlargedMemory = nullptr;
    HGDIOBJ m_enlargedOld = nullptr;
    CanvasImage::StoredPixel* m_enlargedPixels = nullptr;
    PixelRect m_device;                // the drawing area in device pixels
    std::vector<int> m_columnSource;   // canvas column of each device column
};
