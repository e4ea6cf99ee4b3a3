#include "canvas/PencilStamp.h"

#include <algorithm>

PixelRect stampSquare(CanvasImage& canvas, int x, int y, int reach, Colour colour)
{
    colour &= 0x00FFFFFF;
    // Clipping first leaves exactly the pixels a per-pixel read would not
    // have refused as outside.
    const int left = std::max(x - reach, 0);
    const int right = std::min(x + reach, CanvasImage::kWidth - 1);
    const int top = std::max(y - reach, 0);
    const int bottom = std::min(y + reach, CanvasImage::kHeight - 1);
    int minX = right + 1, maxX = left - 1, minY = bottom + 1, maxY = top - 1;
    for (int px = left; px <= right; ++px) {
        for (int py = top; py <= bottom; ++py) {
            const Colour before = canvas.pixel(px, py);
            if (before == kPureBlack || before == colour) continue;
            canvas.storePixel(px, py, colour);
            minX = std::min(minX, px);
            maxX = std::max(maxX, px);
            minY = std::min(minY, py);
            maxY = std::max(maxY, py);
        }
    }
    if (minX > maxX) return {};
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}
