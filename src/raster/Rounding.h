#pragma once

#include <cmath>
#include <cstdint>

// A position to a whole pixel: nearest integer, halves to the even one
// (2.5 -> 2, 3.5 -> 4), as a 16-bit value. Saturates instead of wrapping.
inline std::int16_t roundToPixel(float v)
{
    if (!(v == v)) return 0;  // NaN
    const float r = std::nearbyint(v);  // default rounding mode is to-nearest-even
    if (r >= 32767.0f) return 32767;
    if (r <= -32768.0f) return -32768;
    return static_cast<std::int16_t>(r);
}
