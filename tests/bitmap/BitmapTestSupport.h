#pragma once

#include "../support/BmpBuilder.h"
#include "../support/PermissionsBite.h"
#include "../support/TempDir.h"
#include "raster/CanvasImage.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace bitmaptest {

namespace fs = std::filesystem;
using ::TempDir;
using ::readAll;

// Catches a file left open by the code under test: whether this process
// still holds `file` open.
inline bool heldOpen(const fs::path& file)
{
#ifdef _WIN32
    // No one gets a file for sole use while another handle has it open.
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return false;
#else
    std::error_code error;
    const fs::path wanted = fs::canonical(file, error);
    for (const auto& entry : fs::directory_iterator("/proc/self/fd", error))
        if (fs::read_symlink(entry.path(), error) == wanted) return true;
    return false;
#endif
}

// A full-size picture whose every stored row differs from its neighbours, so
// a row read from the wrong place shows.
struct TestPicture {
    int bitCount = 24;
    int height = CanvasImage::kHeight;
    bool coreHeader = false;
    std::vector<std::uint32_t> colourTable;  // for 1 bit; empty writes none

    static std::uint32_t colourAt(std::size_t x, std::size_t storedRow)
    {
        return rgbColour(static_cast<int>(x * 7 + storedRow), static_cast<int>(storedRow * 3 + x / 3),
                         static_cast<int>(x ^ storedRow));
    }
    static bool bitAt(std::size_t x, std::size_t storedRow) { return (x * 5 + storedRow) % 3 == 0; }

    std::size_t rowLength() const { return bmp::rowLength(CanvasImage::kWidth, bitCount); }

    bmp::BmpBuilder builder() const
    {
        bmp::BmpBuilder b;
        if (coreHeader)
            b.core({12, CanvasImage::kWidth, static_cast<std::int16_t>(height), 1, static_cast<std::uint16_t>(bitCount)});
        else {
            bmp::InfoHeader info;
            info.height = height;
            info.bitCount = static_cast<std::uint16_t>(bitCount);
            b.info(info);
        }
        b.colourTable(colourTable);
        b.rows(static_cast<std::size_t>(height), [this](std::size_t s) {
            bmp::Bytes row;
            if (bitCount == 1) {
                std::vector<int> bits(CanvasImage::kWidth);
                for (std::size_t x = 0; x < bits.size(); ++x) bits[x] = bitAt(x, s);
                row = bmp::monochromeRow(bits, rowLength());
                // Padding bits set: they must not reach any pixel.
                row[85] = static_cast<std::uint8_t>(row[85] | 0x07);
                row[86] = row[87] = 0xFF;
            } else {
                std::vector<std::uint32_t> colours(CanvasImage::kWidth);
                for (std::size_t x = 0; x < colours.size(); ++x) colours[x] = colourAt(x, s);
                row = bmp::trueColourRow(colours, rowLength());
                row.back() = 0xEE;
            }
            return row;
        });
        return b;
    }
};

// A canvas in a colour that no test picture paints.
inline CanvasImage markedCanvas()
{
    CanvasImage canvas;
    canvas.clear(rgbColour(1, 2, 3));
    return canvas;
}

inline std::vector<Colour> canvasRow(const CanvasImage& canvas, int y)
{
    std::vector<Colour> row;
    for (int x = 0; x < CanvasImage::kWidth; ++x) row.push_back(canvas.pixel(x, y));
    return row;
}

// Rows 1 and below, which the drawing never touches.
inline bool lowerRowsEqual(const CanvasImage& a, const CanvasImage& b)
{
    return std::equal(a.words() + CanvasImage::kStride, a.words() + CanvasImage::kStride * CanvasImage::kHeight,
                      b.words() + CanvasImage::kStride);
}

}  // namespace bitmaptest
