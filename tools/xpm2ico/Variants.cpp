#include "Variants.h"

PixelArt greyed(const PixelArt& art)
{
    PixelArt out = art;
    for (std::uint32_t& p : out.pixels) {
        if (p == kTransparent) continue;
        const std::uint32_t red = p >> 16 & 0xFF, green = p >> 8 & 0xFF, blue = p & 0xFF;
        const std::uint32_t brightness = (red * 299 + green * 587 + blue * 114) / 1000;
        // Black becomes mid grey and white stays white: visible on any button face.
        const std::uint32_t grey = 0x80 + brightness / 2;
        p = 0xFF000000u | grey << 16 | grey << 8 | grey;
    }
    return out;
}

PixelArt enlarged(const PixelArt& art, int factor)
{
    PixelArt out{art.width * factor, art.height * factor, {}};
    out.pixels.reserve(static_cast<std::size_t>(out.width * out.height));
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.pixels.push_back(art.at(x / factor, y / factor));
    return out;
}
