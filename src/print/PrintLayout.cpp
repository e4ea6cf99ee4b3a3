#include "print/PrintLayout.h"

#include "raster/CanvasImage.h"

#include <algorithm>
#include <cmath>

PixelRect canvasPlaceOnPage(const PrintableArea& area)
{
    if (area.width <= 0 || area.height <= 0 || area.dpiX <= 0 || area.dpiY <= 0) return {};
    // The image's height per width, in the page's vertical pixels per
    // horizontal pixel. Doubles, so no product of a printer's figures overflows.
    const double shape = double(CanvasImage::kHeight) * area.dpiY / (double(CanvasImage::kWidth) * area.dpiX);
    // The full width, unless the height that keeps the shape does not fit.
    int width = area.width;
    int height = area.height;
    const double heightForWidth = std::floor(area.width * shape + 0.5);
    if (heightForWidth <= area.height)
        height = static_cast<int>(heightForWidth);
    else
        width = static_cast<int>(std::min(double(area.width), std::floor(area.height / shape + 0.5)));
    if (width < 1 || height < 1) return {};
    return {(area.width - width) / 2, (area.height - height) / 2, width, height};
}
