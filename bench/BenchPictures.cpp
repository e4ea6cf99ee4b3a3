#include "BenchPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace bench {

namespace {

constexpr int W = CanvasImage::kWidth;
constexpr int H = CanvasImage::kHeight;

struct Picture {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // top row first
};

std::uint32_t readLittle(const std::vector<unsigned char>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// Just enough of BMP for our own 1-bit pictures: 40-byte header, no compression.
std::optional<Picture> readMonochromeBmp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 62 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    if (readLittle(bytes, 14, 4) != 40 || readLittle(bytes, 28, 2) != 1 || readLittle(bytes, 30, 4) != 0)
        return std::nullopt;
    Picture picture;
    picture.name = path.filename().string();
    picture.width = static_cast<std::int32_t>(readLittle(bytes, 18, 4));
    const auto storedHeight = static_cast<std::int32_t>(readLittle(bytes, 22, 4));
    picture.height = std::abs(storedHeight);
    if (picture.width <= 0 || picture.width > W || picture.height == 0 || picture.height > H) return std::nullopt;
    Colour palette[2];
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t at = 54 + 4 * i;
        palette[i] = rgbColour(bytes[at + 2], bytes[at + 1], bytes[at]);
    }
    const std::size_t offset = readLittle(bytes, 10, 4);
    const std::size_t stride = (static_cast<std::size_t>(picture.width) + 31) / 32 * 4;
    if (offset + stride * static_cast<std::size_t>(picture.height) > bytes.size()) return std::nullopt;
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        const int stored = storedHeight > 0 ? picture.height - 1 - y : y;
        const unsigned char* row = bytes.data() + offset + stride * static_cast<std::size_t>(stored);
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = palette[(row[x / 8] >> (7 - x % 8)) & 1];
    }
    return picture;
}

std::optional<Picture> firstShippedPicture()
{
    const std::filesystem::path folder = std::filesystem::path(PINTARO_SOURCE_DIR) / "pics";
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".bmp") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files)
        if (auto picture = readMonochromeBmp(file)) return picture;
    return std::nullopt;
}

// Outlines in the spirit of a colouring page, for when no picture is there.
void drawSyntheticLineArt(CanvasImage& canvas)
{
    const auto black = [&](int x, int y) {
        if (CanvasImage::contains(x, y)) canvas.storePixel(x, y, kPureBlack);
    };
    for (int x = 0; x < W; ++x) black(x, H / 3 + (x / 7) % 9);
    for (int i = 0; i < 12; ++i) {
        const int cx = 40 + i * 55, cy = 120 + (i % 3) * 130, r = 20 + (i * 7) % 25;
        for (int a = 0; a < 720; ++a) {
            const double t = a * 3.14159265358979 / 360.0;
            black(cx + static_cast<int>(r * std::cos(t)), cy + static_cast<int>(r * std::sin(t)));
        }
    }
}

// The canvas as opening a picture leaves it: the picture drawn from the top,
// the image moved down one row, the top row drawn again into row 0.
void openOnto(CanvasImage& canvas, const Picture& picture)
{
    canvas.setBackgroundPicture(picture.pixels.data(), picture.width, picture.height,
                                static_cast<std::size_t>(picture.width));
    canvas.bitBlt(0, 0, W, H, 0, -1);
    for (int x = 0; x < std::min(picture.width, W); ++x) canvas.storePixel(x, 0, picture.pixels[static_cast<std::size_t>(x)]);
}

}  // namespace

std::string drawPicture(CanvasImage& canvas)
{
    if (const auto picture = firstShippedPicture()) {
        openOnto(canvas, *picture);
        return picture->name;
    }
    drawSyntheticLineArt(canvas);
    return "no picture found: synthetic line art";
}

Region largestWhiteRegion(const CanvasImage& canvas)
{
    CanvasImage labels = canvas;
    Colour nextLabel = 1;
    std::vector<Region> regions{{}};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (labels.pixel(x, y) == kWhite) {
                labels.setFillColour(nextLabel++);
                labels.floodFillSurface(x, y, kWhite);
                regions.push_back({x, y, 0});
            }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const Colour label = labels.pixel(x, y);
            if (label != kPureBlack && label < nextLabel) ++regions[label].pixels;
        }
    return *std::max_element(regions.begin(), regions.end(),
                             [](const Region& a, const Region& b) { return a.pixels < b.pixels; });
}

}  // namespace bench
