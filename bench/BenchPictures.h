#pragma once

#include "raster/CanvasImage.h"

#include <string>

// The canvas the fill benchmarks paint on: the first shipped picture opened
// as the program opens it, or line art of our own when none is found.
namespace bench {

// Draws it onto `canvas`; what it is, for the benchmark's label.
std::string drawPicture(CanvasImage& canvas);

struct Region {
    int x = 0;
    int y = 0;
    long pixels = 0;
};

// The largest 4-connected white area, found by filling every one with its own colour.
Region largestWhiteRegion(const CanvasImage& canvas);

}  // namespace bench
