#include "raster/CanvasImage.h"

#include <vector>

// Scanline fill with an explicit stack of seeds.
PixelRect CanvasImage::floodFillSurface(int x, int y, Colour surface)
{
    surface &= 0x00FFFFFF;
    if (!contains(x, y) || pixel(x, y) != surface || m_fillColour == surface) return {};
    const Colour fill = m_fillColour;
    int minX = x, maxX = x, minY = y, maxY = y;
    std::vector<std::pair<int, int>> seeds;
    seeds.emplace_back(x, y);
    while (!seeds.empty()) {
        auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (pixel(sx, sy) != surface) continue;
        int l = sx, r = sx;
        while (l > 0 && pixel(l - 1, sy) == surface) --l;
        while (r + 1 < kWidth && pixel(r + 1, sy) == surface) ++r;
        for (int i = l; i <= r; ++i) storePixel(i, sy, fill);
        minX = std::min(minX, l); maxX = std::max(maxX, r);
        minY = std::min(minY, sy); maxY = std::max(maxY, sy);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= kHeight) continue;
            bool inRun = false;
            for (int i = l; i <= r; ++i) {
                const bool match = pixel(i, ny) == surface;
                if (match && !inRun) seeds.emplace_back(i, ny);
                inRun = match;
            }
        }
    }
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}
