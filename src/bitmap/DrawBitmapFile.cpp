#include "bitmap/BitmapFile.h"
#include "bitmap/BitmapHeader.h"
#include "bitmap/Module1.h"
#include "bitmap/RowDecoders.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Module1 {

namespace {

// Only the bytes whose pixels can land on the canvas are read: the rest of
// the row would be clipped, and a header may announce gigabytes.
std::size_t rowBytesToRead(std::int64_t rowLength, const BitmapHeader& header)
{
    if (rowLength <= 0) return 0;
    const std::int64_t drawn = std::clamp<std::int64_t>(header.width, 0, CanvasImage::kWidth);
    std::int64_t needed = 0;
    if (comparesEqual(header.bitCount, std::uint16_t{1}))
        needed = (drawn + 7) / 8;
    else if (comparesEqual(header.bitCount, std::uint16_t{24}))
        needed = drawn * 3;
    return static_cast<std::size_t>(std::min(rowLength, needed));
}

// Drawing set bits black whatever the table says would invert the top line of
// the usual picture with index 0 black; the fixed colours serve only when the
// table is cut off.
std::optional<MonochromePalette> readFilePalette(BitmapFile& file, const BitmapHeader& header)
{
    const std::size_t entrySize = header.isCoreHeader() ? 3 : 4;
    std::array<std::uint8_t, 8> table{};
    const auto got = file.readAt(static_cast<std::int64_t>(kFileHeaderSize + header.headerSize()), table.data(),
                                 2 * entrySize);
    if (!got) return std::nullopt;
    return readMonochromePalette(table.data(), *got, entrySize);
}

}  // namespace

DrawOutcome DrawBitmapFile(const std::filesystem::path& fileName, CanvasImage& canvas)
{
    auto file = BitmapFile::open(fileName);
    if (!file) return DrawOutcome::ReadFailure;

    std::array<std::uint8_t, kHeaderBytes> headerBytes{};
    const auto headerLength = file->readAt(0, headerBytes.data(), headerBytes.size());
    if (!headerLength) return DrawOutcome::ReadFailure;
    const BitmapHeader header = readBitmapHeader(headerBytes.data(), *headerLength);
    if (!header.signatureMatches) return DrawOutcome::InvalidSignature;

    const BitMaskTable masks = makeBitMaskTable();
    if (!comparesEqual(header.compression, std::uint32_t{0})) return DrawOutcome::Drawn;

    const std::int64_t rowLength = bitmapRowLength(header.width, header.bitCount);
    // Bytes the file does not hold read as zero.
    std::vector<std::uint8_t> row(rowBytesToRead(rowLength, header), 0);
    if (const auto position = topRowPosition(header, rowLength)) {
        if (!file->readAt(*position, row.data(), row.size())) return DrawOutcome::ReadFailure;
    }

    if (comparesEqual(header.bitCount, std::uint16_t{1})) {
        const MonochromePalette palette = readFilePalette(*file, header).value_or(MonochromePalette{});
        drawMonochromeRow(row.data(), row.size(), header.width, masks, palette, canvas);
    } else if (comparesEqual(header.bitCount, std::uint16_t{24})) {
        drawTrueColourRow(row.data(), row.size(), header.width, canvas);
    }
    return DrawOutcome::Drawn;
}

}  // namespace Module1
