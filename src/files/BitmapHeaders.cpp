#include "files/BitmapHeaders.h"

void putLittleEndian(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

void putBitmapHeaders(std::vector<std::uint8_t>& file, std::uint32_t width, std::uint32_t height,
                      std::uint16_t bitCount, std::uint32_t offBits, std::uint32_t pelsPerMetre, std::uint32_t colours)
{
    const auto size = static_cast<std::uint32_t>(file.size());
    file[0] = 'B';
    file[1] = 'M';
    putLittleEndian(file, 2, size, 4);
    putLittleEndian(file, 10, offBits, 4);
    putLittleEndian(file, 14, 40, 4);
    putLittleEndian(file, 18, width, 4);
    putLittleEndian(file, 22, height, 4);
    putLittleEndian(file, 26, 1, 2);  // planes
    putLittleEndian(file, 28, bitCount, 2);
    putLittleEndian(file, 34, size - offBits, 4);  // compression 0 before it
    putLittleEndian(file, 38, pelsPerMetre, 4);
    putLittleEndian(file, 42, pelsPerMetre, 4);
    putLittleEndian(file, 46, colours, 4);
    putLittleEndian(file, 50, colours, 4);
}
