#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

// A palette image written as an uncompressed BMP with a 40-byte info header,
// rows bottom-up, at 4 or 8 bits per pixel.
struct IndexedImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels; // one palette index per pixel, top row first
};

std::vector<std::uint8_t> encodeBmp(const IndexedImage& image);

// False when the file could not be written completely.
bool writeBmp(const IndexedImage& image, const std::string& path);
