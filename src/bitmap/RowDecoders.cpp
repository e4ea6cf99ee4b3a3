#include "bitmap/RowDecoders.h"

#include <algorithm>

namespace Module1 {

namespace {

// Pixels past the canvas edge would be clipped anyway; stopping there keeps
// x within int for any width a file announces.
std::int64_t drawnWidth(std::int32_t width)
{
    return std::min<std::int64_t>(width, CanvasImage::kWidth);
}

}  // namespace

BitMaskTable makeBitMaskTable()
{
    BitMaskTable masks{};
    for (int i = 7; i >= 0; --i) masks[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(1u << i);
    return masks;
}

std::optional<MonochromePalette> readMonochromePalette(const std::uint8_t* table, std::size_t size,
                                                       std::size_t entrySize)
{
    if (entrySize < 3 || size < entrySize + 3) return std::nullopt;
    auto entry = [&](std::size_t i) {
        const std::uint8_t* e = table + i * entrySize;
        return rgbColour(e[2], e[1], e[0]);
    };
    return MonochromePalette{entry(0), entry(1)};
}

void drawMonochromeRow(const std::uint8_t* row, std::size_t length, std::int32_t width,
                       const BitMaskTable& masks, const MonochromePalette& palette, CanvasImage& canvas)
{
    const std::int64_t limit = drawnWidth(width);
    for (std::size_t k = 0; k < length && 8 * static_cast<std::int64_t>(k) < limit; ++k) {
        const std::uint8_t v = row[k];
        const std::int64_t base = 8 * static_cast<std::int64_t>(k);
        for (int b = 7; b >= 0; --b) {
            const std::int64_t x = base + (7 - b);
            if (x >= limit) break;
            const bool set = (v & masks[static_cast<std::size_t>(b)]) != 0;
            canvas.setPixelV(static_cast<int>(x), 0, set ? palette.set : palette.clear);
        }
    }
}

void drawTrueColourRow(const std::uint8_t* row, std::size_t length, std::int32_t width, CanvasImage& canvas)
{
    const std::int64_t limit = drawnWidth(width);
    for (std::int64_t x = 0; x < limit && static_cast<std::size_t>(3 * x + 2) < length; ++x) {
        const std::uint8_t* pixel = row + 3 * x;
        canvas.setPixelV(static_cast<int>(x), 0, rgbColour(pixel[2], pixel[1], pixel[0]));
    }
}

}  // namespace Module1
