#include "pages/PageConversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

// The source pixels one output pixel along an axis is made of, and their shares.
struct Taps {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Taps> axisTaps(int from, int to)
{
    std::vector<Taps> taps(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        Taps& t = taps[static_cast<std::size_t>(i)];
        if (from <= to) {
            // Growing: each output pixel is the source pixel under its centre.
            t.first = static_cast<int>(std::min<std::int64_t>(from - 1, (2 * std::int64_t{i} + 1) * from / (2 * std::int64_t{to})));
            t.weights = {1.0f};
            continue;
        }
        const double ratio = static_cast<double>(from) / to;
        const double start = i * ratio;
        const double end = std::min<double>(from, (i + 1) * ratio);
        t.first = static_cast<int>(start);
        const int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int s = t.first; s <= last; ++s) {
            const double covered = std::min<double>(end, s + 1) - std::max<double>(start, s);
            t.weights.push_back(static_cast<float>(std::max(0.0, covered) / ratio));
        }
    }
    return taps;
}

// Rec. 601 luminance of a non-premultiplied 0xAARRGGBB pixel laid over white.
inline int luminanceOverWhite(std::uint32_t p)
{
    const int alpha = static_cast<int>(p >> 24);
    const int red = static_cast<int>((p >> 16) & 0xFF);
    const int green = static_cast<int>((p >> 8) & 0xFF);
    const int blue = static_cast<int>(p & 0xFF);
    const int luminance = (77 * red + 150 * green + 29 * blue + 128) >> 8;
    return (luminance * alpha + 255 * (255 - alpha) + 127) / 255;
}

}  // namespace

PixelSize fitInside(PixelSize image, PixelSize box)
{
    const std::int64_t w = std::max(1, image.width);
    const std::int64_t h = std::max(1, image.height);
    PixelSize fit = box;
    if (w * box.height >= h * box.width)
        fit.height = static_cast<int>((2 * h * box.width + w) / (2 * w));
    else
        fit.width = static_cast<int>((2 * w * box.height + h) / (2 * h));
    fit.width = std::clamp(fit.width, 1, box.width);
    fit.height = std::clamp(fit.height, 1, box.height);
    return fit;
}

PixelSize decodeSizeFor(PixelSize image)
{
    const PixelSize fit = fitInside(image, kPageSize);
    int k = 1;
    while (image.width / (2 * k) >= 2 * fit.width && image.height / (2 * k) >= 2 * fit.height) k *= 2;
    return {(image.width + k - 1) / k, (image.height + k - 1) / k};
}

std::vector<std::uint8_t> fittedLuminance(const DecodedImage& decoded, PixelSize fit)
{
    const int width = decoded.width;
    const int height = decoded.height;
    if (width <= 0 || height <= 0 || decoded.pixels.size() < static_cast<std::size_t>(width) * height)
        return std::vector<std::uint8_t>(static_cast<std::size_t>(fit.width) * fit.height, 255);
    const std::vector<Taps> across = axisTaps(width, fit.width);
    const std::vector<Taps> down = axisTaps(height, fit.height);

    // Which output rows each source row feeds, and by how much.
    std::vector<std::vector<std::pair<int, float>>> feeds(static_cast<std::size_t>(height));
    for (int j = 0; j < fit.height; ++j) {
        const Taps& t = down[static_cast<std::size_t>(j)];
        for (std::size_t k = 0; k < t.weights.size(); ++k)
            feeds[static_cast<std::size_t>(t.first) + k].emplace_back(j, t.weights[k]);
    }

    std::vector<float> sums(static_cast<std::size_t>(fit.width) * fit.height, 0.0f);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width));
    std::vector<float> acrossRow(static_cast<std::size_t>(fit.width));
    for (int y = 0; y < height; ++y) {
        const auto& uses = feeds[static_cast<std::size_t>(y)];
        if (uses.empty()) continue;
        const std::uint32_t* source = decoded.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(luminanceOverWhite(source[x]));
        for (int i = 0; i < fit.width; ++i) {
            const Taps& t = across[static_cast<std::size_t>(i)];
            float sum = 0.0f;
            for (std::size_t k = 0; k < t.weights.size(); ++k) sum += t.weights[k] * row[static_cast<std::size_t>(t.first) + k];
            acrossRow[static_cast<std::size_t>(i)] = sum;
        }
        for (const auto& [j, weight] : uses) {
            float* out = sums.data() + static_cast<std::size_t>(j) * fit.width;
            for (int i = 0; i < fit.width; ++i) out[i] += weight * acrossRow[static_cast<std::size_t>(i)];
        }
    }

    std::vector<std::uint8_t> luminance(sums.size());
    for (std::size_t i = 0; i < sums.size(); ++i)
        luminance[i] = static_cast<std::uint8_t>(std::clamp(std::lround(sums[i]), 0L, 255L));
    return luminance;
}
