#pragma once

#include <cstdint>
#include <vector>

// An icon's pixels, rows top-down: 0xFFRRGGBB where opaque, 0 where transparent.
struct PixelArt {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

constexpr std::uint32_t kTransparent = 0;
