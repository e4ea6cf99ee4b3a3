// The colouring-page conversion on any sizes and pixels: the fitting, the
// scaling, the threshold and the speck removal must stay within their
// buffers, keep the page's size and put ink only where the image lies.

#include "FuzzSupport.h"

#include "pages/PageConversion.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

__attribute__((no_sanitize("coverage"))) bool inkOnlyWithin(const InkMask& page, int left, int top, PixelSize fit)
{
    for (int y = 0; y < page.size.height; ++y)
        for (int x = 0; x < page.size.width; ++x) {
            const bool inside = x >= left && x < left + fit.width && y >= top && y < top + fit.height;
            if (page.ink[std::size_t(y) * page.size.width + x] > (inside ? 1 : 0)) return false;
        }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    if (size < 10) return 0;
    const Bytes bytes(data, size);
    // The image's own size, anything a header may say; the size a decoder
    // gave; and a box to fit into, small so the steps run often. The whole
    // page is made from one input in sixteen.
    const PixelSize original{static_cast<int>(bytes.le(0, 2)) + 1, static_cast<int>(bytes.le(2, 2)) + 1};
    const PixelSize given{static_cast<int>(bytes.le(4, 2) % 300) + 1, static_cast<int>(bytes.le(6, 2) % 300) + 1};
    const PixelSize box{data[8] % 128 + 1, data[9] % 128 + 1};
    const bool wholePage = data[0] % 16 == 0;

    const PixelSize fit = fitInside(original, box);
    require(fit.width >= 1 && fit.height >= 1 && fit.width <= box.width && fit.height <= box.height,
            "the fit leaves the box");
    require(fit.width == box.width || fit.height == box.height, "the fit fills the box neither way");
    if (fit.width > 1 && fit.height > 1) {
        const long long skew = std::llabs(static_cast<long long>(fit.width) * original.height
                                          - static_cast<long long>(fit.height) * original.width);
        require(skew <= std::max(original.width, original.height), "the fit changes the shape");
    }
    const PixelSize pageFit = fitInside(original, kPageSize);
    const PixelSize asked = decodeSizeFor(original);
    require(asked.width >= std::min(pageFit.width, original.width)
                && asked.height >= std::min(pageFit.height, original.height) && asked.width <= original.width
                && asked.height <= original.height,
            "the size asked of a decoder does not cover the fit");

    DecodedImage decoded{ImageProblem::None, given.width, given.height,
                         std::vector<std::uint32_t>(std::size_t(given.width) * given.height)};
    const std::size_t pixelBytes = size - 10;
    for (std::size_t i = 0; i < decoded.pixels.size(); ++i)
        decoded.pixels[i] = pixelBytes == 0 ? 0 : static_cast<std::uint32_t>(bytes.le(10 + (i * 4) % pixelBytes, 4));

    const std::vector<std::uint8_t> luminance = fittedLuminance(decoded, fit);
    require(luminance.size() == std::size_t(fit.width) * fit.height, "the luminance is not the fit's size");
    const int threshold = inkThreshold(luminance);
    require(threshold >= 0 && threshold <= 256, "the threshold is no luminance");
    InkMask mask = inkOf(luminance, fit);
    removeSpecks(mask);
    require(inkOnlyWithin(mask, 0, 0, fit), "the specks' removal made ink");
    if (const std::optional<InkMask> shot = photographedInk(luminance, fit))
        require(shot->size.width == fit.width && shot->size.height == fit.height && inkOnlyWithin(*shot, 0, 0, fit),
                "a photographed sheet's ink is not the fit's");

    if (wholePage) {
        const InkMask page = convertPage(decoded, original);
        require(page.size.width == kPageSize.width && page.size.height == kPageSize.height
                    && page.ink.size() == std::size_t(kPageSize.width) * kPageSize.height,
                "the page is not the page's size");
        require(inkOnlyWithin(page, (kPageSize.width - pageFit.width) / 2, (kPageSize.height - pageFit.height) / 2,
                              pageFit),
                "ink outside the fitted image");
    }

    // Fully transparent, whatever colour it hides, is paper.
    for (std::uint32_t& p : decoded.pixels) p &= 0x00FFFFFF;
    const std::vector<std::uint8_t> clear = fittedLuminance(decoded, fit);
    require(std::all_of(clear.begin(), clear.end(), [](std::uint8_t v) { return v == 255; }),
            "transparent pixels are not paper");
    return 0;
}
