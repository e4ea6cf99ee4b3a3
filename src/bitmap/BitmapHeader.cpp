#include "bitmap/BitmapHeader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace Module1 {

namespace {

std::uint16_t word(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t dword(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8)
        | (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// Floor division: the row formula rounds toward minus infinity, so a width
// of 0 gives no bytes rather than one unit.
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

std::size_t BitmapHeader::headerSize() const
{
    if (isCoreHeader()) return kCoreHeaderSize;
    if (isInfoHeader()) return kInfoHeaderSize;
    return 0;
}

bool isColourable(const BitmapHeader& header)
{
    if (!header.signatureMatches) return false;
    if (header.width != 685 || !comparesEqual(header.compression, std::uint32_t{0})) return false;
    if (header.height != 556 && header.height != 557) return false;
    return comparesEqual(header.bitCount, std::uint16_t{1}) || comparesEqual(header.bitCount, std::uint16_t{24});
}

BitmapHeader readBitmapHeader(const std::uint8_t* bytes, std::size_t size)
{
    // The records start out zeroed, so a short file reads as zeros past its end.
    std::array<std::uint8_t, kHeaderBytes> buffer{};
    if (bytes != nullptr) std::memcpy(buffer.data(), bytes, std::min(size, buffer.size()));
    const std::uint8_t* file = buffer.data();
    const std::uint8_t* header = file + kFileHeaderSize;

    BitmapHeader result;
    result.signatureMatches = file[0] == 0x42 && file[1] == 0x4D;
    result.offBits = dword(file + 10);
    result.sizeSelector = word(header);
    if (result.isCoreHeader()) {
        result.width = static_cast<std::int16_t>(word(header + 4));
        result.height = static_cast<std::int16_t>(word(header + 6));
        result.bitCount = word(header + 10);
        result.compression = 0;
    } else if (result.isInfoHeader()) {
        result.width = static_cast<std::int32_t>(dword(header + 4));
        result.height = static_cast<std::int32_t>(dword(header + 8));
        result.bitCount = word(header + 14);
        result.compression = dword(header + 16);
    }
    return result;
}

std::int64_t bitmapRowLength(std::int32_t width, const std::optional<std::uint16_t>& bitCount)
{
    std::int64_t length = comparesEqual(bitCount, std::uint16_t{1})
        ? (floorDiv(std::int64_t{width} - 1, 32) + 1) * 4
        : std::int64_t{width} * 3;
    // A negative width may round up to a small positive length; no pixel of
    // such a row is ever drawn.
    if (length % 4 != 0) length += 4 - length % 4;
    return length;
}

std::optional<std::int64_t> topRowPosition(const BitmapHeader& header, std::int64_t rowLength)
{
    std::int64_t offset = 0;
    std::int64_t position = 0;
    if (__builtin_mul_overflow(rowLength, std::int64_t{header.height} - 1, &offset)
        || __builtin_add_overflow(offset, std::int64_t{header.offBits}, &position) || position < 0)
        return std::nullopt;
    return position;
}

}  // namespace Module1
