#pragma once

// Builds BMP files byte by byte for tests and fuzzers. Every field can take
// any value, including ones no sound file has, and the file can be cut short.
// Pure C++: usable from the tests that link no Qt.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bmp {

using Bytes = std::vector<std::uint8_t>;

// Stores the low `count` bytes of `value` little-endian at `at`, growing `out`.
inline void putLittleEndian(Bytes& out, std::size_t at, std::uint64_t value, std::size_t count)
{
    if (out.size() < at + count) out.resize(at + count, 0);
    for (std::size_t i = 0; i < count; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct FileHeader {
    std::uint8_t type[2] = {'B', 'M'};
    std::optional<std::uint32_t> size;     // unset: the built file's length
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::optional<std::uint32_t> offBits;  // unset: where the pixel data starts
};

struct CoreHeader {
    std::uint32_t size = 12;
    std::int16_t width = 685;
    std::int16_t height = 557;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 1;

    Bytes bytes() const
    {
        Bytes b;
        putLittleEndian(b, 0, size, 4);
        putLittleEndian(b, 4, static_cast<std::uint16_t>(width), 2);
        putLittleEndian(b, 6, static_cast<std::uint16_t>(height), 2);
        putLittleEndian(b, 8, planes, 2);
        putLittleEndian(b, 10, bitCount, 2);
        return b;
    }
};

struct InfoHeader {
    std::uint32_t size = 40;  // the size field as written
    std::int32_t width = 685;
    std::int32_t height = 557;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 2835;
    std::int32_t yPelsPerMeter = 2835;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
    std::size_t extraBytes = 0;  // zeros after the 40 bytes, as in the longer headers

    Bytes bytes() const
    {
        Bytes b;
        putLittleEndian(b, 0, size, 4);
        putLittleEndian(b, 4, static_cast<std::uint32_t>(width), 4);
        putLittleEndian(b, 8, static_cast<std::uint32_t>(height), 4);
        putLittleEndian(b, 12, planes, 2);
        putLittleEndian(b, 14, bitCount, 2);
        putLittleEndian(b, 16, compression, 4);
        putLittleEndian(b, 20, sizeImage, 4);
        putLittleEndian(b, 24, static_cast<std::uint32_t>(xPelsPerMeter), 4);
        putLittleEndian(b, 28, static_cast<std::uint32_t>(yPelsPerMeter), 4);
        putLittleEndian(b, 32, clrUsed, 4);
        putLittleEndian(b, 36, clrImportant, 4);
        b.resize(40 + extraBytes, 0);
        return b;
    }
};

// The stored length of a row: whole 4-byte units.
inline std::size_t rowLength(std::int64_t width, int bitCount)
{
    return static_cast<std::size_t>((width * bitCount + 31) / 32 * 4);
}

// A 1-bit row: a non-zero value sets the pixel's bit, the leftmost pixel in
// the most significant bit. Padded with zeros to `length`.
inline Bytes monochromeRow(const std::vector<int>& bits, std::size_t length)
{
    Bytes row(std::max(length, (bits.size() + 7) / 8), 0);
    for (std::size_t x = 0; x < bits.size(); ++x)
        if (bits[x] != 0) row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80u >> (x % 8)));
    return row;
}

// A 24-bit row from 0x00BBGGRR colours, each stored blue, green, red. Padded
// with zeros to `length`.
inline Bytes trueColourRow(const std::vector<std::uint32_t>& colours, std::size_t length)
{
    Bytes row(std::max(length, colours.size() * 3), 0);
    for (std::size_t x = 0; x < colours.size(); ++x) {
        row[3 * x] = static_cast<std::uint8_t>(colours[x] >> 16);
        row[3 * x + 1] = static_cast<std::uint8_t>(colours[x] >> 8);
        row[3 * x + 2] = static_cast<std::uint8_t>(colours[x]);
    }
    return row;
}

// The file is laid out as file header, header, colour table, gap, then the
// rows in stored order (the first is the picture's bottom row).
class BmpBuilder {
public:
    BmpBuilder& fileHeader(const FileHeader& header)
    {
        m_file = header;
        return *this;
    }
    BmpBuilder& type(char first, char second)
    {
        m_file.type[0] = static_cast<std::uint8_t>(first);
        m_file.type[1] = static_cast<std::uint8_t>(second);
        return *this;
    }
    BmpBuilder& fileSize(std::uint32_t size)
    {
        m_file.size = size;
        return *this;
    }
    // Only the field: the pixel data stays where the layout puts it.
    BmpBuilder& offBits(std::uint32_t offset)
    {
        m_file.offBits = offset;
        return *this;
    }

    BmpBuilder& core(const CoreHeader& header)
    {
        m_header = header.bytes();
        m_entrySize = 3;
        return *this;
    }
    BmpBuilder& info(const InfoHeader& header)
    {
        m_header = header.bytes();
        m_entrySize = 4;
        return *this;
    }
    // Any bytes at offset 14, in place of a header.
    BmpBuilder& rawHeader(Bytes bytes, std::size_t colourEntrySize = 4)
    {
        m_header = std::move(bytes);
        m_entrySize = colourEntrySize;
        return *this;
    }

    // Entries as 0x00BBGGRR, written blue, green, red (and a zero byte when
    // the entries are 4 bytes, as after an info header).
    BmpBuilder& colourTable(const std::vector<std::uint32_t>& colours)
    {
        m_table = colours;
        return *this;
    }
    BmpBuilder& gap(std::size_t bytes)
    {
        m_gap = bytes;
        return *this;
    }

    BmpBuilder& row(Bytes bytes)
    {
        m_pixels.insert(m_pixels.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // `count` rows made in stored order; `make` gets the stored index.
    BmpBuilder& rows(std::size_t count, const std::function<Bytes(std::size_t storedIndex)>& make)
    {
        for (std::size_t i = 0; i < count; ++i) row(make(i));
        return *this;
    }
    BmpBuilder& pixelData(Bytes bytes)
    {
        m_pixels = std::move(bytes);
        return *this;
    }

    // The built file keeps only its first `length` bytes; the size fields
    // still describe the whole file.
    BmpBuilder& truncateTo(std::size_t length)
    {
        m_truncate = length;
        return *this;
    }

    std::size_t pixelOffset() const { return 14 + m_header.size() + m_table.size() * m_entrySize + m_gap; }

    Bytes build() const
    {
        Bytes out(pixelOffset(), 0);
        out.insert(out.end(), m_pixels.begin(), m_pixels.end());
        out[0] = m_file.type[0];
        out[1] = m_file.type[1];
        putLittleEndian(out, 2, m_file.size.value_or(static_cast<std::uint32_t>(out.size())), 4);
        putLittleEndian(out, 6, m_file.reserved1, 2);
        putLittleEndian(out, 8, m_file.reserved2, 2);
        putLittleEndian(out, 10, m_file.offBits.value_or(static_cast<std::uint32_t>(pixelOffset())), 4);
        std::copy(m_header.begin(), m_header.end(), out.begin() + 14);
        std::size_t at = 14 + m_header.size();
        for (const std::uint32_t colour : m_table) {
            out[at] = static_cast<std::uint8_t>(colour >> 16);
            if (m_entrySize > 1) out[at + 1] = static_cast<std::uint8_t>(colour >> 8);
            if (m_entrySize > 2) out[at + 2] = static_cast<std::uint8_t>(colour);
            at += m_entrySize;
        }
        if (m_truncate && *m_truncate < out.size()) out.resize(*m_truncate);
        return out;
    }

    bool writeTo(const std::string& path) const { return writeFile(path, build()); }

    static bool writeFile(const std::string& path, const Bytes& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out.flush());
    }

private:
    FileHeader m_file;
    Bytes m_header = InfoHeader{}.bytes();
    std::size_t m_entrySize = 4;
    std::vector<std::uint32_t> m_table;
    std::size_t m_gap = 0;
    Bytes m_pixels;
    std::optional<std::size_t> m_truncate;
};

}  // namespace bmp
