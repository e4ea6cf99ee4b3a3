#include "bitmap/RowDecoders.h"

#include <algorithm>

namespace Module1 {

namespace {

// Pixels past the canvas edge would be clipped anyway; stopping there keeps
// x within int for any width a file announces.
std::size_t drawnWidth(std::int32_t width)
{
    return static_cast<std::size_t>(std::clamp<std::int32_t>(width, 0, CanvasImage::kWidth));
}

void drawDecoded(const Colour* decoded, std::size_t count, CanvasImage& canvas)
{
    for (std::size_t x = 0; x < count; ++x) canvas.setPixelV(static_cast<int>(x), 0, decoded[x]);
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

std::size_t decodeMonochromeRow(const std::uint8_t* row, std::size_t length, std::int32_t width,
                                const BitMaskTable& masks, const MonochromePalette& palette, Colour* out)
{
    std::size_t count = drawnWidth(width);
    if (length < (count + 7) / 8) count = length * 8;
    for (std::size_t x = 0; x < count; ++x) {
        const bool set = (row[x / 8] & masks[7 - x % 8]) != 0;
        out[x] = set ? palette.set : palette.clear;
    }
    return count;
}

std::size_t decodeTrueColourRow(const std::uint8_t* row, std::size_t length, std::int32_t width, Colour* out)
{
    const std::size_t count = std::min(drawnWidth(width), length / 3);
    for (std::size_t x = 0; x < count; ++x) {
        const std::uint8_t* pixel = row + 3 * x;
        out[x] = rgbColour(pixel[2], pixel[1], pixel[0]);
    }
    return count;
}

void drawMonochromeRow(const std::uint8_t* row, std::size_t length, std::int32_t width,
                       const BitMaskTable& masks, const MonochromePalette& palette, CanvasImage& canvas)
{
    std::array<Colour, CanvasImage::kWidth> decoded;
    drawDecoded(decoded.data(), decodeMonochromeRow(row, length, width, masks, palette, decoded.data()), canvas);
}

void drawTrueColourRow(const std::uint8_t* row, std::size_t length, std::int32_t width, CanvasImage& canvas)
{
    std::array<Colour, CanvasImage::kWidth> decoded;
    drawDecoded(decoded.data(), decodeTrueColourRow(row, length, width, decoded.data()), canvas);
}

}  // namespace Module1
