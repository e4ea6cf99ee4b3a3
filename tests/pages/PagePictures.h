#pragma once

#include "app/Platform.h"
#include "pages/PageConversion.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// Synthetic images for the page tests, as a decoder would hand them over.

constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

inline std::uint32_t opaqueGrey(int level)
{
    const auto v = static_cast<std::uint32_t>(std::clamp(level, 0, 255));
    return 0xFF000000u | v << 16 | v << 8 | v;
}

inline DecodedImage drawnImage(int width, int height, const std::function<std::uint32_t(int, int)>& pixel)
{
    DecodedImage image{ImageProblem::None, width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels[std::size_t(y) * width + x] = pixel(x, y);
    return image;
}

// An outline drawn as an anti-aliasing painter would: a ring `thickness`
// wide, its edge pixels grey by how much of them the ring covers.
inline DecodedImage antiAliasedRing(int width, int height, double radius, double thickness)
{
    return drawnImage(width, height, [=](int x, int y) {
        const double d = std::hypot(x + 0.5 - width / 2.0, y + 0.5 - height / 2.0);
        const double covered = std::clamp(thickness / 2 + 0.5 - std::abs(d - radius), 0.0, 1.0);
        return opaqueGrey(static_cast<int>(std::lround(255 * (1 - covered))));
    });
}

// Black edges a tenth of the image deep around white, so the ink's bounds
// are the image's.
inline DecodedImage framedImage(int width, int height)
{
    return drawnImage(width, height, [=](int x, int y) {
        const bool inside = x >= width / 10 && x < width - width / 10 && y >= height / 10 && y < height - height / 10;
        return inside ? kOpaqueWhite : kOpaqueBlack;
    });
}

// The paper reached from (x, y) through paper pixels side by side, as the
// fill tool spreads; -1 where the fill stops at the page's edge.
inline long paperReached(const InkMask& page, int x, int y)
{
    std::vector<std::uint8_t> seen(page.ink.size(), 0);
    std::vector<std::pair<int, int>> todo{{x, y}};
    long count = 0;
    while (!todo.empty()) {
        const auto [px, py] = todo.back();
        todo.pop_back();
        if (px < 0 || py < 0 || px >= page.size.width || py >= page.size.height) return -1;
        const std::size_t at = std::size_t(py) * page.size.width + px;
        if (seen[at] || page.ink[at]) continue;
        seen[at] = 1;
        ++count;
        todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
    return count;
}

inline long inkCount(const InkMask& page) { return static_cast<long>(std::count(page.ink.begin(), page.ink.end(), 1)); }

// A shipped picture, 1-bit and 685 by 556, as a decoder hands it over.
inline DecodedImage shippedPicture(const char* name)
{
    const std::vector<std::uint8_t> bmp = readAll(std::filesystem::path(PINTARO_SOURCE_DIR) / "pics" / name);
    return drawnImage(685, 556, [&](int x, int y) {
        const std::size_t at = bmp.at(10) + std::size_t(bmp.at(11)) * 256 + std::size_t(555 - y) * 88 + x / 8;
        return bmp.at(at) >> (7 - x % 8) & 1 ? kOpaqueWhite : kOpaqueBlack;
    });
}

// `page` as a phone photographs it: lit from 100 % down to 45 % across,
// with the sensor's noise, then JPEG's loss at quality 85 (each 8 by 8
// block's frequencies rounded to the standard luminance table, scaled).
inline DecodedImage photographed(const DecodedImage& page, unsigned seed)
{
    static const int table[64] = {16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57,
        69, 56, 14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92, 49,
        64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    const int w = page.width, across = page.width / 8;
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 16.0);
    std::vector<double> shot(page.pixels.size());
    for (std::size_t i = 0; i < shot.size(); ++i)
        shot[i] = (page.pixels[i] & 0xFF) * (1.0 - 0.55 * double(i % w) / (w - 1)) + noise(random) - 128;
    const auto cosine = [](int u, int x) { return (u ? 0.5 : std::sqrt(0.125)) * std::cos((2 * x + 1) * u * std::acos(-1.0) / 16); };
    static double basis[64][64];  // frequency by pixel of a block
    for (int i = 0; i < 64 * 64; ++i) basis[i / 64][i % 64] = cosine(i / 512, i % 64 / 8) * cosine(i / 64 % 8, i % 8);
    for (int block = 0; block < page.height / 8 * across; ++block) {
        double* at[64];
        double spectrum[64] = {};
        for (int k = 0; k < 64; ++k) at[k] = &shot[std::size_t(block / across * 8 + k / 8) * w + block % across * 8 + k % 8];
        for (int f = 0; f < 64; ++f) {
            for (int k = 0; k < 64; ++k) spectrum[f] += basis[f][k] * *at[k];
            spectrum[f] = std::round(spectrum[f] / ((table[f] * 30 + 50) / 100)) * ((table[f] * 30 + 50) / 100);
        }
        for (int k = 0; k < 64; ++k) {
            *at[k] = 0;
            for (int f = 0; f < 64; ++f) *at[k] += basis[f][k] * spectrum[f];
        }
    }
    return drawnImage(w, page.height, [&](int x, int y) { return opaqueGrey(int(std::lround(shot[std::size_t(y) * w + x] + 128))); });
}

// Ink groups, touching at a side or a corner, of fewer than `fewest` pixels.
inline long inkGroupsSmallerThan(InkMask page, long fewest)
{
    const int w = page.size.width, h = page.size.height;
    long small = 0;
    for (int start = 0; start < w * h; ++start) {
        long size = 0;
        for (std::vector<std::pair<int, int>> todo{{start % w, start / w}}; !todo.empty();) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            if (x < 0 || y < 0 || x >= w || y >= h || !page.ink[std::size_t(y) * w + x]) continue;
            page.ink[std::size_t(y) * w + x] = 0;
            ++size;
            for (int n = 0; n < 9; ++n) todo.emplace_back(x + n % 3 - 1, y + n / 3 - 1);
        }
        small += size > 0 && size < fewest ? 1 : 0;
    }
    return small;
}
