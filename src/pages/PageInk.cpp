#include "pages/PageConversion.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

using Histogram = std::array<std::size_t, 256>;

Histogram histogramOf(const std::vector<std::uint8_t>& luminance)
{
    Histogram h{};
    for (const std::uint8_t v : luminance) ++h[v];
    return h;
}

// The tone a tenth of the page is brighter than: the paper, on a page of
// outlines, however much ink it holds.
int paperTone(const Histogram& h, std::size_t total)
{
    std::size_t seen = 0;
    for (int v = 0; v < 256; ++v) {
        seen += h[static_cast<std::size_t>(v)];
        if (seen * 10 >= total * 9) return v;
    }
    return 255;
}

std::size_t darkerThan(const Histogram& h, int threshold)
{
    std::size_t n = 0;
    for (int v = 0; v < threshold; ++v) n += h[static_cast<std::size_t>(v)];
    return n;
}

// Otsu's split between the page's two main tones, or 0 when the tones
// either side lie too close to be a drawing on paper (a blank page, noise).
int twoToneSplit(const Histogram& h, std::size_t total)
{
    constexpr double kLeastContrast = 40.0;
    const auto count = [&h](int v) { return static_cast<double>(h[static_cast<std::size_t>(v)]); };
    double sumAll = 0.0;
    for (int v = 0; v < 256; ++v) sumAll += v * count(v);
    double best = -1.0;
    int split = 0;
    double darkCount = 0.0;
    double darkSum = 0.0;
    double bestGap = 0.0;
    for (int t = 1; t < 256; ++t) {
        darkCount += count(t - 1);
        darkSum += (t - 1) * count(t - 1);
        const double lightCount = static_cast<double>(total) - darkCount;
        if (darkCount == 0.0 || lightCount == 0.0) continue;
        const double gap = (sumAll - darkSum) / lightCount - darkSum / darkCount;
        const double between = darkCount * lightCount * gap * gap;
        if (between > best) {
            best = between;
            split = t;
            bestGap = gap;
        }
    }
    return bestGap >= kLeastContrast ? split : 0;
}

}  // namespace

int inkThreshold(const std::vector<std::uint8_t>& luminance)
{
    const Histogram h = histogramOf(luminance);
    const std::size_t total = luminance.size();
    const int threshold = std::clamp(paperTone(h, total) * 3 / 4, 32, 192);
    // Less than one pixel in five hundred: no outlines to speak of.
    if (darkerThan(h, threshold) * 500 >= total) return threshold;
    return std::max(threshold, twoToneSplit(h, total));
}

InkMask thresholded(const std::vector<std::uint8_t>& luminance, PixelSize size, int threshold)
{
    InkMask mask{size, std::vector<std::uint8_t>(luminance.size())};
    for (std::size_t i = 0; i < luminance.size(); ++i) mask.ink[i] = luminance[i] < threshold ? 1 : 0;
    return mask;
}

InkMask toneEdges(const std::vector<std::uint8_t>& luminance, PixelSize size)
{
    constexpr int kRadius = 10;
    constexpr int kDrop = 10;  // how much darker than its surroundings an edge is
    const int w = size.width;
    const int h = size.height;
    // Sums over every rectangle from the top-left corner, a row and column of zeros first.
    std::vector<std::int64_t> sums(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    const auto sum = [&](int x, int y) -> std::int64_t& { return sums[static_cast<std::size_t>(y) * (w + 1) + x]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            sum(x + 1, y + 1) = luminance[static_cast<std::size_t>(y) * w + x] + sum(x, y + 1) + sum(x + 1, y) - sum(x, y);
    InkMask mask{size, std::vector<std::uint8_t>(luminance.size(), 0)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int left = std::max(0, x - kRadius), right = std::min(w, x + kRadius + 1);
            const int top = std::max(0, y - kRadius), bottom = std::min(h, y + kRadius + 1);
            const std::int64_t count = std::int64_t{right - left} * (bottom - top);
            const std::int64_t around = sum(right, bottom) - sum(left, bottom) - sum(right, top) + sum(left, top);
            const std::int64_t own = luminance[static_cast<std::size_t>(y) * w + x];
            mask.ink[static_cast<std::size_t>(y) * w + x] = (own + kDrop) * count < around ? 1 : 0;
        }
    return mask;
}

InkMask inkOf(const std::vector<std::uint8_t>& luminance, PixelSize size)
{
    InkMask mask = thresholded(luminance, size, inkThreshold(luminance));
    // Over two fifths ink: no line drawing but a photo or a dark picture,
    // whose dark half would leave nothing to colour.
    if (std::count(mask.ink.begin(), mask.ink.end(), 1) * 5 > static_cast<std::ptrdiff_t>(mask.ink.size()) * 2)
        return toneEdges(luminance, size);
    return mask;
}

void removeSpecks(InkMask& mask)
{
    const int w = mask.size.width;
    const int h = mask.size.height;
    // The other ink among each ink pixel's eight neighbours: the only one, or none.
    constexpr int kNone = -1;
    constexpr int kMany = -2;
    const auto neighbour = [&](int x, int y) {
        int found = kNone;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= w || ny >= h || !mask.at(nx, ny)) continue;
                if (found != kNone) return kMany;
                found = ny * w + nx;
            }
        return found;
    };
    std::vector<int> specks;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!mask.at(x, y)) continue;
            const int other = neighbour(x, y);
            if (other == kNone || (other >= 0 && neighbour(other % w, other / w) == y * w + x)) specks.push_back(y * w + x);
        }
    for (const int at : specks) mask.ink[static_cast<std::size_t>(at)] = 0;
}

InkMask convertPage(const DecodedImage& decoded, PixelSize original)
{
    const PixelSize fit = fitInside(original, kPageSize);
    const std::vector<std::uint8_t> luminance = fittedLuminance(decoded, fit);
    std::optional<InkMask> photographed = photographedInk(luminance, fit);
    InkMask fitted = photographed ? std::move(*photographed) : inkOf(luminance, fit);
    removeSpecks(fitted);

    InkMask page{kPageSize, std::vector<std::uint8_t>(static_cast<std::size_t>(kPageSize.width) * kPageSize.height, 0)};
    const int left = (kPageSize.width - fit.width) / 2;
    const int top = (kPageSize.height - fit.height) / 2;
    for (int y = 0; y < fit.height; ++y)
        std::copy_n(fitted.ink.begin() + static_cast<std::ptrdiff_t>(y) * fit.width, fit.width,
                    page.ink.begin() + static_cast<std::ptrdiff_t>(top + y) * kPageSize.width + left);
    return page;
}
