#pragma once

#include "raster/CanvasImage.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

// A picture file the tests write, and the pixels the canvas should get from it.
struct TestPicture {
    int width = CanvasImage::kWidth;
    int height = CanvasImage::kHeight;
    int bitCount = 24;
    int headerSize = 40;
    int planes = 1;
    Colour palette[2] = {kPureBlack, kWhite};  // colours of bit values 0 and 1
    // 24 bits: the colour of (x, y), y counted from the top; 1 bit: the bit.
    std::function<std::uint32_t(int x, int y)> value = [](int x, int y) {
        return rgbColour(x * 7 + y, y * 3 + x, x ^ y);
    };

    int rowLength() const { return bitCount == 1 ? ((width - 1) / 32 + 1) * 4 : (width * 3 + 3) / 4 * 4; }
    int offBits() const { return 14 + headerSize + (bitCount == 1 ? 2 * (headerSize == 12 ? 3 : 4) : 0); }

    QByteArray bytes() const
    {
        QByteArray b(offBits() + rowLength() * height, '\0');
        auto put = [&b](int at, std::uint32_t v, int n) {
            for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        b[0] = 'B';
        b[1] = 'M';
        put(2, static_cast<std::uint32_t>(b.size()), 4);
        put(10, static_cast<std::uint32_t>(offBits()), 4);
        put(14, static_cast<std::uint32_t>(headerSize), 4);
        if (headerSize == 12) {
            put(18, static_cast<std::uint32_t>(width), 2);
            put(20, static_cast<std::uint32_t>(height), 2);
            put(22, static_cast<std::uint32_t>(planes), 2);
            put(24, static_cast<std::uint32_t>(bitCount), 2);
        } else {
            put(18, static_cast<std::uint32_t>(width), 4);
            put(22, static_cast<std::uint32_t>(height), 4);
            put(26, static_cast<std::uint32_t>(planes), 2);
            put(28, static_cast<std::uint32_t>(bitCount), 2);
        }
        if (bitCount == 1) {
            const int entry = headerSize == 12 ? 3 : 4;
            for (int i = 0; i < 2; ++i) {
                const int at = 14 + headerSize + i * entry;
                b[at] = static_cast<char>(blueOf(palette[i]));
                b[at + 1] = static_cast<char>(greenOf(palette[i]));
                b[at + 2] = static_cast<char>(redOf(palette[i]));
            }
        }
        for (int y = 0; y < height; ++y) {
            const int row = offBits() + (height - 1 - y) * rowLength();  // bottom-up
            for (int x = 0; x < width; ++x) {
                const std::uint32_t v = value(x, y);
                if (bitCount == 1) {
                    if (v) b[row + x / 8] = static_cast<char>(b[row + x / 8] | (0x80 >> (x % 8)));
                } else {
                    b[row + 3 * x] = static_cast<char>(blueOf(v));
                    b[row + 3 * x + 1] = static_cast<char>(greenOf(v));
                    b[row + 3 * x + 2] = static_cast<char>(redOf(v));
                }
            }
        }
        return b;
    }

    // As Qt's reader renders it: the file's colour table for 1 bit.
    Colour loaded(int x, int y) const { return bitCount == 1 ? palette[value(x, y) ? 1 : 0] : value(x, y); }
    // As the program's own decoder draws the top row, which follows the
    // file's colour table as the reader does.
    Colour topRow(int x) const { return loaded(x, 0); }
};
