#include "files/PictureLoader.h"

#include "bitmap/BitmapFile.h"
#include "bitmap/BitmapHeader.h"
#include "bitmap/Module1.h"
#include "bitmap/RowDecoders.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

OpenProblem fileSystemProblem(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return OpenProblem::Folder;
    if (!fs::exists(status)) return OpenProblem::None;
    if (!fs::is_regular_file(status)) return OpenProblem::NotAFile;
    if (!Module1::BitmapFile::open(path)) return OpenProblem::Unreadable;
    return OpenProblem::None;
}

LoadedPicture loadPicture(const fs::path& path)
{
    using namespace Module1;
    auto file = BitmapFile::open(path);
    if (!file) return {OpenProblem::Unreadable, 0, {}};

    // The headers and, after the longer one, a two-entry table of 4-byte colours.
    std::array<std::uint8_t, kHeaderBytes + 8> head{};
    const auto headLength = file->readAt(0, head.data(), head.size());
    if (!headLength) return {OpenProblem::Unreadable, 0, {}};
    const BitmapHeader header = readBitmapHeader(head.data(), *headLength);
    // Checked again on the bytes in hand: the file may have changed since the check.
    if (!isColourable(header)) return {OpenProblem::Damaged, 0, {}};

    const auto rowLength = static_cast<std::size_t>(bitmapRowLength(header.width, header.bitCount));
    const auto height = static_cast<std::size_t>(header.height);
    // Every byte is read over before it is looked at, so none is cleared first.
    const std::size_t rowsSize = rowLength * height;
    const std::unique_ptr<std::uint8_t[]> rows(new std::uint8_t[rowsSize]);
    const auto got = file->readAt(header.offBits, rows.get(), rowsSize);
    if (!got) return {OpenProblem::Unreadable, 0, {}};
    if (*got < rowsSize) return {OpenProblem::Damaged, 0, {}};

    const std::size_t tableAt = kFileHeaderSize + header.headerSize();
    const std::size_t tableLength = *headLength > tableAt ? *headLength - tableAt : 0;
    const MonochromePalette palette =
        readMonochromePalette(head.data() + tableAt, tableLength, header.isCoreHeader() ? 3 : 4)
            .value_or(MonochromePalette{});
    const BitMaskTable masks = makeBitMaskTable();
    const bool monochrome = comparesEqual(header.bitCount, std::uint16_t{1});

    LoadedPicture picture{OpenProblem::None, header.height, std::vector<Colour>(CanvasImage::kWidth * height)};
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* stored = rows.get() + (height - 1 - y) * rowLength;  // bottom-up
        Colour* out = picture.pixels.data() + y * CanvasImage::kWidth;
        if (monochrome)
            decodeMonochromeRow(stored, rowLength, header.width, masks, palette, out);
        else
            decodeTrueColourRow(stored, rowLength, header.width, out);
    }
    return picture;
}

OpenProblem openPicture(const fs::path& path, CanvasImage& canvas)
{
    // The check opens and may delete what it is given, so folders and
    // devices never reach it.
    if (const OpenProblem problem = fileSystemProblem(path); problem != OpenProblem::None) return problem;
    if (Module1::CheckBitmapFile(path)) return OpenProblem::Refused;
    const LoadedPicture picture = loadPicture(path);
    if (picture.problem != OpenProblem::None) return picture.problem;

    canvas.setBackgroundPicture(picture.pixels.data(), CanvasImage::kWidth, picture.height, CanvasImage::kWidth);
    canvas.bitBlt(0, 0, CanvasImage::kWidth, CanvasImage::kHeight, 0, -1);
    // Row 0 takes the picture's top row again, decoded from the same bytes
    // as DrawBitmapFile decodes it.
    for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.setPixelV(x, 0, picture.pixels[static_cast<std::size_t>(x)]);
    return OpenProblem::None;
}
