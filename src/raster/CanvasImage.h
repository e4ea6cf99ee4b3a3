#pragma once

#include "raster/Colour.h"
#include "raster/PixelRect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The one persistent canvas image: 685 by 557 pixels of 0x00BBGGRR, rows top
// to bottom, no padding. Every painting operation goes through the members
// below and returns the rectangle it changed (empty when nothing changed).
class CanvasImage {
public:
    static constexpr int kWidth = 685;
    static constexpr int kHeight = 557;

    explicit CanvasImage(Colour background = kWhite);

    static bool contains(int x, int y) { return x >= 0 && y >= 0 && x < kWidth && y < kHeight; }

    // Fractional positions map to the pixel the rounding of roundToPixel gives.
    // Outside the drawing area: kOutsidePixel, never pure black.
    std::int32_t readPixel(float x, float y) const;
    // Outside the drawing area nothing changes.
    PixelRect setPixel(float x, float y, Colour colour);

    // Unchecked access for code that has already clipped.
    Colour pixel(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * kWidth + x]; }
    void storePixel(int x, int y, Colour c) { m_pixels[static_cast<std::size_t>(y) * kWidth + x] = c; }

    Colour fillColour() const { return m_fillColour; }
    void setFillColour(Colour colour) { m_fillColour = colour & 0x00FFFFFF; }
    Colour background() const { return m_background; }

    // ExtFloodFill with FLOODFILLSURFACE: the 4-connected region of pixels
    // equal to `surface` that holds (x, y) takes the fill colour. A start
    // pixel of another colour, one outside the image, or a fill colour equal
    // to `surface` changes nothing. Iterative, with a bounded stack.
    PixelRect floodFillSurface(int x, int y, Colour surface);

    // SetPixelV.
    PixelRect setPixelV(int x, int y, Colour colour);

    // BitBlt SRCCOPY of the image onto itself, as if through a temporary copy.
    // Source pixels outside the image leave their destination pixels alone.
    PixelRect bitBlt(int destX, int destY, int width, int height, int srcX, int srcY);

    // The background picture: the image is cleared to the background colour
    // and the picture drawn from the top-left corner, clipped to the image.
    PixelRect setBackgroundPicture(const Colour* pixels, int width, int height, std::size_t stride);

    const Colour* data() const { return m_pixels.data(); }
    Colour* data() { return m_pixels.data(); }
    static constexpr std::size_t kStride = kWidth;  // in pixels
    static PixelRect whole() { return {0, 0, kWidth, kHeight}; }

private:
    std::vector<Colour> m_pixels;
    Colour m_fillColour = kPureBlack;
    Colour m_background;
};
