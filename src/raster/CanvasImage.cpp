#include "raster/CanvasImage.h"

#include "raster/Rounding.h"

#include <algorithm>
#include <cstring>

CanvasImage::CanvasImage(Colour background)
    : m_pixels(static_cast<std::size_t>(kWidth) * kHeight, background & 0x00FFFFFF),
      m_background(background & 0x00FFFFFF)
{
}

std::int32_t CanvasImage::readPixel(float x, float y) const
{
    const int px = roundToPixel(x);
    const int py = roundToPixel(y);
    if (!contains(px, py)) return kOutsidePixel;
    return static_cast<std::int32_t>(pixel(px, py));
}

PixelRect CanvasImage::setPixel(float x, float y, Colour colour)
{
    return setPixelV(roundToPixel(x), roundToPixel(y), colour);
}

PixelRect CanvasImage::setPixelV(int x, int y, Colour colour)
{
    if (!contains(x, y)) return {};
    storePixel(x, y, colour & 0x00FFFFFF);
    return PixelRect::point(x, y);
}

PixelRect CanvasImage::bitBlt(int destX, int destY, int width, int height, int srcX, int srcY)
{
    // Clip the destination to the image, then the source to the image; the
    // destination keeps only rows and columns whose source lies inside.
    int x0 = std::max({destX, 0, destX + (0 - srcX)});
    int y0 = std::max({destY, 0, destY + (0 - srcY)});
    int x1 = std::min({destX + width, kWidth, destX + (kWidth - srcX)});
    int y1 = std::min({destY + height, kHeight, destY + (kHeight - srcY)});
    if (x0 >= x1 || y0 >= y1) return {};
    const int dx = srcX - destX;
    const int dy = srcY - destY;
    const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * sizeof(Colour);
    // memmove per row handles overlap within a row; the row order handles it across rows.
    if (dy < 0) {
        for (int y = y1 - 1; y >= y0; --y)
            std::memmove(&m_pixels[static_cast<std::size_t>(y) * kWidth + x0],
                         &m_pixels[static_cast<std::size_t>(y + dy) * kWidth + x0 + dx], rowBytes);
    } else {
        for (int y = y0; y < y1; ++y)
            std::memmove(&m_pixels[static_cast<std::size_t>(y) * kWidth + x0],
                         &m_pixels[static_cast<std::size_t>(y + dy) * kWidth + x0 + dx], rowBytes);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect CanvasImage::setBackgroundPicture(const Colour* pixels, int width, int height, std::size_t stride)
{
    std::fill(m_pixels.begin(), m_pixels.end(), m_background);
    const int w = std::clamp(width, 0, kWidth);
    const int h = std::clamp(height, 0, kHeight);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            storePixel(x, y, pixels[static_cast<std::size_t>(y) * stride + x] & 0x00FFFFFF);
    return whole();
}
