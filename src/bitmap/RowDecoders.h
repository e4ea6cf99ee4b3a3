#pragma once

#include "raster/CanvasImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace Module1 {

// Entry i holds 2 to the power i.
using BitMaskTable = std::array<std::uint16_t, 8>;
BitMaskTable makeBitMaskTable();

// The colours of bit values 0 and 1 in a 1-bit picture.
struct MonochromePalette {
    Colour clear = kWhite;
    Colour set = kPureBlack;
};

// The file's own two-entry colour table: blue, green, red in each entry,
// `entrySize` bytes apart (3 after a core header, 4 after an info header).
// nullopt when `size` does not hold both entries.
std::optional<MonochromePalette> readMonochromePalette(const std::uint8_t* table, std::size_t size,
                                                       std::size_t entrySize);

// Decode one stored row into `out`: pixel x at out[x], for x from 0 while
// x < width, x < the canvas width and the row's `length` bytes last. `out`
// holds CanvasImage::kWidth colours. Returns how many pixels were decoded.
// The most significant bit of a byte is its leftmost pixel.
std::size_t decodeMonochromeRow(const std::uint8_t* row, std::size_t length, std::int32_t width,
                                const BitMaskTable& masks, const MonochromePalette& palette, Colour* out);
// Three bytes a pixel, blue, green, red.
std::size_t decodeTrueColourRow(const std::uint8_t* row, std::size_t length, std::int32_t width, Colour* out);

// Paint canvas row 0 from one stored row, pixel by pixel, as decoded above.
void drawMonochromeRow(const std::uint8_t* row, std::size_t length, std::int32_t width,
                       const BitMaskTable& masks, const MonochromePalette& palette, CanvasImage& canvas);
void drawTrueColourRow(const std::uint8_t* row, std::size_t length, std::int32_t width, CanvasImage& canvas);

}  // namespace Module1
