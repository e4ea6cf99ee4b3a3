#include "raster/CanvasImage.h"

#include "raster/Rounding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

CanvasImage::CanvasImage(Colour background)
    : m_own(kPixelCount, toStored(background & 0x00FFFFFF)), m_pixels(m_own.data()),
      m_background(background & 0x00FFFFFF)
{
}

CanvasImage::CanvasImage(const CanvasImage& other)
    : m_own(other.m_pixels, other.m_pixels + kPixelCount), m_pixels(m_own.data()), m_fillColour(other.m_fillColour),
      m_background(other.m_background)
{
}

CanvasImage& CanvasImage::operator=(const CanvasImage& other)
{
    if (this != &other) {
        std::copy(other.m_pixels, other.m_pixels + kPixelCount, m_pixels);
        m_fillColour = other.m_fillColour;
        m_background = other.m_background;
    }
    return *this;
}

void CanvasImage::adoptStorage(StoredPixel* words)
{
    if (words == m_pixels) return;
    std::copy(m_pixels, m_pixels + kPixelCount, words);
    m_pixels = words;
    std::vector<StoredPixel>().swap(m_own);
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
    const std::size_t at = index(x, y);
    const StoredPixel word = toStored(colour & 0x00FFFFFF);
    if (m_recorder && m_pixels[at] != word) m_recorder->pixelChanging(at, m_pixels[at]);
    m_pixels[at] = word;
    return PixelRect::point(x, y);
}

void CanvasImage::putRun(int row, int left, int right, StoredPixel word)
{
    StoredPixel* const line = &m_pixels[index(0, row)];
    std::fill(line + left, line + right + 1, word);
}

PixelRect CanvasImage::clear(Colour colour)
{
    std::fill(m_pixels, m_pixels + kPixelCount, toStored(colour & 0x00FFFFFF));
    return whole();
}

PixelRect CanvasImage::bitBlt(int destX, int destY, int width, int height, int srcX, int srcY)
{
    // Clip the destination to the image, then the source to the image; the
    // destination keeps only rows and columns whose source lies inside. In 64
    // bits, so no extent a caller passes can overflow.
    using Wide = std::int64_t;
    const Wide dx = Wide{srcX} - destX;
    const Wide dy = Wide{srcY} - destY;
    const Wide wideX0 = std::max({Wide{destX}, Wide{0}, -dx});
    const Wide wideY0 = std::max({Wide{destY}, Wide{0}, -dy});
    const Wide wideX1 = std::min({Wide{destX} + width, Wide{kWidth}, kWidth - dx});
    const Wide wideY1 = std::min({Wide{destY} + height, Wide{kHeight}, kHeight - dy});
    if (wideX0 >= wideX1 || wideY0 >= wideY1) return {};
    // A non-empty clip lies in the image and leaves the offsets within its size.
    const int x0 = static_cast<int>(wideX0), y0 = static_cast<int>(wideY0);
    const int x1 = static_cast<int>(wideX1), y1 = static_cast<int>(wideY1);
    const int offsetX = static_cast<int>(dx);
    const int offsetY = static_cast<int>(dy);
    const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * sizeof(StoredPixel);
    // memmove per row handles overlap within a row; the row order handles it across rows.
    if (offsetY < 0) {
        for (int y = y1 - 1; y >= y0; --y)
            std::memmove(&m_pixels[static_cast<std::size_t>(y) * kWidth + x0],
                         &m_pixels[static_cast<std::size_t>(y + offsetY) * kWidth + (x0 + offsetX)], rowBytes);
    } else {
        for (int y = y0; y < y1; ++y)
            std::memmove(&m_pixels[static_cast<std::size_t>(y) * kWidth + x0],
                         &m_pixels[static_cast<std::size_t>(y + offsetY) * kWidth + (x0 + offsetX)], rowBytes);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect CanvasImage::setBackgroundPicture(const Colour* pixels, int width, int height, std::size_t stride)
{
    if (!pixels) return clear(m_background);
    // Row by row in one pass: the picture where it reaches, the background beyond.
    const int w = std::clamp(width, 0, kWidth);
    const int h = std::clamp(height, 0, kHeight);
    const StoredPixel back = toStored(m_background);
    for (int y = 0; y < kHeight; ++y) {
        StoredPixel* row = &m_pixels[index(0, y)];
        int x = 0;
        if (y < h) {
            const Colour* source = pixels + static_cast<std::size_t>(y) * stride;
            for (; x < w; ++x) row[x] = toStored(source[x] & 0x00FFFFFF);
        }
        std::fill(row + x, row + kWidth, back);
    }
    return whole();
}
