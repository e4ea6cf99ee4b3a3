#pragma once

#include "raster/CanvasImage.h"
#include "support/BmpBuilder.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace soak {

// splitmix64: the same run on every machine and library, unlike the
// standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 to n - 1.
    int below(int n) { return static_cast<int>((next() >> 33) % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool oneIn(int n) { return below(n) == 0; }
    Colour colour() { return static_cast<Colour>(next() & 0x00FFFFFF); }

private:
    std::uint64_t m_state;
};

// A picture as its pixels, top row first, 685 wide.
struct Picture {
    int height = 0;
    std::vector<Colour> pixels;

    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * CanvasImage::kWidth + x]; }
    void set(int x, int y, Colour c)
    {
        if (x >= 0 && y >= 0 && x < CanvasImage::kWidth && y < height)
            pixels[static_cast<std::size_t>(y) * CanvasImage::kWidth + x] = c;
    }

    // The canvas once this picture is opened: moved down a row, with the top
    // row drawn again in row 0.
    std::vector<Colour> asOpened() const
    {
        std::vector<Colour> canvas(std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight);
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x)
                canvas[static_cast<std::size_t>(y) * CanvasImage::kWidth + x] = at(x, y == 0 ? 0 : y - 1);
        return canvas;
    }
};

inline void line(Picture& p, int x0, int y0, int x1, int y1, Colour c)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        p.set(x0, y0, c);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

// Line art: black outlines of boxes, rings and strokes on white; with
// `coloured`, also areas of colour, some of them nearly black.
inline Picture lineArt(Random& random, int height, bool coloured)
{
    Picture p{height, std::vector<Colour>(std::size_t{CanvasImage::kWidth} * height, kWhite)};
    if (coloured) {
        const Colour nearBlack[] = {0x00101010, 0x00000001, 0x00010000, 0x00000100};
        for (int i = 0; i < 25; ++i) {
            const int left = random.below(CanvasImage::kWidth), top = random.below(height);
            const int w = random.between(5, 200), h = random.between(5, 150);
            const Colour c = random.oneIn(3) ? nearBlack[random.below(4)] : (random.colour() | 0x00000100);
            for (int y = top; y < top + h; ++y)
                for (int x = left; x < left + w; ++x) p.set(x, y, c);
        }
    }
    for (int i = 0; i < 15; ++i) {
        const int l = random.below(CanvasImage::kWidth), t = random.below(height);
        const int r = l + random.between(3, 250), b = t + random.between(3, 200);
        line(p, l, t, r, t, kPureBlack);
        line(p, r, t, r, b, kPureBlack);
        line(p, r, b, l, b, kPureBlack);
        line(p, l, b, l, t, kPureBlack);
    }
    for (int i = 0; i < 8; ++i) {
        const int cx = random.below(CanvasImage::kWidth), cy = random.below(height), radius = random.between(4, 120);
        for (int a = 0; a < 720; ++a) {
            const double t = a * 3.14159265358979 / 360.0;
            p.set(cx + static_cast<int>(std::lround(radius * std::cos(t))),
                  cy + static_cast<int>(std::lround(radius * std::sin(t))), kPureBlack);
        }
    }
    for (int i = 0; i < 20; ++i)
        line(p, random.between(-20, 700), random.between(-20, height + 20), random.between(-20, 700),
             random.between(-20, height + 20), kPureBlack);
    // The top row decides row 0 twice over; give it outline pixels of its own.
    for (int x = random.below(9); x < CanvasImage::kWidth; x += random.between(1, 17)) p.set(x, 0, kPureBlack);
    return p;
}

// 1 bit a pixel, black through the colour table's entry `blackIndex`.
inline bmp::Bytes monochromeFile(const Picture& p, int blackIndex)
{
    bmp::InfoHeader h;
    h.height = p.height;
    h.bitCount = 1;
    const std::size_t length = bmp::rowLength(CanvasImage::kWidth, 1);
    bmp::BmpBuilder file;
    file.info(h).colourTable(blackIndex == 0 ? std::vector<std::uint32_t>{kPureBlack, kWhite}
                                             : std::vector<std::uint32_t>{kWhite, kPureBlack});
    file.rows(static_cast<std::size_t>(p.height), [&](std::size_t stored) {
        const int y = p.height - 1 - static_cast<int>(stored);
        std::vector<int> bits;
        for (int x = 0; x < CanvasImage::kWidth; ++x) bits.push_back((p.at(x, y) == kPureBlack) == (blackIndex == 1));
        return bmp::monochromeRow(bits, length);
    });
    return file.build();
}

inline bmp::Bytes trueColourFile(const Picture& p, int width = CanvasImage::kWidth)
{
    bmp::InfoHeader h;
    h.width = width;
    h.height = p.height;
    const std::size_t length = bmp::rowLength(width, 24);
    bmp::BmpBuilder file;
    file.info(h).rows(static_cast<std::size_t>(p.height), [&](std::size_t stored) {
        const int y = p.height - 1 - static_cast<int>(stored);
        std::vector<std::uint32_t> colours;
        for (int x = 0; x < width; ++x) colours.push_back(p.at(x % CanvasImage::kWidth, y));
        return bmp::trueColourRow(colours, length);
    });
    return file.build();
}

}  // namespace soak
