#pragma once

#include "raster/CanvasImage.h"

// One pencil stamp: the square of pixels up to `reach` around (x, y) takes
// the colour, except pixels that are pure black when their turn comes, so
// outlines survive any stroke. Clipped to the canvas. Returns the rectangle
// of the pixels that actually changed.
PixelRect stampSquare(CanvasImage& canvas, int x, int y, int reach, Colour colour);
