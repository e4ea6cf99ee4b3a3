#include "Ico.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::size_t kPaletteSize = 16;
constexpr std::uint32_t kDirectoryBytes = 6;
constexpr std::uint32_t kEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Rows of both bitmaps are padded to whole 32-bit words.
std::uint32_t rowBytes(int width, int bitsPerPixel)
{
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

struct Image {
    int width = 0;
    int height = 0;
    std::uint8_t colours = 0;  // 0 for more than 256
    std::uint16_t bitsPerPixel = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> bytes;  // info header, palette, colour rows, mask rows; or the PNG file
};

// Transparent pixels must draw black in the colour image, so that the screen
// under the mask shows through unchanged.
bool buildPalette(const PixelArt& art, std::vector<std::uint32_t>& palette, std::string& error)
{
    for (const std::uint32_t p : art.pixels) {
        const std::uint32_t colour = p == kTransparent ? kBlack : p;
        if (std::find(palette.begin(), palette.end(), colour) == palette.end())
            palette.push_back(colour);
    }
    if (palette.size() > kPaletteSize) {
        error = "needs " + std::to_string(palette.size()) + " colours counting black for transparency; 16 fit";
        return false;
    }
    palette.resize(kPaletteSize, 0);
    return true;
}

std::optional<Image> encodeImage(const PixelArt& art, std::string& error)
{
    if (art.width < 1 || art.height < 1 || art.width > 256 || art.height > 256
        || art.pixels.size() != static_cast<std::size_t>(art.width * art.height)) {
        error = "an icon is 1 to 256 pixels on a side";
        return std::nullopt;
    }
    Image image{art.width, art.height, kPaletteSize, 4, {}, {}};
    if (!buildPalette(art, image.palette, error))
        return std::nullopt;

    const std::uint32_t colourRow = rowBytes(art.width, 4);
    const std::uint32_t maskRow = rowBytes(art.width, 1);
    const auto height = static_cast<std::uint32_t>(art.height);
    std::vector<std::uint8_t>& out = image.bytes;
    put32(out, kInfoHeaderBytes);
    put32(out, static_cast<std::uint32_t>(art.width));
    put32(out, height * 2);  // the colour image and the mask, stacked
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, (colourRow + maskRow) * height);
    put32(out, 0);
    put32(out, 0);
    put32(out, kPaletteSize);
    put32(out, 0);
    for (const std::uint32_t c : image.palette)
        put32(out, c & 0x00FFFFFFu);  // blue, green, red, reserved

    for (int y = art.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        out.resize(start + colourRow, 0);
        for (int x = 0; x < art.width; ++x) {
            const std::uint32_t p = art.at(x, y);
            const auto index = static_cast<std::uint8_t>(
                std::find(image.palette.begin(), image.palette.end(), p == kTransparent ? kBlack : p)
                - image.palette.begin());
            out[start + static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? index : index << 4);
        }
    }
    for (int y = art.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        out.resize(start + maskRow, 0);
        for (int x = 0; x < art.width; ++x)
            if (art.at(x, y) == kTransparent)
                out[start + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return image;
}

std::uint32_t bigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8
           | bytes[at + 3];
}

// The size comes from the header chunk, which a PNG file must begin with.
std::optional<Image> pngImage(const PngImage& png, std::string& error)
{
    static const std::uint8_t kStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    const std::vector<std::uint8_t>& bytes = png.bytes;
    if (bytes.size() < sizeof kStart + 8 || !std::equal(std::begin(kStart), std::end(kStart), bytes.begin())) {
        error = "not a PNG file";
        return std::nullopt;
    }
    const std::uint32_t width = bigEndian32(bytes, 16);
    const std::uint32_t height = bigEndian32(bytes, 20);
    if (width < 1 || height < 1 || width > 256 || height > 256) {
        error = "an icon is 1 to 256 pixels on a side";
        return std::nullopt;
    }
    return Image{static_cast<int>(width), static_cast<int>(height), 0, 32, {}, bytes};
}

}  // namespace

std::optional<std::vector<std::uint8_t>> encodeIco(const std::vector<IconImage>& sources, std::string& error)
{
    if (sources.empty() || sources.size() > 0xFFFF) {
        error = "an icon file holds 1 to 65535 images";
        return std::nullopt;
    }
    std::vector<Image> images;
    for (const IconImage& source : sources) {
        std::optional<Image> image = std::holds_alternative<PixelArt>(source)
                                         ? encodeImage(std::get<PixelArt>(source), error)
                                         : pngImage(std::get<PngImage>(source), error);
        if (!image)
            return std::nullopt;
        images.push_back(std::move(*image));
    }

    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectoryBytes + kEntryBytes * images.size());
    for (const Image& image : images) {
        const auto size = static_cast<std::uint32_t>(image.bytes.size());
        out.push_back(static_cast<std::uint8_t>(image.width));  // 256 is written as 0
        out.push_back(static_cast<std::uint8_t>(image.height));
        out.push_back(image.colours);
        out.push_back(0);
        put16(out, 1);
        put16(out, image.bitsPerPixel);
        put32(out, size);
        put32(out, offset);
        offset += size;
    }
    for (const Image& image : images)
        out.insert(out.end(), image.bytes.begin(), image.bytes.end());
    return out;
}
