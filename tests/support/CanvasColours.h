#pragma once

#include "raster/CanvasImage.h"

#include <vector>

// Every pixel of the canvas as a colour, row by row.
inline std::vector<Colour> pixelsOf(const CanvasImage& image)
{
    std::vector<Colour> colours;
    colours.reserve(std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight);
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x) colours.push_back(image.pixel(x, y));
    return colours;
}
