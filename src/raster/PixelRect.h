#pragma once

#include <algorithm>

// A rectangle of canvas pixels; what a painting operation reports it changed.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    int right() const { return left + width; }    // one past the last column
    int bottom() const { return top + height; }   // one past the last row

    static PixelRect point(int x, int y) { return {x, y, 1, 1}; }

    PixelRect united(const PixelRect& other) const
    {
        if (other.isEmpty()) return *this;
        if (isEmpty()) return other;
        const int l = std::min(left, other.left);
        const int t = std::min(top, other.top);
        return {l, t, std::max(right(), other.right()) - l, std::max(bottom(), other.bottom()) - t};
    }

    bool operator==(const PixelRect& o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};
