#pragma once

#include "raster/Rounding.h"

#include <cstdint>

// The stamp centres of one drag from the last point to a new one: one step
// per pixel along the longer axis, the last point itself not included.
// Arithmetic in single precision and rounding halves to even, so a stroke
// lands on the same pixels the program always put it on.
class DragLine {
public:
    DragLine(std::int16_t fromX, std::int16_t fromY, float toX, float toY);

    // Steps 1 up to and including this many; fractional when the new point is.
    float steps() const { return m_steps; }

    // Computed wide: a step far off the canvas must not wrap back onto it.
    int xAt(int step) const { return m_fromX + roundToPixel(static_cast<float>(step) * m_stepX); }
    int yAt(int step) const { return m_fromY + roundToPixel(static_cast<float>(step) * m_stepY); }

    // The steps whose stamp, reaching `reach` pixels around its centre, can
    // touch a width-by-height area at the origin. A wild end point far away
    // then costs no more than a stroke across the canvas. May include a few
    // steps just outside; `first > last` when there are none.
    struct Range {
        int first;
        int last;
    };
    Range stepsTouching(int reach, int width, int height) const;

private:
    int m_fromX;
    int m_fromY;
    float m_stepX;
    float m_stepY;
    float m_steps;
};
