#pragma once

#include "raster/CanvasImage.h"
#include "support/BmpBuilder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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
};
