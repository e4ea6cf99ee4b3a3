// The top-row drawing from any file, and the row decoders on any bytes.

#include "FuzzSupport.h"

#include "bitmap/BitmapHeader.h"
#include "bitmap/Module1.h"
#include "bitmap/RowDecoders.h"
#include "raster/CanvasImage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Colour kMark = 0x00A5C3E1;  // what the canvas holds where nothing was drawn

// What canvas row 0 must hold after drawing: unset pixels keep the mark.
// The checks are left out of coverage: libFuzzer would trace every one of
// their comparisons, hundreds of thousands a run.
__attribute__((no_sanitize("coverage"))) std::vector<Colour> expectedTopRow(const fuzz::Bytes& bytes, const fuzz::Announced& a)
{
    std::vector<Colour> row(CanvasImage::kWidth, kMark);
    if (!a.bm || !a.uncompressed()) return row;
    const bool mono = a.bitCountIs(1);
    if (!mono && !a.bitCountIs(24)) return row;

    // Row length in whole 4-byte units, rounding as the file format does.
    __int128 length = mono ? ((a.width - 1 - ((a.width - 1) % 32 + 32) % 32) / 32 + 1) * 4 : __int128{a.width} * 3;
    if (length % 4 != 0) length += 4 - length % 4;
    const __int128 start = __int128{a.offBits} + length * (a.height - 1);
    // A row no file can hold reads as zeros throughout.
    const bool reachable = start >= 0 && start <= INT64_MAX;
    auto rowByte = [&](std::int64_t k) -> std::uint8_t { return reachable ? bytes.at(start + k) : 0; };

    Colour clear = kWhite;
    Colour set = kPureBlack;
    const std::size_t entry = a.headerSize == 12 ? 3 : 4;
    const std::size_t table = 14 + static_cast<std::size_t>(a.headerSize);
    if (bytes.size() >= table + entry + 3) {
        clear = rgbColour(bytes.at(table + 2), bytes.at(table + 1), bytes.at(table));
        set = rgbColour(bytes.at(table + entry + 2), bytes.at(table + entry + 1), bytes.at(table + entry));
    }

    const std::int64_t drawn = std::clamp<std::int64_t>(a.width, 0, CanvasImage::kWidth);
    for (std::int64_t x = 0; x < drawn; ++x) {
        if (mono) {
            const bool bit = (rowByte(x / 8) >> (7 - x % 8)) & 1;
            row[static_cast<std::size_t>(x)] = bit ? set : clear;
        } else {
            row[static_cast<std::size_t>(x)] = rgbColour(rowByte(3 * x + 2), rowByte(3 * x + 1), rowByte(3 * x));
        }
    }
    return row;
}

__attribute__((no_sanitize("coverage"))) bool lowerRowsKeepMark(const CanvasImage& canvas)
{
    static const std::vector<CanvasImage::StoredPixel> marks(std::size_t{CanvasImage::kWidth} * (CanvasImage::kHeight - 1),
                                                             CanvasImage::toStored(kMark));
    return std::memcmp(canvas.words() + CanvasImage::kWidth, marks.data(), marks.size() * sizeof(marks[0])) == 0;
}

__attribute__((no_sanitize("coverage"))) bool rowZeroIs(const CanvasImage& canvas, const std::vector<Colour>& row)
{
    for (int x = 0; x < CanvasImage::kWidth; ++x)
        if (canvas.pixel(x, 0) != row[static_cast<std::size_t>(x)]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    const Bytes bytes(data, size);
    const Announced a = announced(bytes);

    static CanvasImage canvas(kMark);
    for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.storePixel(x, 0, kMark);

    const std::string path = writeInput(data, size);
    const Module1::DrawOutcome outcome = Module1::DrawBitmapFile(path, canvas);
    require(outcome != Module1::DrawOutcome::ReadFailure, "a readable file failed to read");
    require((outcome == Module1::DrawOutcome::InvalidSignature) == !a.bm, "signature outcome");
    require(lowerRowsKeepMark(canvas), "drawing reached below row 0");
    const std::vector<Colour> expected = expectedTopRow(bytes, a);
    require(rowZeroIs(canvas, expected), "row 0 differs from the file's top row");

    // The decoders themselves, on the raw bytes with any width: they must
    // stay within the bytes given and within row 0.
    const std::int32_t width = static_cast<std::int32_t>(bytes.le(0, 4));
    const std::uint8_t* row = size > 4 ? data + 4 : nullptr;
    const std::size_t length = size > 4 ? size - 4 : 0;
    Module1::MonochromePalette palette;
    if (auto own = Module1::readMonochromePalette(row, std::min<std::size_t>(length, 8), 4)) palette = *own;
    Module1::drawMonochromeRow(row, length, width, Module1::makeBitMaskTable(), palette, canvas);
    Module1::drawTrueColourRow(row, length, width, canvas);
    require(lowerRowsKeepMark(canvas), "a decoder reached below row 0");
    return 0;
}
