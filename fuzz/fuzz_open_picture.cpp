// The whole open of a chosen file onto the canvas: the file-system gate, the
// bitmap check, the program's own loader, the one-row shift and the top row,
// held against an independent reading of the bytes.

#include "FuzzSupport.h"

#include "bitmap/Module1.h"
#include "files/PictureLoader.h"
#include "raster/CanvasImage.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kWidth = CanvasImage::kWidth;
constexpr int kHeight = CanvasImage::kHeight;

// A canvas already painted on, so a failed open that touched it shows.
const CanvasImage& paintedCanvas()
{
    static const CanvasImage painted = [] {
        CanvasImage c(0x00D0E0F0);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if ((x * 7 + y * 13) % 29 == 0) c.setPixelV(x, y, rgbColour(x, y, x ^ y));
        return c;
    }();
    return painted;
}

// Left out of coverage, like every check here: libFuzzer would trace each of
// their comparisons, hundreds of thousands a run.
__attribute__((no_sanitize("coverage"))) std::vector<Colour> pixelsOf(const CanvasImage& canvas)
{
    std::vector<Colour> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) pixels[static_cast<std::size_t>(y) * kWidth + x] = canvas.pixel(x, y);
    return pixels;
}

// How many bytes a usable picture's rows end at.
std::int64_t rowsEnd(const fuzz::Announced& a, std::int64_t rowLength)
{
    return std::int64_t{a.offBits} + rowLength * a.height;
}

// The picture's rows, top first, read straight from a file that holds them
// all: rows stored bottom-up at bfOffBits, 1-bit pixels in the two colours of
// the table after the header, 24-bit ones blue, green, red.
__attribute__((no_sanitize("coverage"))) std::vector<Colour> expectedPicture(const std::uint8_t* file,
                                                                            const fuzz::Announced& a,
                                                                            std::int64_t rowLength)
{
    const bool mono = a.bitCountIs(1);
    const std::size_t entry = a.headerSize == 12 ? 3 : 4;
    const std::uint8_t* table = file + 14 + a.headerSize;
    const Colour clear = rgbColour(table[2], table[1], table[0]);
    const Colour set = rgbColour(table[entry + 2], table[entry + 1], table[entry]);
    std::vector<Colour> pixels(static_cast<std::size_t>(kWidth * a.height));
    Colour* out = pixels.data();
    for (std::int64_t y = 0; y < a.height; ++y) {
        const std::uint8_t* row = file + a.offBits + (a.height - 1 - y) * rowLength;
        for (int x = 0; x < kWidth; ++x, ++out) {
            if (mono)
                *out = (row[x / 8] >> (7 - x % 8)) & 1 ? set : clear;
            else
                *out = rgbColour(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        }
    }
    return pixels;
}

// Canvas row y holds picture row y - 1; row 0 the picture's top row again.
__attribute__((no_sanitize("coverage"))) bool openedAsExpected(const std::vector<Colour>& canvas,
                                                              const std::vector<Colour>& picture)
{
    const auto row = static_cast<std::ptrdiff_t>(kWidth);
    return std::equal(canvas.begin(), canvas.begin() + row, picture.begin())
        && std::equal(canvas.begin() + row, canvas.end(), picture.begin());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    const Bytes bytes(data, size);
    const Announced a = announced(bytes);
    const std::int64_t rowLength = a.bitCountIs(1) ? 88 : 2056;
    OpenProblem expected = OpenProblem::None;
    if (size == 0 || !a.usable())
        expected = OpenProblem::Refused;
    else if (static_cast<std::int64_t>(size) < rowsEnd(a, rowLength))
        expected = OpenProblem::Damaged;

    static CanvasImage canvas;
    canvas = paintedCanvas();
    const std::string path = writeInput(data, size);
    const OpenProblem problem = openPicture(path, canvas);

    require(fileKeptAsWritten(path, data, size), "opening changed the file, or kept an empty one");
    require(problem == expected, "the open's outcome differs from what the bytes announce");
    if (problem != OpenProblem::None) {
        require(pixelsOf(canvas) == pixelsOf(paintedCanvas()), "a failed open changed the canvas");
        return 0;
    }
    const std::vector<Colour> picture = expectedPicture(data, a, rowLength);
    const std::vector<Colour> opened = pixelsOf(canvas);
    require(openedAsExpected(opened, picture), "the canvas differs from the picture one row down");

    // Row 0 is what the top-row drawing paints from the same file.
    CanvasImage top(0x00010203);
    require(Module1::DrawBitmapFile(path, top) == Module1::DrawOutcome::Drawn, "top row");
    const std::vector<Colour> drawn = pixelsOf(top);
    require(std::equal(drawn.begin(), drawn.begin() + kWidth, opened.begin()), "canvas row 0");
    return 0;
}
