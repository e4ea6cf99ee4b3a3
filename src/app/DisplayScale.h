#pragma once

#include "raster/PixelRect.h"

// A screen's dots per inch against the 96 the layout is drawn for. Layout
// units are pixels at 96 dpi; a front-end that draws in device pixels turns
// them into device pixels here, and device pixels back into canvas pixels,
// so the one rule for each lives in one place.
class DisplayScale {
public:
    static constexpr int kBaseDpi = 96;

    constexpr explicit DisplayScale(int dpi = kBaseDpi) : m_dpi(dpi > 0 ? dpi : kBaseDpi) {}
    constexpr int dpi() const { return m_dpi; }
    constexpr bool isIdentity() const { return m_dpi == kBaseDpi; }

    // A layout edge to the nearest device pixel, halves away from zero.
    // Controls are placed by their edges, so neighbours stay neighbours.
    constexpr int toDevice(int units) const
    {
        const int twice = 2 * units * m_dpi;
        return twice >= 0 ? (twice + kBaseDpi) / (2 * kBaseDpi) : -((-twice + kBaseDpi) / (2 * kBaseDpi));
    }
    constexpr PixelRect toDevice(const PixelRect& units) const
    {
        const int left = toDevice(units.left);
        const int top = toDevice(units.top);
        return {left, top, toDevice(units.left + units.width) - left, toDevice(units.top + units.height) - top};
    }
    // Whole layout units a device length holds (the screen's size).
    constexpr int toUnits(int device) const { return floorDiv(device * kBaseDpi, m_dpi); }

    // The enlarged canvas: device pixel d shows canvas pixel floor(d / scale).
    constexpr int canvasPixelAt(int device) const { return floorDiv(device * kBaseDpi, m_dpi); }
    // Every device pixel that shows part of these canvas pixels, rounded outward.
    constexpr PixelRect canvasToDevice(const PixelRect& canvas) const
    {
        const int left = floorDiv(canvas.left * m_dpi, kBaseDpi);
        const int top = floorDiv(canvas.top * m_dpi, kBaseDpi);
        return {left, top, ceilDiv((canvas.left + canvas.width) * m_dpi, kBaseDpi) - left,
                ceilDiv((canvas.top + canvas.height) * m_dpi, kBaseDpi) - top};
    }

    // Pixel art enlarges only by whole factors, so no pixel is blurred or
    // doubled unevenly: 2 from 150 % on, 3 from 250 %.
    constexpr int artFactor() const
    {
        const int factor = (2 * m_dpi + kBaseDpi) / (2 * kBaseDpi);
        return factor > 1 ? factor : 1;
    }

private:
    static constexpr int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
    static constexpr int ceilDiv(int a, int b) { return -floorDiv(-a, b); }

    int m_dpi;
};
