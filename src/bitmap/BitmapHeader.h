#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace Module1 {

// File header, then the core or info header that the selector picks.
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
// The check never reads past the end of an info header.
constexpr std::size_t kHeaderBytes = kFileHeaderSize + kInfoHeaderSize;

// An unset value compares equal to 0 and unequal to every other number.
template <typename T>
constexpr bool comparesEqual(const std::optional<T>& value, T number)
{
    return value.value_or(T{0}) == number;
}

// What the bitmap routines know of a file after reading its headers.
struct BitmapHeader {
    bool signatureMatches = false;  // bfType is exactly "BM"
    std::uint32_t offBits = 0;      // bfOffBits
    std::uint16_t sizeSelector = 0; // low half of the header's size field
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::optional<std::uint16_t> bitCount;     // unset when the header is unrecognised
    std::optional<std::uint32_t> compression;  // likewise; 0 for a core header

    // 12 or 40 for a recognised header, 0 otherwise.
    std::size_t headerSize() const;
    bool isCoreHeader() const { return sizeSelector == kCoreHeaderSize; }
    bool isInfoHeader() const { return sizeSelector == kInfoHeaderSize; }
};

// The pictures the program colours: "BM", 685 pixels wide, 556 or 557 high,
// uncompressed, 1 or 24 bits per pixel.
bool isColourable(const BitmapHeader& header);

// Reads the headers from the first `size` bytes of a file. Bytes past `size`
// read as zero, as a short file leaves them; nothing past kHeaderBytes is
// looked at. `bytes` may be null when `size` is 0.
BitmapHeader readBitmapHeader(const std::uint8_t* bytes, std::size_t size);

// The length in bytes of one stored row, padded to whole 4-byte units:
// 1 bit a pixel for a bit count of 1, otherwise 3 bytes a pixel.
std::int64_t bitmapRowLength(std::int32_t width, const std::optional<std::uint16_t>& bitCount);

// Where the picture's top row starts: the last row stored, at bfOffBits +
// row length x (height - 1). nullopt when that lies before the file's start
// or beyond any 64-bit position, which reads as past the end.
std::optional<std::int64_t> topRowPosition(const BitmapHeader& header, std::int64_t rowLength);

}  // namespace Module1
