#include "IndexedBmp.h"

#include <fstream>

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFFu));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFFu);
    put16(out, v >> 16);
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const IndexedImage& image)
{
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const auto bpp = static_cast<std::uint32_t>(image.bitsPerPixel);
    const std::uint32_t stride = (width * bpp + 31u) / 32u * 4u;
    const auto colours = static_cast<std::uint32_t>(image.palette.size());
    const std::uint32_t offset = 14u + 40u + colours * 4u;
    const std::uint32_t imageSize = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);

    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bpp);
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, 3780); // 96 dots per inch
    put32(out, 3780);
    put32(out, colours);
    put32(out, 0);

    for (const Rgb& c : image.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.pixels[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)];
            if (bpp == 8) {
                row[static_cast<std::size_t>(x)] = index;
            } else {
                // High nibble holds the left pixel.
                const int shift = (x % 2 == 0) ? 4 : 0;
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>((index & 0x0F) << shift);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool writeBmp(const IndexedImage& image, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = encodeBmp(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}
