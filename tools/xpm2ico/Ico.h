#pragma once

#include "PixelArt.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A PNG file, kept whole as one image of an icon: Windows Vista and later
// read these, at any size.
struct PngImage {
    std::vector<std::uint8_t> bytes;
};

using IconImage = std::variant<PixelArt, PngImage>;

// A Windows icon file holding one image per entry, in the given order. An art
// becomes a 16-colour image: a 4-bit image with a palette of the art's own
// colours, and a 1-bit AND mask set where the art is transparent. Refused,
// with the reason in error, when an image is over 256 pixels on a side, an art
// needs more than 16 palette entries (transparent pixels take a black one) or
// a PNG file has no PNG header.
std::optional<std::vector<std::uint8_t>> encodeIco(const std::vector<IconImage>& images, std::string& error);
