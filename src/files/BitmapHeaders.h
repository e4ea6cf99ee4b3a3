#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Writes the 14-byte file header and a 40-byte info header of an
// uncompressed bottom-up bitmap at the start of `file`, which is already the
// whole file's size; its pixels start at `offBits`. `colours` is the size of
// the colour table, 0 for none.
void putBitmapHeaders(std::vector<std::uint8_t>& file, std::uint32_t width, std::uint32_t height,
                      std::uint16_t bitCount, std::uint32_t offBits, std::uint32_t pelsPerMetre, std::uint32_t colours);

// `value` as `bytes` little-endian bytes at `at`.
void putLittleEndian(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes);
