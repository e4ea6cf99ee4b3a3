#include "BmpWriter.h"

#include <fstream>

namespace {

constexpr std::uint32_t kRowBytes = ((Page::kWidth - 1) / 32 + 1) * 4;
constexpr std::uint32_t kPixelOffset = 14 + 40 + 2 * 4;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Page& page) {
    const std::uint32_t imageBytes = kRowBytes * Page::kHeight;
    std::vector<std::uint8_t> out;
    out.reserve(kPixelOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, kPixelOffset + imageBytes);
    put32(out, 0);
    put32(out, kPixelOffset);

    put32(out, 40);
    put32(out, Page::kWidth);
    put32(out, Page::kHeight);
    put16(out, 1);
    put16(out, 1);
    put32(out, 0);
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, 2);
    put32(out, 2);

    put32(out, 0x00000000);
    put32(out, 0x00FFFFFF);

    for (int y = Page::kHeight - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        out.resize(rowStart + kRowBytes, 0);
        for (int x = 0; x < Page::kWidth; ++x)
            if (!page.isInk(x, y))
                out[rowStart + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return out;
}

bool writeBmp(const Page& page, const std::string& path) {
    const std::vector<std::uint8_t> bytes = encodeBmp(page);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}
