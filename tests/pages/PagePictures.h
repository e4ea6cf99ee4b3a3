#pragma once

#include "app/Platform.h"
#include "pages/PageConversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
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
