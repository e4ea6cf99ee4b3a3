#pragma once

#include "raster/PixelRect.h"

// The part of a page a printer can print on, in its device pixels, and how
// many of them make an inch on each axis (printers need not have square
// pixels).
struct PrintableArea {
    int width = 0;
    int height = 0;
    int dpiX = 1;
    int dpiY = 1;
};

// Where the canvas image goes on the page, in the area's device pixels: as
// large as its aspect ratio allows, measured in inches, and centred. Empty
// for an area with no pixels or no resolution.
PixelRect canvasPlaceOnPage(const PrintableArea& area);
