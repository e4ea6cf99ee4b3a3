#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte, high byte 0.
using Colour = std::uint32_t;

constexpr Colour kPureBlack = 0x00000000;  // the outline colour of every picture
constexpr Colour kWhite = 0x00FFFFFF;

// What reading a pixel outside the drawing area gives: never pure black.
constexpr std::int32_t kOutsidePixel = -1;

constexpr Colour rgbColour(int red, int green, int blue)
{
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8)
        | (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
