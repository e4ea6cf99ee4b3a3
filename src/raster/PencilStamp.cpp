#include "raster/CanvasImage.h"

#include <algorithm>

PixelRect CanvasImage::stampSquare(int x, int y, int reach, Colour colour)
{
    const StoredPixel paint = toStored(colour & 0x00FFFFFF);
    const StoredPixel outline = toStored(kPureBlack);
    // Clipping first leaves exactly the pixels a per-pixel read would not
    // have refused as outside.
    const int left = std::max(x - reach, 0);
    const int right = std::min(x + reach, kWidth - 1);
    const int top = std::max(y - reach, 0);
    const int bottom = std::min(y + reach, kHeight - 1);
    // Wholly off the canvas: the sentinels below would not stay crossed.
    if (left > right || top > bottom) return {};
    int minX = right + 1, maxX = left - 1, minY = bottom + 1, maxY = top - 1;
    for (int px = left; px <= right; ++px) {
        for (int py = top; py <= bottom; ++py) {
            StoredPixel& word = m_pixels[index(px, py)];
            if (word == outline || word == paint) continue;
            if (m_recorder) m_recorder->pixelChanging(index(px, py), word);
            word = paint;
            minX = std::min(minX, px);
            maxX = std::max(maxX, px);
            minY = std::min(minY, py);
            maxY = std::max(maxY, py);
        }
    }
    if (minX > maxX) return {};
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}
