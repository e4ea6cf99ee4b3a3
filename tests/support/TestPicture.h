#pragma once

#include "raster/CanvasImage.h"
#include "support/BmpBuilder.h"
#include "support/CanvasColours.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

// A picture file the tests write, and the pixels the canvas should get from it.
struct TestPicture {
    int width = CanvasImage::kWidth;
    int height = CanvasImage::kHeight;
    int bitCount = 24;
    int headerSize = 40;
    int planes = 1;
    Colour palette[2] = {kPureBlack, kWhite};  // colours of bit values 0 and 1
    std::size_t gap = 0;                       // bytes between the colour table and the rows
    // 24 bits: the colour of (x, y), y counted from the top; 1 bit: the bit.
    std::function<std::uint32_t(int x, int y)> value = [](int x, int y) {
        return rgbColour(x * 7 + y, y * 3 + x, x ^ y);
    };

    bmp::Bytes bytes() const
    {
        bmp::BmpBuilder file;
        if (headerSize == 12) {
            bmp::CoreHeader h;
            h.width = static_cast<std::int16_t>(width);
            h.height = static_cast<std::int16_t>(height);
            h.planes = static_cast<std::uint16_t>(planes);
            h.bitCount = static_cast<std::uint16_t>(bitCount);
            file.core(h);
        } else {
            bmp::InfoHeader h;
            h.width = width;
            h.height = height;
            h.planes = static_cast<std::uint16_t>(planes);
            h.bitCount = static_cast<std::uint16_t>(bitCount);
            file.info(h);
        }
        if (bitCount == 1) file.colourTable({palette[0], palette[1]});
        file.gap(gap);
        const std::size_t length = bmp::rowLength(width, bitCount);
        file.rows(static_cast<std::size_t>(height), [&](std::size_t stored) {
            const int y = height - 1 - static_cast<int>(stored);  // bottom-up
            std::vector<std::uint32_t> values;
            for (int x = 0; x < width; ++x) values.push_back(value(x, y));
            if (bitCount != 1) return bmp::trueColourRow(values, length);
            return bmp::monochromeRow(std::vector<int>(values.begin(), values.end()), length);
        });
        return file.build();
    }

    // Picture row y as it should reach the canvas: the file's colour table for 1 bit.
    Colour loaded(int x, int y) const { return bitCount == 1 ? palette[value(x, y) ? 1 : 0] : value(x, y); }
    // As the program's own decoder draws the top row, which follows the
    // file's colour table as the loader does.
    Colour topRow(int x) const { return loaded(x, 0); }

    // The canvas after opening: picture row y - 1 on canvas row y, and row 0
    // the picture's top row drawn again.
    std::vector<Colour> openedCanvas() const
    {
        std::vector<Colour> canvas;
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.push_back(y == 0 ? topRow(x) : loaded(x, y - 1));
        return canvas;
    }
    // Every row of the picture, top first.
    std::vector<Colour> decoded() const
    {
        std::vector<Colour> rows;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) rows.push_back(loaded(x, y));
        return rows;
    }
};

// The layouts the program opens: both depths, both headers, both heights,
// colour tables of any two colours, and gaps before the rows.
struct PictureLayout {
    const char* name;
    int bitCount;
    int headerSize;
    int height;
    Colour clear = kPureBlack;
    Colour set = kWhite;
    std::size_t gap = 0;

    TestPicture picture() const
    {
        TestPicture p;
        p.bitCount = bitCount;
        p.headerSize = headerSize;
        p.height = height;
        p.gap = gap;
        if (bitCount == 1) {
            p.palette[0] = clear;
            p.palette[1] = set;
            p.value = [](int x, int y) { return std::uint32_t((x / 3 + y) % 5 == 0 || x == 684); };
        }
        return p;
    }
};

inline void PrintTo(const PictureLayout& layout, std::ostream* out) { *out << layout.name; }

inline std::vector<PictureLayout> acceptedLayouts()
{
    return {
        {"Rgb557", 24, 40, 557},
        {"Rgb556Core", 24, 12, 556},
        {"Rgb556Gap3", 24, 40, 556, kPureBlack, kWhite, 3},
        {"Rgb557CoreGap1", 24, 12, 557, kPureBlack, kWhite, 1},
        {"Mono557", 1, 40, 557},
        {"Mono556Inverted", 1, 40, 556, kWhite, kPureBlack},
        {"Mono557CoreOddColours", 1, 12, 557, 0x00204060, 0x00C0A080},
        {"Mono556CoreGap4096", 1, 12, 556, 0x000A0B0C, kWhite, 4096},
    };
}

